// One conversion and the result Little CMS gives for it natively. Profiles are
// "icc:<file>" (the shared ICC folder, /usr/share/color/icc) or
// "data:<file>" (this folder).
#pragma once

#include <cstdint>

struct lgicc_reference_row {
    const char* source;
    const char* destination;
    int intent;
    int source_channels;
    int destination_channels;
    uint16_t in[4];
    uint16_t out[4];
};
