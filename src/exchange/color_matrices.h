// The 3 x 3 matrices between colour spaces that palettes need: sRGB from its
// primaries and white, and the Bradford transform that carries a colour seen
// under one white to the same surface under another, as the library's guide
// tables were made with it. Worked out from the definitions rather than
// copied as rounded constants, so that white lands exactly on white.
#pragma once

struct color_matrix {
    double m[3][3];
};

// The ICC's D50, and D65 from its standard chromaticity (0.3127, 0.3290);
// white Y = 1.
extern const double icc_d50_white[3];
extern const double d65_white[3];

color_matrix multiply(const color_matrix& a, const color_matrix& b);
void apply_matrix(const color_matrix& a, const double in[3], double out[3]);

// Takes X, Y, Z under `from` to X, Y, Z under `to`.
color_matrix bradford_adaptation(const double from[3], const double to[3]);

// Linear sRGB (0..1) to X, Y, Z under sRGB's white, D65.
color_matrix linear_srgb_to_d65();
