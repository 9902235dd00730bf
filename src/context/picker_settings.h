// The picker's choices that outlive a run: what the user selected last, the
// options of the settings page and where the window stood. Start-up reads
// them from the registry, process end writes them back (entry/), and every
// picker run works on them.
#pragma once
#include <cstdint>

#include "colorlib/colorid.h"

struct picker_settings {
    colorid selected_color = no_color;            // the colour selected in the picker; its result
    colorid original_color = no_color;            // the colour the picker was opened with
    colorid first_colorid_displayed = no_color;   // first colour of the screen of swatches
    uint32_t OPTION_DISPLAY_COLOR_NAMES = 1;      // swatches are labelled with their names
    uint32_t OPTION_SHOW_PROFILE_NAME = 0;        // the display profile's name below the tabs
    uint32_t color_type = 0;                      // the solid guide (0 to 2) last chosen
    int32_t window_xpos = 0, window_ypos = 0;     // both 0: centred
    uint32_t D50FLAG = 0;                         // 1: colours shown from their D50 measurements
    uint32_t show_settings_tab = 1;               // the settings tab is offered
    int picker_open = 0;                          // a picker window's wait runs
};

