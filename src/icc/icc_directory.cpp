// Header, tag count and tag directory of a profile held as one byte span.
#include "icc/icc_directory.h"

bool icc_read_date_time(byte_span bytes, uint64_t at, icc_date_time* out) {
    icc_date_time d;
    uint16_t* const fields[] = {&d.year, &d.month, &d.day, &d.hours, &d.minutes, &d.seconds};
    for (int i = 0; i < 6; ++i)
        if (!bytes.u16_be(at + 2 * i, fields[i])) return false;
    *out = d;
    return true;
}

bool icc_read_xyz_number(byte_span bytes, uint64_t at, icc_xyz_raw* out) {
    icc_xyz_raw v;
    if (!bytes.u32_be(at, &v.x) || !bytes.u32_be(at + 4, &v.y) || !bytes.u32_be(at + 8, &v.z))
        return false;
    *out = v;
    return true;
}

bool icc_read_header(byte_span file, icc_profile_header* out) {
    if (!file.holds(0, icc_header_size) || out == nullptr) return false;
    icc_profile_header h;
    // Bytes 0-23 and 36-67 are words in field order, the date between them
    // and the illuminant after.
    uint32_t* const words[] = {&h.size, &h.cmm_type, &h.version, &h.device_class,
                               &h.color_space, &h.connection_space, &h.magic, &h.platform,
                               &h.flags, &h.manufacturer, &h.model, &h.attributes_high,
                               &h.attributes_low, &h.rendering_intent};
    bool ok = icc_read_date_time(file, 24, &h.date) && icc_read_xyz_number(file, 68, &h.illuminant);
    for (int i = 0; i < 14 && ok; ++i) ok = file.u32_be(i < 6 ? 4 * i : 36 + 4 * (i - 6), words[i]);
    if (ok) *out = h;
    return ok;
}

uint32_t icc_tag_count(byte_span file) {
    uint32_t count = 0;
    file.u32_be(icc_tag_count_offset, &count);
    return count;
}

bool icc_read_tag(byte_span file, int32_t index, icc_tag_entry* entry,
                  uint32_t* type_signature) {
    if (index < 0 || uint32_t(index) >= icc_tag_count(file)) return false;
    uint64_t at = icc_directory_offset + uint64_t(icc_tag_entry_size) * uint32_t(index);
    icc_tag_entry e;
    uint32_t type;
    if (!file.u32_be(at, &e.signature) || !file.u32_be(at + 4, &e.offset) ||
        !file.u32_be(at + 8, &e.size))
        return false;
    // The type signature is read even from a tag too short to hold one; such
    // a tag must still have those 4 bytes inside the file.
    if (!file.holds(e.offset, e.size) || !file.u32_be(e.offset, &type)) return false;
    if (entry != nullptr) *entry = e;
    if (type_signature != nullptr) *type_signature = type;
    return true;
}

bool icc_find_tag(byte_span file, uint32_t tag_signature, icc_tag_entry* entry,
                  uint32_t* type_signature) {
    bool found = false;
    icc_for_each_tag(file, [&](const icc_tag_entry& e, uint32_t type) {
        if (e.signature != tag_signature) return true;
        if (entry != nullptr) *entry = e;
        if (type_signature != nullptr) *type_signature = type;
        found = true;
        return false;
    });
    return found;
}

byte_span icc_tag_contents(byte_span file, icc_tag_entry entry) {
    byte_span contents;
    if (entry.size < icc_tag_preamble_size || !file.holds(entry.offset, entry.size))
        return contents;
    contents.data = file.data + entry.offset + icc_tag_preamble_size;
    contents.size = entry.size - icc_tag_preamble_size;
    return contents;
}
