// ICC fixed-point numbers as doubles, and the short texts made from them for
// display and diagnostics. No Windows here: the DLL's decode_*, decimal4 and
// sz_* exports forward to these. The texts are written into the caller's
// buffer; the exports hand out one of the calling thread's own.
#pragma once
#include <cstdint>

// s15Fixed16Number: the word read as a signed 32-bit integer / 65536.
double icc_s15fixed16_value(uint32_t raw);
void icc_decode_xyz(uint32_t raw_x, uint32_t raw_y, uint32_t raw_z, double* x,
                    double* y, double* z);

// A curve entry: the low 16 bits of value / 65535, so 0xFFFF is exactly 1.0.
double icc_u16_value(uint32_t value);

// The first four decimals of |value|, rounded: 0 to 10000 (10000 when the
// fraction rounds up to a whole). 0 for infinities and NaN.
int32_t icc_decimal4(double value);

// Longest texts: "'abcd'" and, for the number texts, the chromaticity text
// with integer parts as large as X / (X + Y + Z) can get from s15Fixed16
// inputs (2^31).
constexpr int icc_signature_text_size = 7;
constexpr int icc_number_text_size = 48;

// Each writes its text into `text` and returns it.
// "'%c%c%c%c'", most significant byte first; a byte that is not printable
// ASCII is written as '.', and the zero signature as "''".
char* icc_format_signature(uint32_t signature, char text[icc_signature_text_size]);
// "X=%d.%04d Y=%d.%04d Z=%d.%04d " of the decoded words, rounded half away
// from zero at the fourth decimal, a negative number keeping its sign.
char* icc_format_xyz(uint32_t raw_x, uint32_t raw_y, uint32_t raw_z, char text[icc_number_text_size]);
// "x=%d.%04d y=%d.%04d" of X / (X + Y + Z) and Y / (X + Y + Z); both 0 when
// the sum is 0.
char* icc_format_xy(uint32_t raw_x, uint32_t raw_y, uint32_t raw_z, char text[icc_number_text_size]);
