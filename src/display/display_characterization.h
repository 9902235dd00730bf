// The model of the user's display through which every screen colour is
// computed: primaries and white as chromaticities, white luminance and one
// power-law gamma per channel. Filled from the monitor profile, or the
// built-in "Default Display" when there is none or it cannot be read.
#pragma once

struct display_model {
    double xr, yr;   // red primary
    double xg, yg;   // green primary
    double xb, yb;   // blue primary
    double xw, yw;   // display white
    double Yw;       // white luminance
    double rgamma, ggamma, bgamma;
};

constexpr display_model default_display_model = {
    0.628, 0.346, 0.268, 0.588, 0.150, 0.070, 0.313, 0.324, 1.0, 2.2, 2.2, 2.2,
};

struct display_state;

// Makes the built-in model current and lets go of the cached conversion.
void apply_default_display(display_state& display);
