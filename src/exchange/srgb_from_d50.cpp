#include "exchange/srgb_from_d50.h"

#include <cmath>

namespace {

using matrix = double[3][3];

// Bradford cone responses, and the ICC's D50 and sRGB's D65 whites.
const matrix bradford = {{0.8951, 0.2664, -0.1614}, {-0.7502, 1.7135, 0.0367}, {0.0389, -0.0685, 1.0296}};
const matrix bradford_inverse = {{0.9869929, -0.1470543, 0.1599627},
                                 {0.4323053, 0.5183603, 0.0492912},
                                 {-0.0085287, 0.0400428, 0.9684867}};
const double d50_white[3] = {0.9642, 1.0, 0.8249};
const double d65_white[3] = {0.9505, 1.0, 1.0890};

// XYZ (D65) to linear sRGB.
const matrix xyz_to_linear_srgb = {{3.2406255, -1.5372080, -0.4986286},
                                   {-0.9689307, 1.8757561, 0.0415175},
                                   {0.0557101, -0.2040211, 1.0569959}};

void apply(const matrix m, const double in[3], double out[3])
{
    for (int r = 0; r < 3; ++r) out[r] = m[r][0] * in[0] + m[r][1] * in[1] + m[r][2] * in[2];
}

uint8_t srgb_encoded(double linear)
{
    if (!(linear > 0.0)) return 0;
    if (linear >= 1.0) return 255;
    const double v = linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
    return static_cast<uint8_t>(std::floor(v * 255.0 + 0.5));
}

}  // namespace

void srgb_from_d50_hundredths(const uint16_t xyz[3], uint8_t rgb[3])
{
    double d50[3], cone[3], white50[3], white65[3], d65[3], linear[3];
    for (int i = 0; i < 3; ++i) d50[i] = xyz[i] / 10000.0;
    apply(bradford, d50, cone);
    apply(bradford, d50_white, white50);
    apply(bradford, d65_white, white65);
    for (int i = 0; i < 3; ++i) cone[i] *= white65[i] / white50[i];
    apply(bradford_inverse, cone, d65);
    apply(xyz_to_linear_srgb, d65, linear);
    for (int i = 0; i < 3; ++i) rgb[i] = srgb_encoded(linear[i]);
}
