// Which colour a click in a colour page's child window lands on. Points are
// client coordinates of the page child. None of them hits while the settings
// page is shown.
#pragma once
#include <cstdint>

#include "frame/library_state.h"
#include "picker/swatch_view.h"

// Width n in pixels of the colour strip above the scroll bar and its left
// padding: the strip runs along the scroll bar's track.
struct strip_extent {
    int32_t n = 0;
    int32_t pad = 0;
};
strip_extent strip_geometry(const swatch_view& v);
// Left end of the strip.
int32_t strip_left(const swatch_view& v);

// A cell is a swatch with the gaps to its left and above it; the page-label
// line and what lies below the last row hit nothing.
bool hit_swatch(int32_t x, int32_t y, colorid* out, const swatch_view& v);

// The middle colour of the guide page at that proportion of the guide; asks
// for the selection to be centred. Never on a palette display (no strip).
bool hit_strip(int32_t x, int32_t y, colorid* out, const swatch_view& v);

bool hit_original_patch(int32_t x, int32_t y, const swatch_view& v);
bool hit_new_patch(int32_t x, int32_t y, const swatch_view& v);
