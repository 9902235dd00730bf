// The press: four-colour offset printing on coated paper, as a Yule-Nielsen
// modified Neugebauer model. Forward it gives the measurement of any CMYK
// combination; the process guide and the process simulation of the solid
// colours are printed with it.
#pragma once

#include "colour_space.h"

// Ink order in a Neugebauer primary's index: bit 0 cyan, 1 magenta, 2 yellow,
// 3 black. Primary 0 is bare paper, 15 all four inks.
enum { ink_cyan = 1, ink_magenta = 2, ink_yellow = 4, ink_black = 8 };

constexpr int neugebauer_primary_count = 16;

// The model's constants, fixed so the tables never change by accident.
constexpr double yule_nielsen_n = 1.7;
// Mechanical dot gain: the printed coverage of a nominal coverage a is
// a + 4 * gain * a * (1 - a), i.e. `gain` added at 50 %.
constexpr double mechanical_dot_gain = 0.05;
// Light reflected at the ink surface before it enters the ink film; limits
// how dark overprints become (fraction of the illuminant white).
constexpr double surface_reflection = 0.010;

// The sixteen overprints under D50.
const xyz_value* neugebauer_primaries();

// Measurement under D50 of a combination of coverages 0..1.
xyz_value press_forward(const cmyk_value& ink);
