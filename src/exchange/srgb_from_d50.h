// sRGB of a D50 measurement, for formats that carry colours as sRGB: the
// measurement adapted to sRGB's D65 white (Bradford) and encoded with the
// sRGB curve. This is what the colour is, whatever display the user has.
#pragma once
#include <cstdint>

// X, Y, Z in hundredths (white Y = 10000) to 8-bit sRGB; colours outside the
// sRGB gamut take the nearest end of each channel.
void srgb_from_d50_hundredths(const uint16_t xyz[3], uint8_t rgb[3]);
