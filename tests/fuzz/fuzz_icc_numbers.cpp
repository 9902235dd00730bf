// Number decoding and texts for any three raw words: the texts stay inside
// buffers of exactly their sizes and are terminated.
#include <cstdint>
#include <cstring>

#include "frame/byte_span.h"
#include "icc/icc_numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const byte_span words{data, size};
    uint32_t x, y, z;
    if (!words.u32_be(0, &x) || !words.u32_be(4, &y) || !words.u32_be(8, &z)) return 0;
    char number[icc_number_text_size], signature[icc_signature_text_size];
    if (std::strlen(icc_format_xyz(x, y, z, number)) >= sizeof number) __builtin_trap();
    if (std::strlen(icc_format_xy(x, y, z, number)) >= sizeof number) __builtin_trap();
    if (std::strlen(icc_format_signature(x, signature)) >= sizeof signature) __builtin_trap();
    double d;
    std::memcpy(&d, data, sizeof d);
    int32_t decimals = icc_decimal4(d);
    if (decimals < 0 || decimals > 10000) __builtin_trap();
    return 0;
}
