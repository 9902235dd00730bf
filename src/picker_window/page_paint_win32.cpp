// The colour pages: group boxes, description, find label, comparison patches,
// five guide pages of swatches with names and page labels, the colour strip
// and the open frame round swatches, strip and scroll bar. Every place comes
// from picker/paint_geometry.*, picker/swatch_view.* and the page's layout.
#include "colorlib/color_lookups.h"
#include "colorlib/color_tables.h"
#include "frame/texts_win32.h"
#include "picker/paint_geometry.h"
#include "picker/picker_run.h"
#include "picker/swatch_paging.h"
#include "picker_window/gdi_scope_win32.h"
#include "picker_window/picker_paint_win32.h"

// Blank white when the colour has no display value (a position that holds
// nothing).
static rgb8 display_rgb(picker_run& run, colorid c)
{
    const std::optional<rgb8> rgb = get_color_display_rgb(run.lib.catalogue, run.lib.display, c,
                                                          static_cast<int32_t>(run.lib.picker.D50FLAG));
    return rgb ? *rgb : rgb8{255, 255, 255};
}

COLORREF swatch_colorref(const picker_run& run, int32_t r, int32_t g, int32_t b)
{
    return run.palette_device ? PALETTERGB(r, g, b) : RGB(r, g, b);
}

static bool meets(const RECT& update, const pixel_rect& part)
{
    RECT out;
    const RECT rc = to_rect(part);
    return IntersectRect(&out, &update, &rc) != 0;
}

static void draw_text_id(HDC dc, unsigned id, const pixel_rect& r, UINT format)
{
    char text[256];
    load_text(id, text, sizeof text);
    RECT rc = to_rect(r);
    DrawTextA(dc, text, -1, &rc, format);
}

void draw_color_patch(HDC dc, picker_run& run, const pixel_rect& r, colorid c, int32_t red, int32_t green,
                      int32_t blue)
{
    HBRUSH brush = CreateSolidBrush(swatch_colorref(run, red, green, blue));
    fill_rect(dc, r, brush);
    DeleteObject(brush);
    if (!run.lib.picker.OPTION_DISPLAY_COLOR_NAMES) return;
    char name[32];
    const int n = get_color_name(run.lib.catalogue, c, name, 20, -1);
    const selected_object font(dc, run.ui->name_font);
    const paint_colors& colors = run.ui->colors;
    const text_color color(dc, colors.name_box ? colors.label_text
                                               : swatch_name_color(red, green, blue, run.lib.platform.label_text_color));
    const background_mode mode(dc, TRANSPARENT);
    RECT rc = to_rect(r);
    if (colors.name_box && n > 0) {
        // The box hugs the name, so the swatch's own colour still shows round it.
        SIZE size = {0, 0};
        GetTextExtentPoint32A(dc, name, n, &size);
        const int x = (rc.left + rc.right - size.cx) / 2 - 1, y = (rc.top + rc.bottom - size.cy) / 2;
        RECT box = {x > rc.left ? x : rc.left, y > rc.top ? y : rc.top, 0, 0};
        box.right = box.left + size.cx + 2 < rc.right ? box.left + size.cx + 2 : rc.right;
        box.bottom = box.top + size.cy < rc.bottom ? box.top + size.cy : rc.bottom;
        FillRect(dc, &box, ground_brush(dc, colors));
    }
    DrawTextA(dc, name, -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

static void draw_patch_of(HDC dc, picker_run& run, const pixel_rect& r, colorid c)
{
    const rgb8 rgb = display_rgb(run, c);
    draw_color_patch(dc, run, r, c, rgb.r, rgb.g, rgb.b);
}

static void draw_swatch(HDC dc, picker_run& run, colorid c, const pixel_rect& r)
{
    const std::optional<rgb8> rgb = get_color_display_rgb(run.lib.catalogue, run.lib.display, c,
                                                          static_cast<int32_t>(run.lib.picker.D50FLAG));
    if (!rgb) {
        fill_rect(dc, r, ground_brush(dc, run.ui->colors));
        return;
    }
    draw_color_patch(dc, run, r, c, rgb->r, rgb->g, rgb->b);
}

// The label of c's guide page on white, in the selected font.
static void draw_page_label(HDC dc, picker_run& run, int32_t x, int32_t y, colorid c, int32_t width)
{
    const background_mode mode(dc, OPAQUE);
    const text_color color(dc, run.ui->colors.label_text);
    const background_color ground(dc, run.ui->colors.ground);
    char label[32];
    const int n = get_page_label(run.lib.catalogue, c, label, 20);
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc, label, n, &size);
    RECT rc = {x, y, x + width, y + size.cy};
    FillRect(dc, &rc, ground_brush(dc, run.ui->colors));
    DrawTextA(dc, label, n, &rc, DT_LEFT | DT_TOP | DT_NOPREFIX);
}

static PALETTEENTRY entry_of(picker_run& run, colorid c)
{
    const rgb8 rgb = display_rgb(run, c);
    return PALETTEENTRY{static_cast<BYTE>(rgb.r), static_cast<BYTE>(rgb.g), static_cast<BYTE>(rgb.b), 0};
}

// The page palette rewritten for the colours now visible, and realised.
static void load_page_palette(HDC dc, picker_run& run, page_windows& page)
{
    if (page.palette == nullptr || page.view == nullptr) return;
    const swatch_view& v = *page.view;
    const colorid first = run.lib.picker.first_colorid_displayed;
    for (int32_t k = 0; k < v.palette_count; ++k) {
        const PALETTEENTRY e = grid_position_holds_color(run, v, k) ? entry_of(run, first + static_cast<colorid>(k))
                                                                    : PALETTEENTRY{255, 255, 255, 0};
        SetPaletteEntries(page.palette, static_cast<UINT>(k), 1, &e);
    }
    const PALETTEENTRY original = entry_of(run, run.lib.picker.original_color);
    SetPaletteEntries(page.palette, static_cast<UINT>(v.palette_count), 1, &original);
    UnrealizeObject(page.palette);
    RealizePalette(dc);
}

void draw_swatch_grid(HDC dc, picker_run& run, page_windows& page)
{
    if (page.view == nullptr) return;
    const swatch_view& v = *page.view;
    const selected_object pen(dc, GetStockObject(NULL_PEN));
    const selected_object font(dc, run.ui->name_font);
    const background_mode mode(dc, TRANSPARENT);
    HPALETTE palette = run.palette_device ? page.palette : nullptr;
    if (palette != nullptr) load_page_palette(dc, run, page);
    const realized_palette realized(dc, palette, TRUE);
    const colorid first = run.lib.picker.first_colorid_displayed;
    for (int32_t k = 0; k < v.columns * v.rows; ++k) {
        const bool holds = grid_position_holds_color(run, v, k);
        if (holds) draw_swatch(dc, run, first + static_cast<colorid>(k), swatch_rect(v, k));
        else fill_rect(dc, swatch_rect(v, k), ground_brush(dc, run.ui->colors));
        if (holds && k % v.rows == v.rows - 1)
            draw_page_label(dc, run, column_left(v, k / v.rows), v.label_y, first + static_cast<colorid>(k),
                            v.swatch_width);
    }
    draw_patch_of(dc, run, v.original_patch, run.lib.picker.original_color);
}

// Each pixel column of the strip shows the middle colour of the guide page at
// the same proportion of the guide, along the scroll bar's track. The columns
// go out as rows of one-pixel-high bitmaps stretched down the strip: a pen
// made, selected and deleted for each column cost a few milliseconds of every
// opening.
static void draw_color_strip(HDC dc, picker_run& run, const swatch_view& v)
{
    if (run.palette_device) return;
    const int32_t n = strip_columns(run.picker_metrics, v);
    // The lines ran from the swatches' bottom to the scroll bar, that end left out.
    const int32_t from = v.swatch_area.bottom, to = v.scroll_y;
    const int32_t top = from <= to ? from : to + 1, height = from <= to ? to - from : from - to;
    if (n <= 0 || height <= 0) return;
    constexpr int32_t chunk = 256;
    uint32_t row[chunk];
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biHeight = 1;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    for (int32_t start = 0; start < n; start += chunk) {
        const int32_t count = n - start < chunk ? n - start : chunk;
        for (int32_t i = 0; i < count; ++i) {
            const rgb8 rgb = display_rgb(run, strip_column_at(run.picker_metrics, v, start + i).color);
            row[i] = uint32_t(rgb.r) << 16 | uint32_t(rgb.g) << 8 | rgb.b;
        }
        info.bmiHeader.biWidth = count;
        StretchDIBits(dc, strip_column_at(run.picker_metrics, v, start).x, top, count, height, 0, 0, count, 1, row, &info,
                      DIB_RGB_COLORS, SRCCOPY);
    }
}

void draw_group_box(HDC dc, const picker_run& run, const pixel_rect& r, unsigned id)
{
    RECT box = to_rect(r);
    DrawEdge(dc, &box, EDGE_ETCHED, BF_RECT);
    char text[256];
    const int n = load_text(id, text, sizeof text);
    SIZE size = {0, 0};
    GetTextExtentPoint32A(dc, text, n, &size);
    const caption_origin at = group_caption_origin(run.picker_metrics, r, size.cy);
    RECT caption = {at.x - 2, at.y, at.x + size.cx + 2, at.y + size.cy};
    DrawTextA(dc, text, n, &caption, DT_CALCRECT);
    InflateRect(&caption, 2, 0);
    FillRect(dc, &caption, background_brush());
    DrawTextA(dc, text, n, &caption, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void draw_text_box(HDC dc, const picker_run& run, const pixel_rect& r, const char* text)
{
    const selected_object font(dc, run.ui->ui_font);
    const background_mode mode(dc, TRANSPARENT);
    const text_color color(dc, run.ui->colors.page_text);
    SIZE abc = {0, 0};
    GetTextExtentPoint32A(dc, "ABC", 3, &abc);
    RECT inner = to_rect(text_box_inner(run.picker_metrics, r, abc.cy));
    FillRect(dc, &inner, background_brush());
    DrawTextA(dc, text, -1, &inner, DT_WORDBREAK | DT_LEFT | DT_TOP | DT_NOPREFIX);
}

void paint_color_page(HDC dc, picker_run& run, page_windows& page, const RECT& update)
{
    if (page.view == nullptr || page.layout == nullptr) return;
    const swatch_view& v = *page.view;
    const page_layout& l = *page.layout;
    const bool solid = page.page == solid_page;
    const realized_palette palette(dc, run.palette_device ? page.palette : nullptr, FALSE);
    const selected_object pen(dc, GetStockObject(BLACK_PEN));
    const selected_object font(dc, run.ui->ui_font);
    const background_mode mode(dc, TRANSPARENT);
    const text_color color(dc, run.ui->colors.page_text);

    if (solid && meets(update, l.type_group)) draw_group_box(dc, run, l.type_group, IDS_COLOR_TYPE);
    if (meets(update, l.description_group)) {
        draw_group_box(dc, run, l.description_group, IDS_DESCRIPTION);
        char text[256];
        load_text(solid ? IDS_SOLID_COATED_DESCRIPTION + run.solid_pub_choice : IDS_PROCESS_DESCRIPTION, text,
                  sizeof text);
        draw_text_box(dc, run, l.description_group, text);
    }
    if (meets(update, l.find_label)) draw_text_id(dc, IDS_FIND_NAME, l.find_label, DT_LEFT | DT_TOP);
    if (meets(update, l.comparison_area)) {
        fill_rect(dc, white_ground(run.picker_metrics, l.comparison_area), ground_brush(dc, run.ui->colors));
        RECT area = to_rect(l.comparison_area);
        DrawEdge(dc, &area, EDGE_ETCHED, BF_RECT);
        draw_text_id(dc, IDS_ORIGINAL, l.original_label, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        draw_text_id(dc, IDS_NEW, l.new_label, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        draw_patch_of(dc, run, v.original_patch, run.lib.picker.original_color);
    }
    if (meets(update, v.name_line)) draw_group_box(dc, run, v.name_line, IDS_COLOR_REFERENCE);
    const pixel_rect lower = open_frame_lower(run.picker_metrics, v);
    if (meets(update, v.swatch_area) || meets(update, lower)) {
        fill_rect(dc, white_ground(run.picker_metrics, v.swatch_area), ground_brush(dc, run.ui->colors));
        RECT upper = to_rect(v.swatch_area), bottom = to_rect(lower);
        DrawEdge(dc, &upper, EDGE_ETCHED, BF_LEFT | BF_TOP | BF_RIGHT);
        DrawEdge(dc, &bottom, EDGE_ETCHED, BF_LEFT | BF_RIGHT | BF_BOTTOM);
        draw_swatch_grid(dc, run, page);
        draw_color_strip(dc, run, v);
    }
}
