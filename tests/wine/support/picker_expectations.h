// What the picker should show, computed by the picker's own window-free unit
// from what the test measures the way the library does: the frame from the
// window size, the page layout from the fonts' text extents.
#pragma once
#include <windows.h>

#include <cstdint>
#include <ostream>

#include "huex.h"
#include "picker/picker_layout.h"
#include "picker/swatch_view.h"

// System metrics as the picker takes them.
picker_system_metrics picker_metrics_now();

// The page layout and view of colour page `page` (0 solid, 1 process) of an
// open picker whose frame is f, tab display area D and interface font
// `points` high; rows and pages of the guide shown.
struct expected_page {
    page_layout layout;
    swatch_view view;
};
expected_page expected_page_of(int page, const frame_layout& f, const pixel_rect& D, int points, int rows, int pages,
                               bool palette);

// The screen colour of colour `index` of the publication a code and flag
// select, as HUEX_GetColorRGB gives it (0x00RRGGBB), D65.
uint32_t expected_rgb(short system, short flag, int index);

// The footer band of the display profile's name, in the picker window's
// client coordinates.
pixel_rect expected_profile_band(const frame_layout& f);

// A window's rectangle in its parent's client coordinates.
pixel_rect rect_in_parent(HWND w);

inline void PrintTo(const pixel_rect& r, std::ostream* os)
{
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
