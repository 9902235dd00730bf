// The colours the picker paints its own parts with. In high contrast the
// user's chosen system colours take the grounds, texts and marks; the swatches
// and patches keep their true colours, since the colour is the content, and
// names written on them go on a box in the window colour so they stay
// readable whatever the swatch. Colours are 0x00BBGGRR.
#pragma once
#include <cstdint>

// The system colours high contrast paints with, read by the window layer.
struct system_colors {
    uint32_t window = 0xFFFFFF;        // grounds of swatch area, patches, page labels, name boxes
    uint32_t window_text = 0;          // texts on those grounds
    uint32_t button_text = 0;          // texts on the page's own ground
    uint32_t highlight = 0;            // the selection mark
};

struct paint_colors {
    bool high_contrast = false;
    uint32_t ground = 0xFFFFFF;        // swatch area, comparison area, blank positions
    uint32_t page_text = 0;            // captions, descriptions, labels on the page's ground
    uint32_t label_text = 0;           // page labels and names on `ground`
    uint32_t mark = 0;                 // the selection frame
    bool name_box = false;             // names on swatches go on a box of `ground`
};

paint_colors choose_paint_colors(bool high_contrast, const system_colors& system);

// Whether to paint for high contrast: what the system reports, unless the
// override text (the test seam's, null when unset) says "1" or "0".
bool high_contrast_wanted(bool system_reports_on, const char* override_text);
