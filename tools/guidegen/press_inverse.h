// The press model run backwards: the CMYK recipe with which the press comes
// closest to a wanted colour, under a black-generation rule and a total ink
// limit. The solid guides' recipes come from here.
#pragma once

#include <cstdint>

#include "colour_space.h"

// Total of the four coverages, 3.0 = 300 %.
constexpr double total_ink_limit = 3.0;

// The black a colour asks for before anything else is weighed: none above
// L* 70, then rising with darkness; neutral colours take the full amount,
// saturated ones a third of it (their darkness comes from the colour inks).
double black_generation(const lab_value& target);

// Coverages 0..1 within the ink limit. Colours outside the press gamut get
// the nearest reproducible colour (CIELAB distance).
cmyk_value press_inverse(const lab_value& target);

// The recipe as stored: tenths of a percent, total within the ink limit.
// The rounded recipe is polished on the grid of tenths, one ink one step at
// a time, so the stored recipe is the best stored value near the solution
// and does not hang on how the last digits of the search came out.
void press_inverse_tenths(const lab_value& target, uint16_t tenths[4]);
