// The picker on the screens that change its look: the 640 x 480 screen, an
// 8-bit palette screen, and the colour names switched off. Each case runs in
// a Wine session of its own screen and prefix (picker_tests.cmake) and first
// checks that it has the screen it is about.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "huex.h"
#include "picker/paint_geometry.h"
#include "picker_checks.h"
#include "picker_driver.h"
#include "wine_test_support.h"

namespace {

// Opens the picker, checks the page it shows, and cancels.
void check_open_page(const page_looks& looks, const char* png, const std::function<void(const open_picker&)>& more = {})
{
    HWND host = make_host_window("host");
    extended_color record = {0, 0, 0, 0};
    run_with_driver([&] { HUEX_PickColor(host, &record, nullptr); }, [&] {
        const open_picker p = wait_for_picker();
        ASSERT_NE(p.window, nullptr);
        const frame_layout f = frame_of(p.window);
        const int page = IsWindowVisible(p.pages[0]) ? 0 : 1;
        check_color_page(p, page, f, display_area(p.tab, f), looks, png);
        if (more) more(p);
        click_button(p.cancel);
    });
    DestroyWindow(host);
}

bool palette_screen()
{
    HDC dc = GetDC(nullptr);
    const bool palette = (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) != 0;
    ReleaseDC(nullptr, dc);
    return palette;
}

}  // namespace

TEST(SmallScreen, WindowIs416By360WithTheSixPointFont)
{
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 640);
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 480);
    page_looks looks;
    looks.points = 6;
    check_open_page(looks, "picker_small_screen.png", [](const open_picker& p) {
        RECT r;
        GetWindowRect(p.window, &r);
        EXPECT_EQ(r.right - r.left, 416);
        EXPECT_EQ(r.bottom - r.top, 360);
    });
}

TEST(NamesOff, SwatchesArePlainAndTheFooterShowsTheProfileName)
{
    HKEY key;
    DWORD names = 1, size = sizeof names;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\VERIHUE\\HUEX", 0, KEY_READ, &key), ERROR_SUCCESS);
    RegQueryValueExA(key, "OPTION_DISPLAY_COLOR_NAMES", nullptr, nullptr, reinterpret_cast<BYTE*>(&names), &size);
    RegCloseKey(key);
    ASSERT_EQ(names, 0u) << "the session sets the option off before this program starts";
    page_looks looks;
    looks.points = GetSystemMetrics(SM_CXSCREEN) == 640 ? 6 : 8;
    looks.names = false;
    check_open_page(looks, "picker_names_off.png", [](const open_picker& p) {
        EXPECT_GT(profile_band_ink(p.window, frame_of(p.window)), 0) << "the profile's name is asked for";
    });
}

TEST(PaletteScreen, NoStripAndThePaletteHoldsTheVisibleColours)
{
    ASSERT_TRUE(palette_screen());
    page_looks looks;
    looks.palette = true;
    check_open_page(looks, "picker_palette_screen.png", [](const open_picker& p) {
        const int page = IsWindowVisible(p.pages[0]) ? 0 : 1;
        const guide g = guide_of_page(p.pages[0], page);
        const frame_layout f = frame_of(p.window);
        const expected_page e = expected_page_of(page, f, display_area(p.tab, f), 8, g.rows, g.pages, true);
        // No strip: the scroll bar follows the swatch frame directly.
        EXPECT_EQ(e.view.scroll_y, e.view.swatch_area.bottom);
        // The system palette holds the colour of every visible swatch and of
        // the "Original" patch, realised from the page palette. The session
        // starts without settings: the screen shows the first colours of the
        // coated guide, and the first is selected and the original.
        PALETTEENTRY system[256];
        HDC dc = GetDC(nullptr);
        const UINT n = GetSystemPaletteEntries(dc, 0, 256, system);
        ReleaseDC(nullptr, dc);
        std::vector<uint32_t> held;
        for (UINT i = 0; i < n; ++i) held.push_back(rgb_of(system[i].peRed, system[i].peGreen, system[i].peBlue));
        ASSERT_EQ(index_of_short_name(g, window_text(GetDlgItem(p.pages[page], 92))), 0);
        for (int k = 0; k < e.view.per_screen; ++k) {
            const uint32_t rgb = expected_rgb(g.system, g.flag, k);
            EXPECT_NE(std::find(held.begin(), held.end(), rgb), held.end()) << "swatch " << k;
        }
    });
}
