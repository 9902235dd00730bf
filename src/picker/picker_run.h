// One open picker: everything a run of the picker works on beyond the
// library's lasting choices (context/picker_settings.h), in one record that
// the run makes on its own stack and hands to every handler and unit
// function. The record is the picker thread's alone; the library context it
// points to is reached only under the guard.
#pragma once
#include <cstdint>

#include "context/library_context.h"
#include "picker/picker_layout.h"
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

// The name edit box's text when it took the focus; find-by-name compares the
// typed text with it to tell an unchanged name from a new one.
constexpr int find_text_size = 80;

// The nearest colour of another guide, remembered per target guide so that
// switching back and forth does not search again. The measurement set is
// part of the key: the nearest colour under D65 is not the one under D50.
struct nearest_memory {
    colorid source = no_color;
    colorid result = no_color;
    uint32_t d50 = 0;
};

struct picker_windows;   // the window layer's handles of the run

struct picker_run {
    explicit picker_run(library_context& context) : lib(context) {}
    picker_run(const picker_run&) = delete;
    picker_run& operator=(const picker_run&) = delete;

    library_context& lib;             // under the guard only
    uint32_t solid_pub_choice = 0;
    int32_t current_page = 0, previous_page = 0;
    swatch_view* current_view = nullptr;   // nullptr on the settings page and after a cancel
    int32_t scroll_mode = scroll_minimal;
    int32_t selected_row = 0;
    pixel_rect selection_frame;
    int32_t selection_blank = 0;
    uint8_t palette_device = 0;
    picker_system_metrics picker_metrics;
    frame_layout picker_frame;
    swatch_view solid_view, process_view;
    page_layout solid_layout, process_layout;
    uint32_t shift_down = 0;
    int32_t nested_dialogs_open = 0;  // About and the profile dialogs, while they run
    // Set by OK and its equivalents only: every other end of a run (Cancel,
    // closing, the window destroyed, the wait ended from outside, WM_QUIT)
    // chooses nothing.
    int32_t run_confirmed = 0;
    uint32_t display_names_copy = 1;  // the names option when the settings page was entered
    char find_text[find_text_size] = "";
    uint32_t find_name_max = 0;       // name width of the publication shown
    nearest_memory nearest[4];        // one per built-in guide
    uint32_t nearest_color_searches = 0;   // full searches so far: tests see a memory hit
    picker_windows* ui = nullptr;     // the windows of the run (window layer)
};

// Values read back from the registry are whatever was stored there: a colour
// type outside 0 to 2, or a selection or first displayed colour that names no
// colour the picker can show (missing publication, index beyond its colours,
// a first colour that is not the start of a full screen), go back to their
// initial values before the picker uses them.
void sanitize_picker_settings(picker_settings& settings, publication_catalogue& catalogue);
