#include "exchange/icc_named_color_reader.h"

#include <cstdio>

#include "exchange/ansi_text.h"
#include "exchange/icc_named_color_writer.h"

namespace {

constexpr uint32_t header_size = 128;
constexpr uint32_t directory_entry_size = 12;
constexpr uint32_t ncl2_fixed_size = 84;  // type, reserved, flags, count, device count, prefix, suffix
constexpr uint32_t ncl2_max_device_coordinates = 15;

constexpr uint32_t sig(const char (&four)[5])
{
    return uint32_t(uint8_t(four[0])) << 24 | uint32_t(uint8_t(four[1])) << 16 | uint32_t(uint8_t(four[2])) << 8 | uint8_t(four[3]);
}

// A signature as text for a reason; bytes outside printable ASCII as '?'.
struct shown_sig {
    char text[5];
    explicit shown_sig(uint32_t v)
    {
        for (int i = 0; i < 4; ++i) {
            const uint8_t ch = static_cast<uint8_t>(v >> (24 - 8 * i));
            text[i] = ch >= 0x20 && ch < 0x7F ? static_cast<char>(ch) : '?';
        }
        text[4] = 0;
    }
};

// A 32-byte name field: up to its first NUL, or all 32 bytes without one.
void append_name_field(byte_span file, uint64_t at, std::string* name)
{
    for (uint64_t i = 0; i < icc_name_field; ++i) {
        uint8_t ch = 0;
        if (!file.u8(at + i, &ch) || ch == 0) return;
        *name += static_cast<char>(unicode_to_cp1252(cp1252_to_unicode(ch)));
    }
}

bool refuse_truncated(palette_read* out, const char* what, uint64_t at)
{
    return palette_refuse(out, palette_refusal::truncated, "ICC %s at byte %llu runs past the end of the file", what,
                          static_cast<unsigned long long>(at));
}

// Finds the 'ncl2' tag; false with the refusal made.
bool find_named_colors(byte_span file, palette_read* out, uint32_t* offset, uint32_t* size)
{
    uint32_t count;
    if (!file.u32_be(header_size, &count)) return refuse_truncated(out, "tag count", header_size);
    if (!file.holds(header_size + 4, uint64_t{count} * directory_entry_size)) return refuse_truncated(out, "tag directory", header_size);
    for (uint32_t i = 0; i < count; ++i) {
        const uint64_t entry = header_size + 4 + uint64_t{i} * directory_entry_size;
        uint32_t tag = 0;
        file.u32_be(entry, &tag);
        if (tag != sig("ncl2")) continue;
        file.u32_be(entry + 4, offset);
        file.u32_be(entry + 8, size);
        if (!file.holds(*offset, *size)) return refuse_truncated(out, "tag ncl2", *offset);
        return true;
    }
    return palette_refuse(out, palette_refusal::not_a_palette, "ICC named-colour profile without an ncl2 tag");
}

}  // namespace

palette_read read_icc_named_colors(byte_span whole)
{
    palette_read out;
    if (!palette_size_ok(&out, whole.size, "ICC")) return out;
    uint32_t declared = 0, version = 0, device_class = 0, data_space = 0, pcs = 0, magic = 0;
    if (!whole.u32_be(0, &declared) || !whole.u32_be(8, &version) || !whole.u32_be(12, &device_class) || !whole.u32_be(16, &data_space) ||
        !whole.u32_be(20, &pcs) || !whole.u32_be(36, &magic) || whole.size < header_size) {
        palette_refuse(&out, palette_refusal::truncated, "ICC header needs %u bytes, the file has %llu", header_size,
                       static_cast<unsigned long long>(whole.size));
        return out;
    }
    if (magic != sig("acsp")) {
        palette_refuse(&out, palette_refusal::not_a_palette, "not an ICC profile: no 'acsp' at byte 36");
        return out;
    }
    // Bytes after the declared end are padding some copies pick up; a
    // declared size beyond the data means the file was cut.
    if (declared > whole.size || declared < header_size + 4) {
        palette_refuse(&out, declared > whole.size ? palette_refusal::truncated : palette_refusal::inconsistent,
                       "ICC header declares %lu bytes, the file has %llu", static_cast<unsigned long>(declared),
                       static_cast<unsigned long long>(whole.size));
        return out;
    }
    const byte_span file{whole.data, declared};
    if (device_class != sig("nmcl")) {
        palette_refuse(&out, palette_refusal::not_a_palette, "ICC profile of class '%s' holds no named colours", shown_sig(device_class).text);
        return out;
    }
    const uint32_t major = version >> 24;
    if (major != 2 && major != 4) {
        palette_refuse(&out, palette_refusal::unsupported, "ICC version %lu is not known (2 and 4 are)", static_cast<unsigned long>(major));
        return out;
    }
    if (pcs != sig("Lab ") && pcs != sig("XYZ ")) {
        palette_refuse(&out, palette_refusal::unsupported, "ICC connection space '%s' is neither Lab nor XYZ", shown_sig(pcs).text);
        return out;
    }

    uint32_t tag_at = 0, tag_size = 0, type = 0, count = 0, device = 0;
    if (!find_named_colors(file, &out, &tag_at, &tag_size)) return out;
    const byte_span tag{file.data + tag_at, tag_size};
    if (!tag.u32_be(0, &type) || type != sig("ncl2")) {
        palette_refuse(&out, palette_refusal::unsupported, "ICC tag ncl2 has the type '%s', not namedColor2Type", shown_sig(type).text);
        return out;
    }
    if (tag_size < ncl2_fixed_size || !tag.u32_be(12, &count) || !tag.u32_be(16, &device)) {
        palette_refuse(&out, palette_refusal::inconsistent, "ICC tag ncl2 of %lu bytes is shorter than its %u-byte head",
                       static_cast<unsigned long>(tag_size), ncl2_fixed_size);
        return out;
    }
    if (device > ncl2_max_device_coordinates) {
        palette_refuse(&out, palette_refusal::inconsistent, "ICC tag ncl2 gives %lu device coordinates per colour (at most %u)",
                       static_cast<unsigned long>(device), ncl2_max_device_coordinates);
        return out;
    }
    const bool cmyk = data_space == sig("CMYK");
    if (cmyk && device != 0 && device != 4) {
        palette_refuse(&out, palette_refusal::inconsistent, "ICC data colour space CMYK, but %lu device coordinates per colour",
                       static_cast<unsigned long>(device));
        return out;
    }
    if (count > palette_colors_max) {
        palette_refuse(&out, palette_refusal::too_many_colors, "ICC tag ncl2 counts %lu colours (at most %u)", static_cast<unsigned long>(count),
                       static_cast<unsigned>(palette_colors_max));
        return out;
    }
    const uint64_t record = icc_name_field + 6 + 2 * uint64_t{device};
    if (!tag.holds(ncl2_fixed_size, count * record)) {
        palette_refuse(&out, palette_refusal::inconsistent, "ICC tag ncl2 of %lu bytes cannot hold its %lu colours of %llu bytes",
                       static_cast<unsigned long>(tag_size), static_cast<unsigned long>(count), static_cast<unsigned long long>(record));
        return out;
    }

    std::string prefix, suffix;
    append_name_field(tag, 20, &prefix);
    append_name_field(tag, 20 + icc_name_field, &suffix);
    for (uint32_t i = 0; i < count; ++i) {
        const uint64_t at = ncl2_fixed_size + i * record;
        palette_color c;
        c.name = prefix;
        append_name_field(tag, at, &c.name);
        c.name += suffix;
        uint16_t w[3] = {}, ink = 0;
        for (int k = 0; k < 3; ++k) tag.u16_be(at + icc_name_field + 2 * k, &w[k]);
        if (pcs == sig("Lab ")) {
            c.measure = palette_measure::lab_d50;
            c.value[0] = w[0] / 652.8, c.value[1] = w[1] / 256.0 - 128.0, c.value[2] = w[2] / 256.0 - 128.0;
        } else {
            c.measure = palette_measure::xyz_d50;
            for (int k = 0; k < 3; ++k) c.value[k] = w[k] / 32768.0;
        }
        c.has_cmyk = cmyk && device == 4;
        for (int k = 0; c.has_cmyk && k < 4; ++k) {
            tag.u16_be(at + icc_name_field + 6 + 2 * k, &ink);
            c.cmyk[k] = ink / 65535.0;
        }
        char where[32];
        std::snprintf(where, sizeof where, "%lu", static_cast<unsigned long>(i + 1));
        if (!palette_add(&out, c, "ICC", where)) return out;
    }
    palette_finish(&out, "ICC");
    return out;
}
