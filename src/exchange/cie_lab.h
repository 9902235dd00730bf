// CIE L*a*b* of a D50 measurement, relative to the ICC's D50 white (the
// connection space of every exchange format that carries Lab).
#pragma once
#include <cstdint>

struct cie_lab {
    double L, a, b;
};

// X, Y, Z in hundredths (white Y = 10000) to L*a*b*.
cie_lab lab_from_d50_hundredths(const uint16_t xyz[3]);

// The same from X, Y, Z on the scale where white has Y = 1.
cie_lab lab_from_d50_xyz(double X, double Y, double Z);

// X, Y, Z (white Y = 1) of L*a*b*: the inverse of lab_from_d50_xyz.
void xyz_from_lab_d50(const cie_lab& lab, double xyz[3]);

// L* alone, which Y alone decides.
double lightness_from_y(double Y);

// The 16-bit Lab encoding of ICC version 2 (named colours, lut16): L 0..100 as
// 0..0xFF00, a and b -128..127.996 as 0..0xFFFF with 0x8000 for 0. Rounded to
// the nearest code; values outside the range take the nearest end.
void lab_to_icc_v2_words(const cie_lab& lab, uint16_t words[3]);
