// Painting of the picker: GDI calls only, no messages and no state changes.
// The places come from the window-free unit (swatch_view, page_layout,
// paint_geometry); every colour from the display conversion with the D50
// option. Painters are called with the guard held.
#pragma once
#include <windows.h>

#include "colorlib/colorid.h"
#include "picker/pixel_rect.h"
#include "picker_window/picker_windows_win32.h"

inline RECT to_rect(const pixel_rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
inline HBRUSH stock_brush(int which) { return static_cast<HBRUSH>(GetStockObject(which)); }
// The window classes' background (system colour brush value 12): text
// backgrounds of captions and text boxes.
inline HBRUSH background_brush() { return GetSysColorBrush(COLOR_INACTIVEBORDER); }
// The ground of swatch area, comparison area, page labels and blank
// positions, and the selection mark: stock white and black, or the system's
// colours in high contrast (through the device context's own brush).
inline HBRUSH ground_brush(HDC dc, const paint_colors& c)
{
    if (!c.high_contrast) return stock_brush(WHITE_BRUSH);
    SetDCBrushColor(dc, c.ground);
    return stock_brush(DC_BRUSH);
}
inline HBRUSH mark_brush(HDC dc, const paint_colors& c)
{
    if (!c.high_contrast) return stock_brush(BLACK_BRUSH);
    SetDCBrushColor(dc, c.mark);
    return stock_brush(DC_BRUSH);
}
inline void fill_rect(HDC dc, const pixel_rect& r, HBRUSH brush)
{
    const RECT rc = to_rect(r);
    FillRect(dc, &rc, brush);
}
inline void frame_rect(HDC dc, const pixel_rect& r, HBRUSH brush)
{
    const RECT rc = to_rect(r);
    FrameRect(dc, &rc, brush);
}

// A swatch or patch colour: palette-relative on palette displays, so that it
// maps to the page palette.
COLORREF swatch_colorref(const picker_run& run, int32_t r, int32_t g, int32_t b);

// The whole colour page whose parts meet the update rectangle.
void paint_color_page(HDC dc, picker_run& run, page_windows& page, const RECT& update);

// The visible swatch columns, their page labels and the "Original" patch.
void draw_swatch_grid(HDC dc, picker_run& run, page_windows& page);

// Fills the rectangle with the colour and writes c's short name on it when
// names are displayed.
void draw_color_patch(HDC dc, picker_run& run, const pixel_rect& r, colorid c, int32_t red, int32_t green,
                      int32_t blue);

// An etched frame with string-table text `id` as caption on its top edge.
void draw_group_box(HDC dc, const picker_run& run, const pixel_rect& r, unsigned id);

// Word-wrapped text inside a rectangle, on the background colour.
void draw_text_box(HDC dc, const picker_run& run, const pixel_rect& r, const char* text);

// The two footer lines of the picker window below the tab control.
void paint_footer(HDC dc, const picker_run& run);
