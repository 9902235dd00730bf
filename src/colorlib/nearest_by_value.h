// The guide colours nearest to a colour value by CIEDE2000. The caller walks
// the guides (guide_search.h) and hands in every colour that has a D50
// measurement; the search keeps the nearest ones in order, the lower index
// first where two are as near. Nothing here reads a table.
#pragma once
#include <cstddef>
#include <cstdint>

#include "exchange/cie_lab.h"

struct ranked_color {
    uint32_t index;
    double delta_e;
};

struct nearest_search {
    cie_lab target;
    ranked_color* kept;   // the caller's room for `room` colours, nearest first
    size_t room;
    size_t count;         // how many of them hold a colour
};

nearest_search begin_nearest_search(const cie_lab& target, ranked_color* kept, size_t room);
void consider_color(nearest_search& search, uint32_t index, const cie_lab& lab);

// False when no colour of lightness L can be kept any more: most of a guide
// lies too far away in lightness alone to beat the farthest colour kept, and
// a walk can skip working out the rest of such a colour's Lab.
bool may_be_kept(const nearest_search& search, double L);
