// What an open picker should show, from the picker's own window-free unit fed
// with what the test measures the way the library does (the frame from the
// window size, page layouts from the fonts' text extents), and the checks of
// the windows and pixels against it and against the library's colours.
#pragma once
#include <windows.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "picker/picker_layout.h"
#include "picker/swatch_view.h"
#include "picker_driver.h"

struct guide {
    short system, flag;
    int rows, pages;
};
// The guide a colour page shows (the solid page's from its combo box).
guide guide_of_page(const open_picker& p, int page);
// The guide index of the colour with that short name, or -1.
int index_of_short_name(const guide& g, const std::string& name);

struct expected_page {
    page_layout layout;
    swatch_view view;
};
// Layout and view of colour page `page` (0 solid, 1 process) of the open
// picker, with an interface font `points` high.
expected_page expected_page_of(const open_picker& p, int page, int points, bool palette);
frame_layout frame_of(HWND window);
pixel_rect display_area(const open_picker& p);
// The screen colour of a guide's colour as HUEX_GetColorRGB gives it (0x00RRGGBB).
uint32_t expected_rgb(short system, short flag, int index);
pixel_rect rect_in_parent(HWND w);
// A child's client rectangle on the screen.
pixel_rect on_screen(HWND child, const pixel_rect& r);
// The colour one pixel inside a child's rectangle's top-left corner.
uint32_t corner(const screen_image& shot, HWND child, const pixel_rect& r);

// What a page should look like: interface font size, names, palette display.
struct page_looks {
    int points = 8;
    bool names = true;
    bool palette = false;
};
// Controls, swatches, names, the "New" patch and the strip of colour page
// `page` against the unit, with a screenshot written to bin/png; returns the
// selected colour's index (from the name edit box).
int check_color_page(const open_picker& p, int page, const page_looks& looks, const char* png);
// Pixels of the footer's profile-name band that are not its background.
int profile_band_ink(HWND window);

inline void PrintTo(const pixel_rect& r, std::ostream* os)
{
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
