// Where everything in the picker window goes, from the window size, the
// system metrics and the measured extents of a few texts. The window layer
// measures (GetTextExtentPoint32A, TCM_ADJUSTRECT) and creates the controls at
// the rectangles computed here.
#pragma once
#include <cstdint>

#include "picker/pixel_rect.h"
#include "picker/swatch_view.h"

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

// Pixels per inch of the 100 % screen, at which every length of the picker is
// what the screen size alone makes it.
constexpr int32_t base_dpi = 96;

// A length laid out for 96 dpi, at the screen's dpi (rounded as MulDiv does).
int32_t dpi_scaled(int32_t length, int32_t dpi);

// The screen the picker opens on: its size (taken at library start-up), the
// part of it that taskbars leave free (empty: all of it), whether it is the
// 640 x 480 screen, and its dots per inch.
struct picker_screen {
    int32_t width = 0, height = 0;
    pixel_rect work_area;
    int32_t small = 0;
    int32_t dpi = base_dpi;
};

// The picker window on screen: half the screen wide and 0.65 of it high (0.65
// and 0.75 on the 640 x 480 screen), grown with the dpi as its texts grow but
// never beyond the work area; centred inside the work area, or at the saved
// position as it was saved (see moved_into_work_area).
pixel_rect picker_window_rect(const picker_screen& screen, int32_t xpos, int32_t ypos);

// A window moved, not resized, into the work area of the monitor it falls on:
// a position saved on another screen, dpi or monitor layout opens with every
// button in reach. Where the window is larger than the work area its left and
// top edges stay inside, so the caption can still be taken.
pixel_rect moved_into_work_area(const pixel_rect& window, const pixel_rect& work);

struct frame_layout {
    pixel_rect tab;                 // tab control in the picker window's client area
    int32_t mx = 0, my = 0;         // margin units
    int32_t button_width = 0, button_height = 0, button_y = 0;
    int32_t about_x = 0, cancel_x = 0, ok_x = 0;
};

// Window size W x H and the caption height.
frame_layout layout_frame(int32_t W, int32_t H, int32_t cy_caption);

// The rectangle a page child takes over the tab control's display area D
// (D in tab control coordinates, as TCM_ADJUSTRECT gives it).
pixel_rect page_child_rect(const frame_layout& f, const pixel_rect& D);

// n lines of text of height text_height plus half a line of air; 0 for n < 1.
int32_t line_height(int32_t n, int32_t text_height);

// Measurements in ui_font unless said otherwise, taken by the window layer.
struct page_text_metrics {
    int32_t text_height = 0;              // "ABCDEFG"
    int32_t widest_type_text = 0;         // widest of the three colour-type names
    int32_t find_label_cx = 0, find_label_cy = 0;   // "&Find Color Name:"
    int32_t comparison_label_height = 0;  // "Original" in the 7-point face
    int32_t label_height = 0;             // "99" in the page-label face
};

// The parts of a colour page that are not in its view, and the controls.
struct page_layout {
    pixel_rect type_group;        // solid page only
    pixel_rect description_group;
    pixel_rect find_label;
    pixel_rect comparison_area;
    pixel_rect original_label, new_label;
    pixel_rect type_combo;        // solid page only
    pixel_rect scroll_bar;
    pixel_rect name_edit;
};

// Lay a colour page out in its child's coordinates and fill the view's
// rectangles, scroll_y, columns and label_height; the counts and swatch sizes
// follow from setup_view.
void layout_solid_page(const pixel_rect& D, const frame_layout& f, const page_text_metrics& m,
                       const picker_system_metrics& sm, int32_t palette_display, page_layout& out, swatch_view& view);
void layout_process_page(const pixel_rect& D, const frame_layout& f, const page_text_metrics& m,
                         const picker_system_metrics& sm, int32_t palette_display, page_layout& out, swatch_view& view);

// Entries of the page palette: one per visible swatch and one for the
// "Original" patch; 0 when the page has no palette.
int32_t page_palette_entries(const swatch_view& view);
