// Readers of the tag types, each bounded by its tag's contents
// (icc_tag_contents), which in turn lie inside the file.
#include <cstring>

#include "icc/icc_numbers.h"
#include "icc/icc_parse.h"

namespace {

// A span made from a valid tag has data; one that is empty but valid (a tag
// of exactly 8 bytes) still has data, so test data rather than size.
bool valid(byte_span contents) { return contents.data != nullptr; }

// The curve's contents when they hold the count word and every entry.
bool curve_contents(byte_span file, icc_tag_entry entry, byte_span* contents,
                    uint32_t* count) {
    byte_span c = icc_tag_contents(file, entry);
    if (!c.holds(0, 4)) return false;
    uint32_t n = icc_u32(c.data);
    if (!c.holds(4, 2 * uint64_t(n))) return false;
    *contents = c;
    *count = n;
    return true;
}

}  // namespace

bool icc_read_text(byte_span file, icc_tag_entry entry, char* buffer) {
    byte_span c = icc_tag_contents(file, entry);
    if (!valid(c) || buffer == nullptr) return false;
    if (c.size > 0) std::memcpy(buffer, c.data, c.size);
    return true;
}

bool icc_read_description(byte_span file, icc_tag_entry entry, char* buffer,
                          int32_t buffer_length) {
    byte_span c = icc_tag_contents(file, entry);
    if (!c.holds(0, 4) || buffer == nullptr || buffer_length < 1) return false;
    uint64_t count = icc_u32(c.data);
    uint64_t held = c.size - 4;
    bool cut = false;
    if (count > held) {
        count = held;
        cut = true;
    }
    if (count > uint64_t(buffer_length)) {
        count = uint64_t(buffer_length) - 1;
        cut = true;
    }
    if (count > 0) std::memcpy(buffer, c.data + 4, size_t(count));
    // A well-formed count ends with the text's own terminator. A count cut
    // above, a count of 0 or a text stored without its zero gets one here,
    // inside the buffer (its last byte when the buffer was too short).
    if (cut || count == 0 || buffer[count - 1] != '\0') {
        uint64_t end = count < uint64_t(buffer_length) ? count : uint64_t(buffer_length) - 1;
        buffer[end] = '\0';
    }
    return true;
}

bool icc_read_xyz(byte_span file, icc_tag_entry entry, icc_xyz_raw* out) {
    byte_span c = icc_tag_contents(file, entry);
    if (!c.holds(0, 12) || out == nullptr) return false;
    icc_xyz_at(c.data, out);
    return true;
}

uint32_t icc_curve_count(byte_span file, icc_tag_entry entry) {
    byte_span c;
    uint32_t count;
    return curve_contents(file, entry, &c, &count) ? count : 0;
}

bool icc_read_curve_raw(byte_span file, icc_tag_entry entry, uint32_t index,
                        uint16_t* out) {
    byte_span c;
    uint32_t count;
    if (!curve_contents(file, entry, &c, &count) || index >= count || out == nullptr)
        return false;
    *out = icc_u16(c.data + 4 + 2 * uint64_t(index));
    return true;
}

bool icc_read_curve_entry(byte_span file, icc_tag_entry entry, uint32_t index,
                          double* out) {
    uint16_t raw;
    if (out == nullptr || !icc_read_curve_raw(file, entry, index, &raw)) return false;
    *out = icc_u16_value(raw);
    return true;
}

uint32_t icc_uint_array_count(icc_tag_entry entry, uint32_t type_signature) {
    if (entry.size < icc_tag_preamble_size) return 0;
    uint32_t payload = entry.size - icc_tag_preamble_size;
    switch (type_signature) {
    case icc_type_ui08: return payload;
    case icc_type_ui16: return payload >> 1;
    case icc_type_ui32: return payload >> 2;
    case icc_type_ui64: return payload >> 3;
    default: return 0;
    }
}

bool icc_read_uint8_element(byte_span file, icc_tag_entry entry, uint32_t index,
                            uint8_t* out) {
    byte_span c = icc_tag_contents(file, entry);
    if (!c.holds(index, 1) || out == nullptr) return false;
    *out = c.data[index];
    return true;
}

bool icc_read_uint32_element(byte_span file, icc_tag_entry entry, uint32_t index,
                             uint32_t* out) {
    byte_span c = icc_tag_contents(file, entry);
    uint64_t at = 4 * uint64_t(index);
    if (!c.holds(at, 4) || out == nullptr) return false;
    *out = icc_u32(c.data + at);
    return true;
}

namespace {

// Fields both lut types share: contents bytes 0-2, the pad at 3 skipped, the
// matrix at 4-39 in row order.
void read_lut_common(const uint8_t* p, icc_lut_header* out) {
    out->input_channels = p[0];
    out->output_channels = p[1];
    out->grid_points = p[2];
    for (int i = 0; i < 9; ++i) out->matrix[i] = icc_u32(p + 4 + 4 * i);
}

}  // namespace

bool icc_read_lut8(byte_span file, icc_tag_entry entry, icc_lut_header* out) {
    byte_span c = icc_tag_contents(file, entry);
    if (!c.holds(0, 40) || out == nullptr) return false;
    read_lut_common(c.data, out);
    return true;
}

bool icc_read_lut16(byte_span file, icc_tag_entry entry, icc_lut_header* out) {
    byte_span c = icc_tag_contents(file, entry);
    if (!c.holds(0, 44) || out == nullptr) return false;
    read_lut_common(c.data, out);
    out->input_entries = icc_u16(c.data + 40);
    out->output_entries = icc_u16(c.data + 42);
    return true;
}
