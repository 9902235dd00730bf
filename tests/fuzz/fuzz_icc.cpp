// The input is a whole profile file: header, directory and every tag through
// every reader, whatever the tag's type, with element indices taken from the
// file itself. Buffers are sized exactly as the readers' contracts demand, so
// AddressSanitizer sees any byte written or read beyond them.
#include <cstdint>
#include <cstring>
#include <vector>

#include "icc/icc_directory.h"
#include "icc/icc_numbers.h"
#include "icc/icc_tag_readers.h"

namespace {

void read_every_way(byte_span file, icc_tag_entry e, uint32_t type) {
    byte_span contents = icc_tag_contents(file, e);
    if (contents.data != nullptr) {
        std::vector<char> text(contents.size + 1);
        icc_read_text(file, e, text.data());
    } else {
        char nothing[1];
        icc_read_text(file, e, nothing);  // must refuse without writing
    }
    for (int32_t length : {1, 7, 64, 260}) {
        std::vector<char> desc(static_cast<size_t>(length));
        if (icc_read_description(file, e, desc.data(), length) &&
            std::memchr(desc.data(), '\0', desc.size()) == nullptr)
            __builtin_trap();  // a description is always terminated
    }
    icc_xyz_raw xyz;
    char number[icc_number_text_size];
    if (icc_read_xyz(file, e, &xyz)) {
        icc_format_xyz(xyz.x, xyz.y, xyz.z, number);
        icc_format_xy(xyz.x, xyz.y, xyz.z, number);
    }
    uint32_t n = icc_curve_count(file, e);
    double v;
    for (uint32_t index : {0u, n / 2, n - 1, n, e.signature, type}) icc_read_curve_entry(file, e, index, &v);
    uint16_t raw;
    if (n > 0 && !icc_read_curve_raw(file, e, n - 1, &raw)) __builtin_trap();

    for (uint32_t array_type : {icc_type_ui08, icc_type_ui16, icc_type_ui32, icc_type_ui64, type}) {
        uint32_t count = icc_uint_array_count(e, array_type);
        uint8_t b;
        uint32_t w;
        for (uint32_t index : {0u, count - 1, count, e.signature}) {
            icc_read_uint8_element(file, e, index, &b);
            icc_read_uint32_element(file, e, index, &w);
        }
    }
    icc_lut_header lut;
    icc_read_lut8(file, e, &lut);
    icc_read_lut16(file, e, &lut);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    byte_span file{data, size};
    icc_profile_header h;
    char signature[icc_signature_text_size], number[icc_number_text_size];
    if (icc_read_header(file, &h)) {
        icc_format_signature(h.device_class, signature);
        icc_format_xy(h.illuminant.x, h.illuminant.y, h.illuminant.z, number);
    }
    uint32_t count = icc_tag_count(file);
    // Entries beyond the file end the walk, and 64 entries show every path
    // of the directory reader; more would only slow the fuzzer down.
    for (uint32_t i = 0; i < count && i < 64 && 132 + 12 * uint64_t(i) < size; ++i) {
        icc_tag_entry e;
        uint32_t type;
        if (icc_read_tag(file, int32_t(i), &e, &type)) {
            read_every_way(file, e, type);
        } else if (file.holds(132 + 12 * uint64_t(i), 12)) {
            // The raw entry the directory read refused: the tag readers must
            // refuse it as well, or read only inside the file.
            const uint64_t at = 132 + 12 * uint64_t(i);
            file.u32_be(at, &e.signature);
            file.u32_be(at + 4, &e.offset);
            file.u32_be(at + 8, &e.size);
            read_every_way(file, e, 0);
        }
    }
    icc_find_tag(file, icc_tag_desc, nullptr, nullptr);
    return 0;
}
