// The picker window's footer between the tab control and the buttons: the
// display profile's name (when the option asks for it) and a notice line,
// where footer_layout (picker/paint_geometry.*) puts them.
#include "frame/texts_win32.h"
#include "picker/paint_geometry.h"
#include "picker/picker_run.h"
#include "picker_window/gdi_scope_win32.h"
#include "picker_window/picker_fonts_win32.h"
#include "picker_window/picker_paint_win32.h"

void paint_footer(HDC dc, const picker_run& run)
{
    HFONT font = make_picker_font(dc, 6, "MS Sans Serif");
    {
        const selected_object selected(dc, font);
        const background_mode mode(dc, TRANSPARENT);
        const text_color color(dc, run.ui->colors.page_text);
        char notice[256];
        const int n = load_text(IDS_GUIDE_NOTICE, notice, sizeof notice);
        const char* profile_name = run.lib.profiles.monitor_profile_name;
        SIZE notice_size = {0, 0}, name_size = {0, 0};
        GetTextExtentPoint32A(dc, notice, n, &notice_size);
        const int name_length = lstrlenA(profile_name);
        GetTextExtentPoint32A(dc, profile_name, name_length, &name_size);
        const footer_places at = footer_layout(run.picker_frame, notice_size.cy, name_size.cy);

        RECT line = to_rect(at.notice);
        DrawTextA(dc, notice, n, &line, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        fill_rect(dc, at.profile_band, background_brush());
        if (run.lib.picker.OPTION_SHOW_PROFILE_NAME == 1)
            TextOutA(dc, at.profile_x, at.profile_y, profile_name, name_length);
    }
    if (font != nullptr) DeleteObject(font);
}
