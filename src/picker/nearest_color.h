// The colour of another guide nearest in CIE XYZ, used when the selection
// moves between the solid and the process guides. One result is remembered
// per target guide, so switching back and forth does not search again.
#pragma once
#include <cstdint>

#include "frame/library_state.h"

// c itself when it belongs to target; no_color when c is no colour or target
// holds no colours.
colorid nearest_color_in_pub(colorid c, uint32_t target);

// Forgets every remembered result (tests; the cache otherwise lives as long
// as the process).
void reset_nearest_color_cache();

// How many full searches have run since load; lets tests see a cache hit.
extern uint32_t nearest_color_searches;
