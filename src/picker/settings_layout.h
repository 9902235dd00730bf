// Where the settings page's groups and controls go, in the settings child's
// coordinates, from the frame's margins, the tab display area and the
// measured extents of the page's texts.
#pragma once
#include <cstdint>

#include "picker/picker_layout.h"
#include "picker/pixel_rect.h"

struct text_size {
    int32_t cx = 0, cy = 0;
};

// What the window layer measures in ui_font, two system metrics and the dpi.
struct settings_text_metrics {
    int32_t text_height = 0;        // "ABCDEFG", for the options group's height
    text_size names_check;          // "Display Color &Names"
    text_size profile_name_check;   // "&Show Profile Name"
    text_size radio;                // "D65"
    text_size change;               // "Change..."
    int32_t cx_vscroll = 0, cy_dlgframe = 0;
    int32_t dpi = base_dpi;
};

struct settings_layout {
    pixel_rect profiles_group, options_group;
    pixel_rect names_check, profile_name_check;
    pixel_rect d65_radio, d50_radio;
    pixel_rect display_change, printer_change;
    pixel_rect display_edit, printer_edit;
};

settings_layout layout_settings_page(const frame_layout& f, const pixel_rect& D, const settings_text_metrics& m);

// The label above a profile edit box: a text of extent s over the edit box e.
pixel_rect settings_label_rect(const pixel_rect& e, const text_size& s);
