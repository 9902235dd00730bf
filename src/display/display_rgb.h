// Colour to 8-bit screen RGB through display_characterization: one cached
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
extern display_matrix_cache display_matrix;

void build_display_matrix();
void invalidate_display_matrix();

// X, Y, Z on the 0-100 scale to R, G, B in 0..255; always 1. Out-of-gamut
// colours clip per channel. A degenerate model (collinear primaries, white
// with y 0, a gamma that is 0, negative or not a number) gives black.
int xyz_to_display_rgb(double X, double Y, double Z, int32_t* R, int32_t* G, int32_t* B);
