#include "profiles/profile_description.h"

#include <cstring>

namespace {

constexpr uint32_t mluc_header_size = 16;  // preamble, record count, record size
constexpr uint32_t mluc_record_size = 12;  // language, country, length, offset
constexpr uint16_t language_english = 0x656E;  // "en"

}  // namespace

bool icc_read_mluc_description(byte_span file, icc_tag_entry tag, char* buffer,
                               int32_t buffer_length)
{
    if (buffer == nullptr || buffer_length < 1) return false;
    const byte_span contents = icc_tag_contents(file, tag);
    if (contents.data == nullptr || contents.size < 8) return false;
    const uint64_t records = icc_u32(contents.data);
    const uint64_t record_size = icc_u32(contents.data + 4);
    if (records == 0 || record_size < mluc_record_size) return false;

    // Records and text offsets count from the start of the tag (its type
    // signature), which is 8 bytes before its contents.
    const uint64_t tag_size = uint64_t(contents.size) + 8;
    const uint8_t* tag_start = contents.data - 8;
    uint64_t chosen = records;
    for (uint64_t i = 0; i < records; ++i) {
        const uint64_t at = mluc_header_size + i * record_size;
        if (at > tag_size || mluc_record_size > tag_size - at) break;
        if (chosen == records) chosen = i;  // the first record that is there
        if (icc_u16(tag_start + at) == language_english) {
            chosen = i;
            break;
        }
    }
    if (chosen == records) return false;
    const uint8_t* record = tag_start + mluc_header_size + chosen * record_size;
    const uint64_t length = icc_u32(record + 4);
    const uint64_t offset = icc_u32(record + 8);
    if (offset > tag_size || length > tag_size - offset) return false;

    const uint8_t* text = tag_start + offset;
    int32_t out = 0;
    for (uint64_t i = 0; i + 2 <= length && out < buffer_length - 1; i += 2) {
        const uint16_t unit = icc_u16(text + i);
        if (unit == 0) break;
        if (unit >= 0xDC00 && unit <= 0xDFFF) continue;  // second half of a pair: one '?' already
        buffer[out++] = (unit < 0x20 || (unit >= 0x7F && unit < 0xA0) || unit > 0xFF) ? '?' : char(unit);
    }
    buffer[out] = '\0';
    return true;
}

bool read_description_tag(byte_span file, icc_tag_entry tag, uint32_t type_signature,
                          char* buffer, int32_t buffer_length)
{
    if (type_signature == icc_type_mluc)
        return icc_read_mluc_description(file, tag, buffer, buffer_length);
    return icc_read_description(file, tag, buffer, buffer_length);
}

void profile_description_of(byte_span file, char* buffer, int32_t buffer_length)
{
    if (buffer == nullptr || buffer_length < 1) return;
    icc_tag_entry tag;
    uint32_t type;
    // A description that cannot be read must not leave whatever the buffer
    // held before (another profile's name in a list) standing for this one.
    if (icc_find_tag(file, icc_tag_desc, &tag, &type) &&
        read_description_tag(file, tag, type, buffer, buffer_length))
        return;
    const char unknown[] = "???";
    const int32_t n = buffer_length - 1 < 3 ? buffer_length - 1 : 3;
    std::memcpy(buffer, unknown, size_t(n));
    buffer[n] = '\0';
}

const char* profile_file_name(const char* path)
{
    const char* name = path;
    for (const char* p = path; *p != '\0'; ++p)
        if (*p == '\\' || *p == '/' || *p == ':') name = p + 1;
    return name;
}
