// The pastel guide, the sample add-on publication: 36 pale inks around the
// hue circle, each in eight steps from the palest tint at the top of the
// guide page to the strongest pastel at the bottom. Pastel inks are solid
// inks let down with a lot of opaque white, so they stay light and soft
// and their recipes come from the same press as the built-in guides.
#pragma once

#include <string>
#include <vector>

#include "colour_space.h"

constexpr int pastel_family_count = 36;
constexpr int pastel_steps = 8;
constexpr int pastel_colour_count = pastel_family_count * pastel_steps;
constexpr int pastel_name_width = 16;

struct pastel_colour {
    std::string name;  // family word and step, at most 16 bytes
    lab_value ink;     // the ink on coated stock, D50
};

// All colours in guide order (page by page, palest at the top).
std::vector<pastel_colour> design_pastel_guide();
