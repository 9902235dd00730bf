// The numbers of the CMYK look-up of a guide colour: when a measurement
// counts as paper white, and how measurements and recipes become 16-bit
// values (65535 for 100, truncated toward zero).
#pragma once
#include <cstdint>

// Paper white: no component of the measurement below 99.99. Such colours take
// their recipe (no ink), whatever the printer profile would make of them.
bool is_paper_white(double X, double Y, double Z);

// A measurement on the 0 to 100 scale as a match element value. Values beyond
// the scale are held at its ends instead of wrapping round in 16 bits.
uint16_t xyz_element_value(double v);

// A recipe fraction (0.0 to 1.0) as a 16-bit ink value, held at the ends the
// same way.
uint16_t recipe_value(float fraction);
