#include "picker_checks.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

#include "huex.h"
#include "picker/paint_geometry.h"
#include "picker/swatch_hits.h"
#include "wine_test_support.h"

guide guide_of_page(HWND child, int page)
{
    if (page == 1) return guide{HUEX_SYSTEM_PROCESS, 0, 9, 334};
    const short flag = static_cast<short>(SendMessageA(GetDlgItem(child, 91), CB_GETCURSEL, 0, 0));
    return guide{HUEX_SYSTEM_SOLID, flag, 7, 136};
}

std::string window_text(HWND w)
{
    char text[256] = "";
    GetWindowTextA(w, text, sizeof text);
    return text;
}

int index_of_short_name(const guide& g, const std::string& name)
{
    for (int i = 0; i < g.rows * g.pages; ++i) {
        extended_color r = {0, 0, 0, 0};
        char n[40];
        if (HUEX_EncodeColor(g.system, g.flag, static_cast<short>(i), &r) == HUEX_OK && HUEX_GetShortColorName(&r, n) &&
            name == n)
            return i;
    }
    return -1;
}

pixel_rect on_screen(HWND child, const pixel_rect& r)
{
    POINT o = {0, 0};
    ClientToScreen(child, &o);
    return pixel_rect{r.left + o.x, r.top + o.y, r.right + o.x, r.bottom + o.y};
}

static int white_pixels(const screen_image& shot, const pixel_rect& r)
{
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += shot.at(x, y) == 0xFFFFFFu;
    return n;
}

uint32_t corner(const screen_image& shot, HWND child, const pixel_rect& r)
{
    const pixel_rect s = on_screen(child, r);
    return shot.at(s.left + 1, s.top + 1);
}

// The guide index of the top-left swatch: the one screen of consecutive
// colours, starting at a guide page, that every swatch's corner agrees with;
// -1 when there is none.
static int first_shown(const screen_image& shot, HWND child, const swatch_view& v, const guide& g)
{
    std::vector<uint32_t> rgb(static_cast<size_t>(g.rows * g.pages));
    for (size_t i = 0; i < rgb.size(); ++i) rgb[i] = expected_rgb(g.system, g.flag, static_cast<int>(i));
    for (int first = 0; first + v.per_screen <= static_cast<int>(rgb.size()); first += g.rows) {
        bool all = true;
        for (int k = 0; k < v.per_screen && all; ++k) {
            all = corner(shot, child, swatch_rect(v, k)) == rgb[static_cast<size_t>(first + k)];
        }
        if (all) return first;
    }
    return -1;
}


// Controls, swatches, patches and the strip of colour page `page` against the
// unit; returns the index of the selected colour (from the name edit box).
int check_color_page(const open_picker& p, int page, const frame_layout& f, const pixel_rect& D, const page_looks& looks,
                     const char* png)
{
    HWND child = p.pages[page];
    EXPECT_TRUE(IsWindowVisible(child));
    EXPECT_EQ(rect_in_parent(child), page_child_rect(f, D));
    const guide g = guide_of_page(p.pages[0], page);
    const expected_page e = expected_page_of(page, f, D, looks.points, g.rows, g.pages, looks.palette);
    EXPECT_EQ(rect_in_parent(GetDlgItem(child, 90)), e.layout.scroll_bar);
    EXPECT_EQ(rect_in_parent(GetDlgItem(child, 92)), e.layout.name_edit);
    if (page == 0) {
        // A drop-down combo box is as high as its edit part whatever height it was given.
        const pixel_rect combo = rect_in_parent(GetDlgItem(child, 91));
        EXPECT_EQ(combo.left, e.layout.type_combo.left);
        EXPECT_EQ(combo.top, e.layout.type_combo.top);
        EXPECT_EQ(combo.right, e.layout.type_combo.right);
    }

    const screen_image shot = capture_window(p.window);
    EXPECT_TRUE(write_png(bin_dir() + png, shot));
    // Wine shows a palette screen's colours dithered from its static colours
    // (its window surfaces keep the colour table they were made with), so
    // there only the palette itself can be compared.
    if (!looks.palette)
        EXPECT_GE(first_shown(shot, child, e.view, g), 0) << "the swatches are not one screen of consecutive colours";
    for (int k = 0; k < e.view.per_screen; ++k) {
        const int white = white_pixels(shot, on_screen(child, swatch_rect(e.view, k)));
        if (looks.names) EXPECT_GT(white, 0) << "no name on swatch " << k;
        else EXPECT_EQ(white, 0) << "a name on swatch " << k;
    }

    const int selected = index_of_short_name(g, window_text(GetDlgItem(child, 92)));
    EXPECT_GE(selected, 0);
    if (looks.palette) return selected;
    EXPECT_EQ(corner(shot, child, e.view.new_patch), expected_rgb(g.system, g.flag, selected));
    const strip_column s = strip_column_at(e.view, 0);
    EXPECT_EQ(static_cast<int>(s.color & 0xFFFF), g.rows / 2) << "the strip starts at the first guide page's middle colour";
    EXPECT_EQ(shot.at(on_screen(child, pixel_rect{s.x, e.view.swatch_area.bottom, 0, 0}).left,
                      on_screen(child, pixel_rect{s.x, e.view.swatch_area.bottom, 0, 0}).top),
              expected_rgb(g.system, g.flag, g.rows / 2));
    return selected;
}

frame_layout frame_of(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    return layout_frame(r.right - r.left, r.bottom - r.top, GetSystemMetrics(SM_CYCAPTION));
}

pixel_rect display_area(HWND tab, const frame_layout& f)
{
    RECT d = {0, 0, f.tab.width(), f.tab.height()};
    SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&d));
    return pixel_rect{d.left, d.top, d.right, d.bottom};
}


int profile_band_ink(HWND window, const frame_layout& f)
{
    const screen_image shot = capture_window(window);
    const pixel_rect band = on_screen(window, expected_profile_band(f));
    const COLORREF c = GetSysColor(COLOR_INACTIVEBORDER);
    const uint32_t background = rgb_of(GetRValue(c), GetGValue(c), GetBValue(c));
    int n = 0;
    for (int y = band.top; y < band.bottom; ++y)
        for (int x = band.left; x < band.right; ++x) n += shot.at(x, y) != background;
    return n;
}
