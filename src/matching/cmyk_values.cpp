#include "matching/cmyk_values.h"

namespace {

constexpr double white_threshold = 99.99;

uint16_t truncated_16(double scaled)
{
    if (!(scaled > 0.0)) return 0;  // NaN included
    if (scaled >= 65535.0) return 65535;
    return static_cast<uint16_t>(scaled);
}

}  // namespace

bool is_paper_white(double X, double Y, double Z)
{
    return !(X < white_threshold) && !(Y < white_threshold) && !(Z < white_threshold);
}

uint16_t xyz_element_value(double v) { return truncated_16(v / 100.0 * 65535.0); }

uint16_t recipe_value(float fraction) { return truncated_16(double(fraction) * 65535.0); }
