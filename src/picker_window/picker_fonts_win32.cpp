// The run's fonts and the text extents the layout in picker/picker_layout.*
// and picker/settings_layout.* is worked out from.
#include "picker_window/picker_fonts_win32.h"

#include <cstring>

#include "frame/texts_win32.h"
#include "picker_window/gdi_scope_win32.h"
#include "picker_window/picker_windows_win32.h"

HFONT make_picker_font(HDC dc, int points, const char* face)
{
    HDC screen = dc != nullptr ? dc : GetDC(nullptr);
    LOGFONTA lf;
    std::memset(&lf, 0, sizeof lf);
    lf.lfHeight = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    lf.lfWeight = FW_NORMAL;
    lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
    if (dc == nullptr) ReleaseDC(nullptr, screen);
    return CreateFontIndirectA(&lf);
}

void create_run_fonts(picker_windows& ui, HWND owner, bool small_screen)
{
    const window_dc dc(owner);
    ui.ui_font = make_picker_font(dc, small_screen ? 6 : 8, "MS Sans Serif");
    ui.name_font = make_picker_font(dc, 7, "Courier New");
}

void delete_run_fonts(picker_windows& ui)
{
    if (ui.ui_font != nullptr) DeleteObject(ui.ui_font);
    if (ui.name_font != nullptr) DeleteObject(ui.name_font);
    ui.ui_font = ui.name_font = nullptr;
}

SIZE text_extent_in(HWND window, HFONT font, const char* text)
{
    SIZE size = {0, 0};
    const window_dc dc(window);
    const selected_object selected(dc, font);
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
    return size;
}

SIZE text_id_extent(HWND window, HFONT font, unsigned id)
{
    char text[256];
    load_text(id, text, sizeof text);
    return text_extent_in(window, font, text);
}

// A font made only to measure one text, deleted at once.
static int32_t height_in_passing_font(HWND window, int points, const char* face, const char* text)
{
    HFONT font = make_picker_font(window_dc(window), points, face);
    const int32_t h = text_extent_in(window, font, text).cy;
    if (font != nullptr) DeleteObject(font);
    return h;
}

page_text_metrics measure_page_texts(HWND window, HFONT ui_font)
{
    page_text_metrics m;
    m.text_height = text_extent_in(window, ui_font, "ABCDEFG").cy;
    for (unsigned id = IDS_COATED; id <= IDS_TO_PROCESS; ++id) {
        const SIZE s = text_id_extent(window, ui_font, id);
        if (s.cx > m.widest_type_text) m.widest_type_text = s.cx;
    }
    const SIZE find = text_id_extent(window, ui_font, IDS_FIND_NAME);
    m.find_label_cx = find.cx;
    m.find_label_cy = find.cy;
    char original[64];
    load_text(IDS_ORIGINAL, original, sizeof original);
    m.comparison_label_height = height_in_passing_font(window, 7, "MS Sans Serif", original);
    m.label_height = height_in_passing_font(window, 6, "Arial", "99");
    return m;
}
