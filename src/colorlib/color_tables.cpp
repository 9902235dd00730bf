#include "colorlib/color_tables.h"

#include <cstring>

#include "colorlib/publication_catalogue.h"
#include "colorlib/publications.h"

namespace {

uint16_t word_at(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

// Writes at most max characters of a text of len characters and a NUL;
// returns the length written.
int copy_cut(const char* text, size_t len, char* buffer, int max)
{
    if (buffer == nullptr) return 0;
    if (max < 0) max = 0;
    if (len > static_cast<size_t>(max)) len = static_cast<size_t>(max);
    std::memcpy(buffer, text, len);
    buffer[len] = 0;
    return static_cast<int>(len);
}

int copy_cut(const char* text, char* buffer, int max) { return copy_cut(text, std::strlen(text), buffer, max); }

// Record `record` of `size` bytes of the table, or null when the table is
// missing or ends before it.
const uint8_t* table_record(publication_catalogue& catalogue, uint32_t pub_no, table_kind kind, uint64_t record,
                            uint64_t size)
{
    byte_span t = locate_color_table(catalogue, pub_no, kind);
    if (!t.holds(record * size, size)) return nullptr;
    return t.data + record * size;
}

}  // namespace

color_name_table locate_color_name_table(publication_catalogue& catalogue, uint32_t pub_no)
{
    return color_name_table{locate_color_table(catalogue, pub_no, table_names), pub_color_name_size(catalogue, pub_no)};
}

int read_stored_name(const color_name_table& table, uint32_t index, char* buffer, int max)
{
    if (buffer == nullptr) return 0;
    uint32_t len = 0;
    const uint64_t offset = uint64_t{index} * table.width;
    if (max > 0 && table.width != 0 && table.names.holds(offset, table.width)) {
        // Wider records than the composition can hold contribute their first bytes.
        uint32_t limit = table.width < max_color_name_size ? table.width : max_color_name_size;
        if (limit > static_cast<uint32_t>(max)) limit = static_cast<uint32_t>(max);
        const uint8_t* p = table.names.data + offset;
        while (len < limit && p[len] != 0) {
            buffer[len] = static_cast<char>(p[len]);
            ++len;
        }
    }
    buffer[len] = 0;
    return static_cast<int>(len);
}

std::optional<measured_xyz> read_color_xyz(byte_span table, uint32_t index)
{
    const uint64_t offset = uint64_t{index} * 6;
    if (!table.holds(offset, 6)) return std::nullopt;
    const uint8_t* p = table.data + offset;
    return measured_xyz{word_at(p) / 100.0, word_at(p + 2) / 100.0, word_at(p + 4) / 100.0};
}

bool read_color_lab_d50(byte_span cie50_table, uint32_t index, cie_lab* lab)
{
    const uint64_t offset = uint64_t{index} * 6;
    if (!cie50_table.holds(offset, 6)) return false;
    const uint8_t* p = cie50_table.data + offset;
    const uint16_t hundredths[3] = {word_at(p), word_at(p + 2), word_at(p + 4)};
    *lab = lab_from_d50_hundredths(hundredths);
    return true;
}

byte_span locate_color_table(publication_catalogue& catalogue, uint32_t pub_no, table_kind kind)
{
    return publication_table(catalogue, pub_no, kind);
}

int get_color_name(publication_catalogue& catalogue, colorid id, char* buffer, int max, int mode)
{
    char name[max_color_name_size + 1];
    size_t name_len = static_cast<size_t>(read_stored_name(locate_color_name_table(catalogue, colorid_pub(id)),
                                                           colorid_index(id), name, max_color_name_size));
    if (name_len == 0) return copy_cut("", 0, buffer, max);
    if (mode == -1) return copy_cut(name, name_len, buffer, max);

    // Composed with known lengths: hosts ask for names by the thousand.
    // "VERIHUE " + at most 35 + " " leaves room for the longest suffix.
    if (name_len > max_color_name_size) name_len = max_color_name_size;
    char full[full_color_name_size + 1];
    std::memcpy(full, "VERIHUE ", 8);
    std::memcpy(full + 8, name, name_len);
    size_t len = 8 + name_len;
    full[len++] = ' ';
    if (mode == 0 || mode == 1) {
        const char* suffix = pub_suffix(catalogue, id, mode);
        size_t suffix_len = std::strlen(suffix);
        if (suffix_len > full_color_name_size - len) suffix_len = full_color_name_size - len;
        std::memcpy(full + len, suffix, suffix_len);
        len += suffix_len;
    }
    return copy_cut(full, len, buffer, max);
}

std::optional<measured_xyz> get_color_xyz(publication_catalogue& catalogue, colorid id, int d50)
{
    return read_color_xyz(locate_color_table(catalogue, colorid_pub(id), d50 ? table_cie50 : table_cie65),
                          colorid_index(id));
}

std::optional<cmyk_recipe> get_color_cmyk_recipe(publication_catalogue& catalogue, colorid id)
{
    const uint8_t* p = table_record(catalogue, colorid_pub(id), table_cmyk, colorid_index(id), 8);
    if (p == nullptr) return std::nullopt;
    return cmyk_recipe{static_cast<float>(word_at(p) / 1000.0), static_cast<float>(word_at(p + 2) / 1000.0),
                       static_cast<float>(word_at(p + 4) / 1000.0), static_cast<float>(word_at(p + 6) / 1000.0)};
}

int get_page_label(publication_catalogue& catalogue, colorid id, char* buffer, int max)
{
    char label[page_label_size + 1] = "";
    const uint32_t per_page = pub_colors_per_page(catalogue, colorid_pub(id));
    if (per_page != 0) {
        const uint8_t* p =
            table_record(catalogue, colorid_pub(id), table_page, colorid_index(id) / per_page, page_label_size);
        if (p != nullptr) {
            std::memcpy(label, p, page_label_size);
            label[page_label_size] = 0;
        }
    }
    return copy_cut(label, buffer, max);
}

uint32_t color_page_number(publication_catalogue& catalogue, colorid id)
{
    const uint32_t per_page = pub_colors_per_page(catalogue, colorid_pub(id));
    if (per_page == 0) return 0;
    return colorid_index(id) / per_page + 1;
}
