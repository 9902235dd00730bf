// Driving an open picker from a second thread while the test's thread sits in its modal wait, as a host's
// would; checking what it shows against the picker's window-free unit (fed with text extents measured as
// the library measures them) and against the library's colours.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "huex.h"
#include "picker/picker_layout.h"
#include "picker/swatch_view.h"
#include "real_input.h"
#include "screen_capture.h"

struct open_picker {
    HWND window = nullptr, tab = nullptr, ok = nullptr, cancel = nullptr, about = nullptr;
    HWND pages[3] = {};   // page children in creation order: solid, process, settings
    int tab_count = 0;
};

// Runs open (which blocks in the picker) while drive works the painted picker from a thread of its own, and
// closes the picker if drive leaves it open. With ready, drive starts once the screen holds still and the
// picker has given its tab control the focus (a moment after opening), so that keys go where a user's would.
void drive_picker(const std::function<void()>& open, const std::function<void(const open_picker&)>& drive, bool ready = false);
// HUEX_PickColor over a host window of this thread, driven (when ready, as above); its result.
BYTE pick_and_drive(const std::function<void(const open_picker&)>& drive, extended_color* record = nullptr, short* d50 = nullptr,
                    bool ready = true);

// A click on tab `index` through the control's own mouse handling (a real TCN_SELCHANGE).
void click_tab(const open_picker& p, int index);
void click_button(HWND button);
std::string window_text(HWND w);
// The window with the keyboard focus in window's thread.
HWND focus_of(HWND window);
extended_color color_record(short system, short flag, int index);
std::string short_name(short system, short flag, int index);

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
// Layout and view of colour page `page` (0 solid, 1 process) with an interface font `points` high.
expected_page expected_page_of(const open_picker& p, int page, int points, bool palette);
frame_layout frame_of(HWND window);
pixel_rect rect_in_parent(HWND w);
pixel_rect on_screen(HWND child, const pixel_rect& r);
// A guide colour as HUEX_GetColorRGB gives it, 0x00RRGGBB.
uint32_t expected_rgb(short system, short flag, int index);
// The colour one pixel inside a child's rectangle's top-left corner.
uint32_t corner(const screen_image& shot, HWND child, const pixel_rect& r);

struct page_looks {
    int points = 8;   // interface font
    bool names = true;
    bool palette = false;
};
// Controls, swatches, names, "New" patch and strip of colour page `page` against the unit, with a screenshot
// written to bin/png; returns the selected colour's index (from the name edit box).
int check_color_page(const open_picker& p, int page, const page_looks& looks, const char* png);
// Pixels of the footer's profile-name band that are not its background.
int profile_band_ink(HWND window);
