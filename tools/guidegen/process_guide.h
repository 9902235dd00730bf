// The process-colour guide: 3006 CMYK combinations on 334 guide pages of 9.
// Each page is one series: 54 hues around the circle (each pair of process
// inks mixed in eighteen ratios) have two pages of tints and four of a tint
// with rising black; ten pages of blacks and greys end the guide.
#pragma once

#include <vector>

constexpr int process_pages = 334;
constexpr int process_rows = 9;
constexpr int process_colour_count = process_pages * process_rows;

// Coverages in tenths of a percent (0..1000), order C, M, Y, K.
struct process_recipe {
    int ink[4];
};

// All combinations in guide order (page by page, lightest at the top).
std::vector<process_recipe> design_process_guide();
