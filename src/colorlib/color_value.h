// A colour value as a person types it where a name would go ("#E4002B",
// "lab 52 70 45", "rgb(228, 0, 43)"), read as CIELAB under D50, the space the
// guides' D50 measurements are compared in.
#pragma once
#include <cstdint>

#include "exchange/cie_lab.h"

// The forms, letter case and surrounding blanks ignored:
//   #RRGGBB, #RGB                      sRGB
//   rgb(r, g, b), rgb r g b            sRGB, whole numbers 0 to 255
//   L a b, L,a,b, lab L a b, lab(L,a,b) CIELAB under D50, L 0 to 100, a and b -128 to 128
// The three numbers stand apart by blanks or by one comma. sRGB is taken as
// seen under D65 and adapted to D50 with the Bradford transform. Anything
// else, an out-of-range number or anything after the value is not a value:
// false, *lab untouched, so that names keep meaning names.
bool parse_color_value(const char* text, cie_lab* lab);

// An 8-bit sRGB colour in CIELAB under D50.
cie_lab lab_from_srgb8(uint8_t r, uint8_t g, uint8_t b);
