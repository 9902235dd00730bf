#include "colorlib/color_tables.h"

#include <cstring>

#include "colorlib/colorid.h"
#include "colorlib/descriptor.h"
#include "colorlib/publications.h"
#include "colorlib/resource_seam.h"

namespace {

uint16_t word_at(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

// Writes at most max characters of text and a NUL; returns the length.
int copy_cut(const char* text, char* buffer, int max)
{
    if (buffer == nullptr) return 0;
    if (max < 0) max = 0;
    int len = static_cast<int>(std::strlen(text));
    if (len > max) len = max;
    std::memcpy(buffer, text, static_cast<size_t>(len));
    buffer[len] = 0;
    return len;
}

// Record `record` of `size` bytes of the table, or null when the table is
// missing or ends before it.
const uint8_t* table_record(uint32_t pub_no, const char* type, uint64_t record, uint64_t size)
{
    byte_span t = locate_color_table(pub_no, type);
    if (!t.holds(record * size, size)) return nullptr;
    return t.data + record * size;
}

// The stored name, which ends at its first NUL or fills its record; empty
// when the table has no such record.
void stored_name(colorid id, char (&name)[max_color_name_size + 1])
{
    name[0] = 0;
    const uint32_t n = colorid_pub(id);
    uint32_t width = pub_color_name_size(n);
    if (width == 0) return;
    const uint8_t* p = table_record(n, "NAMES", colorid_index(id), width);
    if (p == nullptr) return;
    // Wider records than the composition can hold contribute their first bytes.
    if (width > max_color_name_size) width = max_color_name_size;
    std::memcpy(name, p, width);
    name[width] = 0;
}

}  // namespace

byte_span locate_color_table(uint32_t pub_no, const char* type)
{
    if (pub_no <= last_builtin_pub && pub_no < 4) {
        const bool shared = std::strcmp(type, "NAMES") == 0 || std::strcmp(type, "CMYK") == 0 ||
                            std::strcmp(type, "PAGE") == 0;
        return builtin_resource(type, shared ? pub_data_kinds[pub_no] : pub_resource_names[pub_no]);
    }
    return addon_resource(pub_no, type);
}

int get_color_name(colorid id, char* buffer, int max, int mode)
{
    char name[max_color_name_size + 1];
    stored_name(id, name);
    if (name[0] == 0) return copy_cut("", buffer, max);
    if (mode == -1) return copy_cut(name, buffer, max);

    char full[full_color_name_size + 1] = "VERIHUE ";
    std::strcat(full, name);
    std::strcat(full, " ");
    if (mode == 0 || mode == 1) {
        const char* suffix = pub_suffix(id, mode);
        std::strncat(full, suffix, full_color_name_size - std::strlen(full));
    }
    return copy_cut(full, buffer, max);
}

int get_color_xyz(colorid id, int d50, double* X, double* Y, double* Z)
{
    const uint8_t* p = table_record(colorid_pub(id), d50 ? "CIE50" : "CIE65", colorid_index(id), 6);
    if (p == nullptr) return 0;
    *X = word_at(p) / 100.0;
    *Y = word_at(p + 2) / 100.0;
    *Z = word_at(p + 4) / 100.0;
    return 1;
}

int get_color_cmyk_recipe(colorid id, float* C, float* M, float* Y, float* K)
{
    const uint8_t* p = table_record(colorid_pub(id), "CMYK", colorid_index(id), 8);
    if (p == nullptr) return 0;
    *C = static_cast<float>(word_at(p) / 1000.0);
    *M = static_cast<float>(word_at(p + 2) / 1000.0);
    *Y = static_cast<float>(word_at(p + 4) / 1000.0);
    *K = static_cast<float>(word_at(p + 6) / 1000.0);
    return 1;
}

int get_page_label(colorid id, char* buffer, int max)
{
    char label[page_label_size + 1] = "";
    const uint32_t per_page = descriptor_colors_per_page();
    if (per_page != 0) {
        const uint8_t* p = table_record(colorid_pub(id), "PAGE", colorid_index(id) / per_page, page_label_size);
        if (p != nullptr) {
            std::memcpy(label, p, page_label_size);
            label[page_label_size] = 0;
        }
    }
    return copy_cut(label, buffer, max);
}

uint32_t color_page_number(colorid id)
{
    const uint32_t per_page = descriptor_colors_per_page();
    if (per_page == 0) return 0;
    return colorid_index(id) / per_page + 1;
}
