// Which colour a click in a colour page's child window lands on. Points are
// client coordinates of the page child. None of them hits while the settings
// page is shown.
#pragma once
#include <cstdint>

#include "colorlib/colorid.h"
#include "picker/picker_layout.h"
#include "picker/swatch_view.h"

struct picker_run;

// Width n in pixels of the colour strip above the scroll bar and its left
// padding: the strip runs along the scroll bar's track.
struct strip_extent {
    int32_t n = 0;
    int32_t pad = 0;
};
strip_extent strip_geometry(const picker_system_metrics& m, const swatch_view& v);
// Left end of the strip.
int32_t strip_left(const picker_system_metrics& m, const swatch_view& v);

// A cell is a swatch with the gaps to its left and above it; the page-label
// line and what lies below the last row hit nothing.
bool hit_swatch(picker_run& run, int32_t x, int32_t y, colorid* out, const swatch_view& v);
// The grid position (column by column, top to bottom) whose cell holds the
// point, or -1.
int32_t grid_position_at(const swatch_view& v, int32_t x, int32_t y);

// The middle colour of the guide page at that proportion of the guide; asks
// for the selection to be centred. Never on a palette display (no strip).
bool hit_strip(picker_run& run, int32_t x, int32_t y, colorid* out, const swatch_view& v);

bool hit_original_patch(const picker_run& run, int32_t x, int32_t y, const swatch_view& v);
bool hit_new_patch(const picker_run& run, int32_t x, int32_t y, const swatch_view& v);
