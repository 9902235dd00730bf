// Fixed-point decoding and the number texts.
#include "icc/icc_numbers.h"

#include <cmath>
#include <cstdio>

double icc_s15fixed16_value(uint32_t raw) {
    bool negative = (raw & 0x80000000u) != 0;
    uint32_t magnitude = negative ? 0u - raw : raw;
    double value = double(magnitude >> 16) + double(magnitude & 0xFFFFu) / 65536.0;
    return negative ? -value : value;
}

void icc_decode_xyz(uint32_t raw_x, uint32_t raw_y, uint32_t raw_z, double* x,
                    double* y, double* z) {
    *x = icc_s15fixed16_value(raw_x);
    *y = icc_s15fixed16_value(raw_y);
    *z = icc_s15fixed16_value(raw_z);
}

double icc_u16_value(uint32_t value) { return double(value & 0xFFFFu) / 65535.0; }

int32_t icc_decimal4(double value) {
    if (!std::isfinite(value)) return 0;
    double a = std::fabs(value);
    double f = a - std::trunc(a);
    return int32_t(f * 10000.0 + 0.5);
}

char* icc_format_signature(uint32_t signature, char text[icc_signature_text_size]) {
    char* t = text;
    int n = 0;
    t[n++] = '\'';
    // A profile leaves a signature it does not give as zero: two quotes with
    // nothing between them say so.
    for (int shift = 24; signature != 0 && shift >= 0; shift -= 8) {
        const unsigned c = (signature >> shift) & 0xFFu;
        // Signatures are printable ASCII. Any other byte, zero included, is a
        // dot: the text stays whole, one line long and the same in every code page.
        t[n++] = c >= 0x20 && c < 0x7F ? char(c) : '.';
    }
    t[n++] = '\'';
    t[n] = '\0';
    return t;
}

namespace {

// "<name>=<sign><int>.<4 decimals><tail>", rounded half away from zero at the
// fourth decimal. Values here stay below 2^32 in magnitude (X / sum of
// s15Fixed16 inputs reaches at most 2^31), so the integer part fits.
int format_number(char* at, int room, char name, double value, const char* tail) {
    if (!std::isfinite(value)) value = 0.0;
    double a = std::fabs(value);
    long long whole = (long long)std::trunc(a);
    int32_t decimals = icc_decimal4(a);
    if (decimals >= 10000) {
        whole += 1;
        decimals -= 10000;
    }
    return std::snprintf(at, size_t(room), "%c=%s%lld.%04d%s", name,
                         std::signbit(value) && value != 0.0 ? "-" : "", whole,
                         int(decimals), tail);
}

}  // namespace

char* icc_format_xyz(uint32_t raw_x, uint32_t raw_y, uint32_t raw_z, char text[icc_number_text_size]) {
    double x, y, z;
    icc_decode_xyz(raw_x, raw_y, raw_z, &x, &y, &z);
    char* t = text;
    int n = format_number(t, icc_number_text_size, 'X', x, " ");
    n += format_number(t + n, icc_number_text_size - n, 'Y', y, " ");
    format_number(t + n, icc_number_text_size - n, 'Z', z, " ");
    return t;
}

char* icc_format_xy(uint32_t raw_x, uint32_t raw_y, uint32_t raw_z, char text[icc_number_text_size]) {
    double x, y, z;
    icc_decode_xyz(raw_x, raw_y, raw_z, &x, &y, &z);
    double sum = (z + y) + x;
    double cx = 0.0, cy = 0.0;
    // Undefined chromaticity (a black or cancelling triple) reads as 0, 0.
    if (sum != 0.0) {
        cx = x / sum;
        cy = y / sum;
    }
    char* t = text;
    int n = format_number(t, icc_number_text_size, 'x', cx, " ");
    format_number(t + n, icc_number_text_size - n, 'y', cy, "");
    return t;
}
