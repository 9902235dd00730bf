// Driving an open picker from a second thread while the test's thread sits in its modal wait; checking it against its unit.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "huex.h"
#include "other_process_windows.h"
#include "picker/picker_layout.h"
#include "picker/swatch_view.h"
#include "real_input.h"
#include "screen_capture.h"

struct open_picker {
    HWND window = nullptr, tab = nullptr, ok = nullptr, cancel = nullptr, about = nullptr;
    HWND pages[3] = {};   // page children in creation order: solid, process, settings
    int tab_count = 0;
};

// Runs f on the thread that runs the picker, between two of its messages, as a host's own code runs: the library is
// not re-entrant, so the driver looks at and changes its state only there, never while the picker paints.
void on_picker_thread(const std::function<void()>& f);
// Runs open (blocking in the picker) while drive works it from a thread; with ready, once its tab control has the focus.
void drive_picker(const std::function<void()>& open, const std::function<void(const open_picker&)>& drive, bool ready = false);
BYTE pick_and_drive(const std::function<void(const open_picker&)>& drive, extended_color* record = nullptr, short* d50 = nullptr, bool ready = true);

// A click through the tab control's own mouse handling (a real TCN_SELCHANGE).
void click_tab(const open_picker& p, int index);
void click_button(HWND button);
extended_color color_record(short system, short flag, int index);
std::string short_name(short system, short flag, int index);

struct guide { short system, flag; int rows, pages; };
guide guide_of_page(const open_picker& p, int page);
int index_of_short_name(const guide& g, const std::string& name);

struct expected_page { page_layout layout; swatch_view view; picker_system_metrics metrics; };
expected_page expected_page_of(const open_picker& p, int page, int points, bool palette);
frame_layout frame_of(HWND window);
pixel_rect rect_in_parent(HWND w);
pixel_rect on_screen(HWND child, const pixel_rect& r);
uint32_t expected_rgb(short system, short flag, int index);   // 0x00RRGGBB
// The colour one pixel inside a child's rectangle's top-left corner.
uint32_t corner(const screen_image& shot, HWND child, const pixel_rect& r);

struct page_looks { int points = 8; bool names = true; bool palette = false; };   // points: the interface font
// Colour page `page` against the unit, with a screenshot written to bin/png; the selected colour's index.
int check_color_page(const open_picker& p, int page, const page_looks& looks, const char* png);
// Pixels of the footer's profile-name band that are not its background.
int profile_band_ink(HWND window);
