// The picker's process-wide state beyond what library_state holds (the
// persisted selection, colour type and options live there). One picker run at
// a time uses it, on the host's thread.
#pragma once
#include <cstdint>

#include "frame/library_state.h"
#include "picker/pixel_rect.h"
#include "picker/swatch_view.h"

// Tab control pages: the colour pages come first, the settings page after them.
constexpr int32_t solid_page = 0;
constexpr int32_t process_page = 1;
constexpr int32_t color_page_count = 2;
constexpr int32_t settings_page = color_page_count;

constexpr uint32_t process_pub = 3;   // the process guide; 0 to 2 are the solid guides

// How the next selection change scrolls the screen.
constexpr int32_t scroll_minimal = 0;
constexpr int32_t scroll_by_screen = 1;
constexpr int32_t scroll_centre = 2;

// System metrics the layout and the strip need, taken by the window layer at
// creation (GetSystemMetrics), and the screen's dots per inch, taken with the
// run's fonts (LOGPIXELSY of the owner's device context). The system metrics
// already follow the dpi; the lengths the layout derives from the screen size
// are scaled by it.
struct picker_system_metrics {
    int32_t cy_caption = 0, cx_border = 0, cx_frame = 0, cx_vscroll = 0;
    int32_t cx_hscroll = 0, cy_hscroll = 0, cy_menu = 0, cy_dlgframe = 0;
    int32_t dpi = 96;
};

extern uint32_t solid_pub_choice;
extern int32_t current_page, previous_page;
extern swatch_view* current_view;     // nullptr on the settings page and after a cancel
extern int32_t scroll_mode;
extern int32_t selected_row;
extern pixel_rect selection_frame;
extern int32_t selection_blank;
extern uint8_t palette_device;
extern picker_system_metrics picker_metrics;
extern swatch_view solid_view, process_view;
extern uint32_t shift_down;
extern int32_t nested_dialogs_open;   // About and the profile dialogs, while they run
// Set by OK and its equivalents only: every other end of a run (Cancel,
// closing, the window destroyed, the wait ended from outside, WM_QUIT)
// chooses nothing.
extern int32_t run_confirmed;
extern uint32_t display_names_copy;

// The name edit box's text when it took the focus; find-by-name compares the
// typed text with it to tell an unchanged name from a new one.
constexpr int find_text_size = 80;
extern char find_text[find_text_size];
extern uint32_t find_name_max;        // name width of the publication shown

// Puts the picker state of this file back to its values at load.
void reset_picker_state();

// Values read back from the registry are whatever was stored there: a colour
// type outside 0 to 2, or a selection or first displayed colour that names no
// colour the picker can show (missing publication, index beyond its colours,
// a first colour that is not the start of a full screen), go back to their
// initial values before the picker uses them.
void sanitize_persisted_picker_state();
