// The colorid: the one 32-bit name by which the whole library addresses a
// colour (publication in bits 16 to 23, index in bits 0 to 15; no_color for
// none). make_colorid is the only way one is built, and it is what checks that
// the colour exists.
#pragma once
#include <cstdint>

#include "frame/library_state.h"

inline uint32_t colorid_pub(colorid id) { return (id >> 16) & 0xFF; }
inline uint32_t colorid_index(colorid id) { return id & 0xFFFF; }

// The colorid of colour `index` of publication `pub_no`, or no_color when the
// publication does not exist or holds no such colour. For an add-on
// publication the add-on's descriptor becomes current_descriptor (unless the
// picker is open: it keeps the descriptor of the guide it shows).
colorid make_colorid(uint32_t pub_no, uint32_t index);
