// The solid-colour guide: 136 families of one ink each, seven steps from a
// light tint at the top of the guide page to a deep shade at the bottom.
// 128 chromatic families walk the hue circle in four kinds that repeat
// (vivid, soft, strong, dusty); the last eight pages are neutrals.
#pragma once

#include <string>
#include <vector>

#include "colour_space.h"

constexpr int solid_family_count = 136;
constexpr int solid_chromatic_families = 128;
constexpr int solid_steps = 7;
constexpr int solid_colour_count = solid_family_count * solid_steps;

struct solid_colour {
    std::string name;   // family word and step, at most 15 bytes
    lab_value coated;   // the ink on coated stock, D50
    lab_value uncoated; // the same ink on uncoated stock, D50
};

// All colours in guide order (page by page, top to bottom).
std::vector<solid_colour> design_solid_guide();

// The largest chroma a solid ink reaches at a lightness and hue: the inks
// of the guide are mixed from pigments beyond the four process inks, so this
// gamut exceeds the press in most directions.
double solid_ink_max_chroma(double lightness, double hue_degrees);

// The same ink on uncoated stock: the vehicle soaks into the paper, so the
// film is thinner and rougher; shadows lift toward the paper and chroma
// falls, the most for the most saturated inks.
lab_value uncoated_appearance(const lab_value& coated);

const char* solid_family_word(int family);
