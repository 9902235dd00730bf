// The display's part of the library's state: the model of the user's display
// and the conversion cached from it.
#pragma once

#include "display/display_characterization.h"
#include "display/display_rgb.h"

struct display_state {
    display_model display_characterization = default_display_model;
    display_matrix_cache display_matrix = {};
};
