// Readers of the tag types, each bounded by its tag's contents
// (icc_tag_contents), which in turn lie inside the file.
#include <cstring>

#include "icc/icc_numbers.h"
#include "icc/icc_tag_readers.h"

namespace {

// A span made from a valid tag has data; one that is empty but valid (a tag
// of exactly 8 bytes) still has data, so test data rather than size.
bool valid(byte_span contents) { return contents.data != nullptr; }

// The curve's contents when they hold the count word and every entry.
bool curve_contents(byte_span file, icc_tag_entry entry, byte_span* contents,
                    uint32_t* count) {
    byte_span c = icc_tag_contents(file, entry);
    uint32_t n;
    if (!c.u32_be(0, &n) || !c.holds(4, 2 * uint64_t(n))) return false;
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
    uint32_t stored;
    if (!c.u32_be(0, &stored) || buffer == nullptr || buffer_length < 1) return false;
    uint64_t count = stored;
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

namespace {

constexpr uint32_t mluc_header_size = 16;  // preamble, record count, record size
constexpr uint32_t mluc_record_size = 12;  // language, country, length, offset
constexpr uint16_t language_english = 0x656E;  // "en"

}  // namespace

bool icc_read_mluc_description(byte_span file, icc_tag_entry tag, char* buffer,
                               int32_t buffer_length) {
    if (buffer == nullptr || buffer_length < 1) return false;
    const byte_span contents = icc_tag_contents(file, tag);
    if (!valid(contents)) return false;
    // Records and text offsets count from the start of the tag (its type
    // signature), which is 8 bytes before its contents.
    const byte_span whole{contents.data - icc_tag_preamble_size,
                          contents.size + icc_tag_preamble_size};
    uint32_t records, record_size;
    if (!whole.u32_be(8, &records) || !whole.u32_be(12, &record_size)) return false;
    if (records == 0 || record_size < mluc_record_size) return false;

    bool found = false;
    uint32_t length = 0, offset = 0;
    for (uint64_t i = 0; i < records; ++i) {
        const uint64_t at = mluc_header_size + i * record_size;
        uint16_t language;
        uint32_t l, o;
        if (!whole.u16_be(at, &language) || !whole.u32_be(at + 4, &l) || !whole.u32_be(at + 8, &o))
            break;
        // The first record that is there, unless an English one follows.
        if (!found || language == language_english) {
            length = l;
            offset = o;
        }
        found = true;
        if (language == language_english) break;
    }
    if (!found || !whole.holds(offset, length)) return false;

    int32_t out = 0;
    for (uint64_t i = 0; i + 2 <= length && out < buffer_length - 1; i += 2) {
        uint16_t unit;
        if (!whole.u16_be(offset + i, &unit) || unit == 0) break;
        if (unit >= 0xDC00 && unit <= 0xDFFF) continue;  // second half of a pair: one '?' already
        buffer[out++] = (unit < 0x20 || (unit >= 0x7F && unit < 0xA0) || unit > 0xFF) ? '?' : char(unit);
    }
    buffer[out] = '\0';
    return true;
}

bool icc_read_xyz(byte_span file, icc_tag_entry entry, icc_xyz_raw* out) {
    return out != nullptr && icc_read_xyz_number(icc_tag_contents(file, entry), 0, out);
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
    return c.u16_be(4 + 2 * uint64_t(index), out);
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
    return out != nullptr && icc_tag_contents(file, entry).u8(index, out);
}

bool icc_read_uint32_element(byte_span file, icc_tag_entry entry, uint32_t index,
                             uint32_t* out) {
    return out != nullptr && icc_tag_contents(file, entry).u32_be(4 * uint64_t(index), out);
}

namespace {

// Fields both lut types share: contents bytes 0-2, the pad at 3 skipped, the
// matrix at 4-39 in row order. The caller's record is written only when all
// of them are there.
bool read_lut_common(byte_span c, icc_lut_header* out) {
    icc_lut_header h = *out;
    bool ok = c.u8(0, &h.input_channels) && c.u8(1, &h.output_channels) && c.u8(2, &h.grid_points);
    for (int i = 0; i < 9 && ok; ++i) ok = c.u32_be(4 + 4 * uint64_t(i), &h.matrix[i]);
    if (ok) *out = h;
    return ok;
}

}  // namespace

bool icc_read_lut8(byte_span file, icc_tag_entry entry, icc_lut_header* out) {
    return out != nullptr && read_lut_common(icc_tag_contents(file, entry), out);
}

bool icc_read_lut16(byte_span file, icc_tag_entry entry, icc_lut_header* out) {
    byte_span c = icc_tag_contents(file, entry);
    uint16_t input_entries, output_entries;
    if (out == nullptr || !c.u16_be(40, &input_entries) || !c.u16_be(42, &output_entries) ||
        !read_lut_common(c, out))
        return false;
    out->input_entries = input_entries;
    out->output_entries = output_entries;
    return true;
}
