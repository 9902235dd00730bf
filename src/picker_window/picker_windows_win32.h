// The windows, fonts, palettes and hook of one picker run: what the system
// handed out, beside the run's state (picker/picker_run.h), which decides
// things. The run points to this record and each page record points back to
// the run, so each procedure reaches everything from its window: the picker
// window holds the run (GWLP_USERDATA), each page child its page record.
#pragma once
#include <windows.h>

#include "colorlib/colorid.h"
#include "picker/contrast_colors.h"
#include "picker/control_ids.h"
#include "picker/picker_layout.h"
#include "picker/pixel_rect.h"
#include "picker/settings_layout.h"
#include "picker/swatch_view.h"

struct picker_run;
struct IAccessible;

// One page of the tab control: its child window and, on a colour page, the
// view it shows and its controls.
struct page_windows {
    picker_run* run = nullptr;
    int page = 0;                    // solid_page, process_page or settings_page
    HWND child = nullptr;
    swatch_view* view = nullptr;     // colour pages only
    page_layout* layout = nullptr;   // colour pages only
    HWND scroll_bar = nullptr, name_edit = nullptr;
    HWND type_combo = nullptr, combo_edit = nullptr;   // solid page only
    HPALETTE palette = nullptr;      // palette displays only
    IAccessible* accessible = nullptr;   // the page's list object once a reader asked for it
    // The selection and first colour listeners last heard of: some callers
    // set the selection before they show it, so a change is measured from
    // what was told, not from what the run held on entry.
    colorid told_selection = no_color, told_first = no_color;
    bool built = false;
};

// The settings page's controls (all null while none is built), where they
// stand and the extents of its two labels.
struct settings_controls {
    HWND names_check = nullptr, profile_name_check = nullptr;
    HWND d65_radio = nullptr, d50_radio = nullptr;
    HWND display_change = nullptr, printer_change = nullptr;
    HWND display_edit = nullptr, printer_edit = nullptr;
    bool built = false;
    settings_layout places;
    text_size display_label_size, printer_label_size;
};

struct picker_windows {
    HWND window = nullptr;           // the top-level picker window
    HWND owner = nullptr;
    HWND wait_dialog = nullptr;
    HWND tab_control = nullptr;
    HWND ok = nullptr, cancel = nullptr, about = nullptr;
    page_windows solid, process, settings;
    settings_controls settings_ui;
    pixel_rect tab_display;          // D: the tab control's display area, in its own coordinates
    HFONT ui_font = nullptr, name_font = nullptr;
    HHOOK keyboard_hook = nullptr;
    paint_colors colors;             // normal or high contrast (high_contrast_win32.*)
    // The key whose press last reached a control. Buttons click, and radio
    // buttons and check boxes toggle, when Space is released: swallowing that
    // release would leave the button pressed and never clicked.
    WPARAM passed_key = 0;
};

// The run a picker window belongs to (its creation parameter), and the page
// record a page child keeps; null before WM_NCCREATE.
picker_run* run_of_window(HWND window);
page_windows* page_of_child(HWND child);

// The page record of a tab page index (settings for any index past the colour
// pages).
page_windows& page_windows_of(picker_run& run, int page);

// The colour page record that shows the current view, or nullptr on the
// settings page.
page_windows* current_color_page(picker_run& run);
