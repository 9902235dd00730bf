// Header, tag count and tag directory of a profile held as one byte span.
#include <cstring>

#include "icc/icc_parse.h"

uint8_t icc_u8(const uint8_t* p) { return p[0]; }

uint16_t icc_u16(const uint8_t* p) { return uint16_t((p[0] << 8) | p[1]); }

uint32_t icc_u32(const uint8_t* p) {
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) |
           uint32_t(p[3]);
}

void icc_date_time_at(const uint8_t* p, icc_date_time* out) {
    out->year = icc_u16(p);
    out->month = icc_u16(p + 2);
    out->day = icc_u16(p + 4);
    out->hours = icc_u16(p + 6);
    out->minutes = icc_u16(p + 8);
    out->seconds = icc_u16(p + 10);
}

void icc_xyz_at(const uint8_t* p, icc_xyz_raw* out) {
    out->x = icc_u32(p);
    out->y = icc_u32(p + 4);
    out->z = icc_u32(p + 8);
}

bool icc_read_header(byte_span file, icc_profile_header* out) {
    if (!file.holds(0, icc_header_size) || out == nullptr) return false;
    const uint8_t* p = file.data;
    icc_profile_header h;
    h.size = icc_u32(p);
    h.cmm_type = icc_u32(p + 4);
    h.version = icc_u32(p + 8);
    h.device_class = icc_u32(p + 12);
    h.color_space = icc_u32(p + 16);
    h.connection_space = icc_u32(p + 20);
    icc_date_time_at(p + 24, &h.date);
    h.magic = icc_u32(p + 36);
    h.platform = icc_u32(p + 40);
    h.flags = icc_u32(p + 44);
    h.manufacturer = icc_u32(p + 48);
    h.model = icc_u32(p + 52);
    h.attributes_high = icc_u32(p + 56);
    h.attributes_low = icc_u32(p + 60);
    h.rendering_intent = icc_u32(p + 64);
    icc_xyz_at(p + 68, &h.illuminant);
    *out = h;
    return true;
}

uint32_t icc_tag_count(byte_span file) {
    if (!file.holds(icc_tag_count_offset, 4)) return 0;
    return icc_u32(file.data + icc_tag_count_offset);
}

bool icc_read_tag(byte_span file, int32_t index, icc_tag_entry* entry,
                  uint32_t* type_signature) {
    if (index < 0 || uint32_t(index) >= icc_tag_count(file)) return false;
    uint64_t at = icc_directory_offset + uint64_t(icc_tag_entry_size) * uint32_t(index);
    if (!file.holds(at, icc_tag_entry_size)) return false;
    icc_tag_entry e;
    e.signature = icc_u32(file.data + at);
    e.offset = icc_u32(file.data + at + 4);
    e.size = icc_u32(file.data + at + 8);
    // The type signature is read even from a tag too short to hold one, so
    // the span checked is at least those 4 bytes.
    if (!file.holds(e.offset, e.size < 4 ? 4 : e.size)) return false;
    if (entry != nullptr) *entry = e;
    if (type_signature != nullptr) *type_signature = icc_u32(file.data + e.offset);
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
