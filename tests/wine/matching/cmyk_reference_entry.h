// One row of a table written by tools/matching_reference: a guide colour
// (code, flag, index), the illuminant selector, the element the look-up
// builds from the measurement, and the CMYK Little CMS gives for it.
#pragma once
#include <cstdint>

struct cmyk_reference_entry {
    short system, flag, index, d50;
    uint16_t element[3];
    uint16_t cmyk[4];
};
