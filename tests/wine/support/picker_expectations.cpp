#include "picker_expectations.h"

#include <cstring>
#include <string>

#include "picker/paint_geometry.h"
#include "picker/picker_state.h"

picker_system_metrics picker_metrics_now()
{
    picker_system_metrics m;
    m.cy_caption = GetSystemMetrics(SM_CYCAPTION);
    m.cx_border = GetSystemMetrics(SM_CXBORDER);
    m.cx_frame = GetSystemMetrics(SM_CXFRAME);
    m.cx_vscroll = GetSystemMetrics(SM_CXVSCROLL);
    m.cx_hscroll = GetSystemMetrics(SM_CXHSCROLL);
    m.cy_hscroll = GetSystemMetrics(SM_CYHSCROLL);
    m.cy_menu = GetSystemMetrics(SM_CYMENU);
    m.cy_dlgframe = GetSystemMetrics(SM_CYDLGFRAME);
    return m;
}

namespace {

SIZE extent(int points, const char* face, const char* text)
{
    HDC dc = GetDC(nullptr);
    LOGFONTA lf;
    std::memset(&lf, 0, sizeof lf);
    lf.lfHeight = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
    lf.lfWeight = FW_NORMAL;
    lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
    HFONT font = CreateFontIndirectA(&lf);
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE s = {0, 0};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &s);
    SelectObject(dc, previous);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    return s;
}

std::string text(unsigned id)
{
    char buffer[256] = "";
    LoadStringA(GetModuleHandleA("huex.dll"), id, buffer, sizeof buffer);
    return buffer;
}

}  // namespace

expected_page expected_page_of(int page, const frame_layout& f, const pixel_rect& D, int points, int rows, int pages,
                               bool palette)
{
    const char* ui = "MS Sans Serif";
    page_text_metrics m;
    m.text_height = extent(points, ui, "ABCDEFG").cy;
    for (unsigned id = 12; id <= 14; ++id) {
        const SIZE s = extent(points, ui, text(id).c_str());
        if (s.cx > m.widest_type_text) m.widest_type_text = s.cx;
    }
    const SIZE find = extent(points, ui, text(7).c_str());
    m.find_label_cx = find.cx;
    m.find_label_cy = find.cy;
    m.comparison_label_height = extent(7, ui, text(8).c_str()).cy;
    m.label_height = extent(6, "Arial", "99").cy;

    expected_page e;
    picker_metrics = picker_metrics_now();
    if (page == 0) layout_solid_page(D, f, m, picker_metrics, palette, e.layout, e.view);
    else layout_process_page(D, f, m, picker_metrics, palette, e.layout, e.view);
    e.view.rows = rows;
    e.view.pages = pages;
    e.view.total = rows * pages;
    e.view.per_screen = e.view.columns * rows;
    compute_swatch_geometry(e.view);
    return e;
}

pixel_rect expected_profile_band(const frame_layout& f)
{
    const int32_t cy = extent(6, "MS Sans Serif", "Default Display").cy;
    return footer_layout(f, cy, cy).profile_band;
}

uint32_t expected_rgb(short system, short flag, int index)
{
    extended_color r = {0, 0, 0, 0};
    WORD rgb[3] = {0, 0, 0};
    if (HUEX_EncodeColor(system, flag, static_cast<short>(index), &r) != HUEX_OK) return 0xFFFFFFFFu;
    if (HUEX_GetColorRGB(&r, rgb, 0) != HUEX_OK) return 0xFFFFFFFFu;
    return (uint32_t(rgb[0] >> 8) << 16) | (uint32_t(rgb[1] >> 8) << 8) | uint32_t(rgb[2] >> 8);
}

pixel_rect rect_in_parent(HWND w)
{
    RECT r;
    GetWindowRect(w, &r);
    MapWindowPoints(nullptr, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
    return pixel_rect{r.left, r.top, r.right, r.bottom};
}
