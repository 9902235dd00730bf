// The windows, fonts, palettes and hook of one picker run. The picker state
// that decides things (selection, screen, pages, views) lives in the
// window-free unit; this record holds only what the system handed out. Each
// procedure reaches its window's part through GetWindowLongPtrA: the picker
// window holds a pointer to the whole record, each page child to its page.
#pragma once
#include <windows.h>

#include "picker/control_ids.h"
#include "picker/picker_layout.h"
#include "picker/pixel_rect.h"
#include "picker/swatch_view.h"

// One page of the tab control: its child window and, on a colour page, the
// view it shows and its controls.
struct page_windows {
    int page = 0;                    // solid_page, process_page or settings_page
    HWND child = nullptr;
    swatch_view* view = nullptr;     // colour pages only
    page_layout* layout = nullptr;   // colour pages only
    HWND scroll_bar = nullptr, name_edit = nullptr;
    HWND type_combo = nullptr, combo_edit = nullptr;   // solid page only
    HPALETTE palette = nullptr;      // palette displays only
    bool built = false;
};

struct picker_windows {
    HWND window = nullptr;           // the top-level picker window
    HWND owner = nullptr;
    HWND wait_dialog = nullptr;
    HWND tab_control = nullptr;
    HWND ok = nullptr, cancel = nullptr, about = nullptr;
    page_windows solid, process, settings;
    pixel_rect tab_display;          // D: the tab control's display area, in its own coordinates
    HFONT ui_font = nullptr, name_font = nullptr;
    HHOOK keyboard_hook = nullptr;
};
extern picker_windows picker_ui;

// The page record of a tab page index (settings for any index past the colour
// pages), and the record a page child keeps.
page_windows& page_windows_of(int page);
page_windows* page_of_child(HWND child);

// The colour page record that shows the current view, or nullptr on the
// settings page.
page_windows* current_color_page();
