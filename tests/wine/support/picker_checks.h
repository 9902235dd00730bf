// Checks of an open picker's colour pages against the picker's unit and the
// colours the library's exports give.
#pragma once
#include <windows.h>

#include <string>

#include "picker/picker_layout.h"
#include "picker_driver.h"
#include "picker_expectations.h"
#include "screen_capture.h"

struct guide {
    short system, flag;
    int rows, pages;
};
// The guide a colour page shows (the solid page's from its combo box).
guide guide_of_page(HWND solid_child, int page);

std::string window_text(HWND w);
// The guide index of the colour with that short name, or -1.
int index_of_short_name(const guide& g, const std::string& name);
// A child's client rectangle on the screen.
pixel_rect on_screen(HWND child, const pixel_rect& r);
// The colour one pixel inside a rectangle's top-left corner.
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
int check_color_page(const open_picker& p, int page, const frame_layout& f, const pixel_rect& D, const page_looks& looks,
                     const char* png);

// Pixels of the footer's profile-name band that are not its background:
// some when the name is shown, none when not.
int profile_band_ink(HWND window, const frame_layout& f);

frame_layout frame_of(HWND window);
pixel_rect display_area(HWND tab, const frame_layout& f);
