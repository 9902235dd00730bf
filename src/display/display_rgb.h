// Colour to 8-bit screen RGB through the display model: one cached
// XYZ -> linear RGB matrix and three exponents, rebuilt lazily after every
// change of the model.
#pragma once
#include <cstdint>

struct display_matrix_cache {
    int32_t valid;        // 0: stale, rebuild before use
    int32_t degenerate;   // the model has no inverse or no usable gamma
    double M[3][3];       // rows R, G, B: weights of X, Y, Z (0-100 scale folded in)
    double eR, eG, eB;    // 1 / gamma per channel
    // Per channel, the linear value from which each 8-bit level k (1..255)
    // begins: levels are found by a search instead of a power per colour.
    double level_start[3][256];
};
struct display_state;

// Whoever changes the model lets go of the conversion, or it keeps the old one.
void build_display_matrix(display_state& display);
void invalidate_display_matrix(display_state& display);

// 8-bit screen levels.
struct rgb8 {
    int32_t r, g, b;
};

// X, Y, Z on the 0-100 scale to levels 0..255. Out-of-gamut colours clip per
// channel. A degenerate model (collinear primaries, white with y 0, a gamma
// that is 0, negative or not a number) gives black.
rgb8 xyz_to_display_rgb(display_state& display, double X, double Y, double Z);
