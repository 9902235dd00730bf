// The picker on the screens that change its look (640 x 480, 8-bit palette) and with the names off (picker_tests.cmake).
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "picker_driver.h"

// Opens the picker, checks the page it shows and more, and cancels.
static void check_open_page(const page_looks& looks, const char* png, const std::function<void(const open_picker&)>& more)
{
    pick_and_drive([&](const open_picker& p) {
        check_color_page(p, IsWindowVisible(p.pages[0]) ? 0 : 1, looks, png);
        more(p);
    });
}

TEST(SmallScreen, WindowIs416By360WithTheSixPointFont)
{
    ASSERT_TRUE(GetSystemMetrics(SM_CXSCREEN) == 640 && GetSystemMetrics(SM_CYSCREEN) == 480);
    check_open_page(page_looks{6}, "picker_small_screen.png", [](const open_picker& p) {
        RECT r;
        GetWindowRect(p.window, &r);
        EXPECT_TRUE(r.right - r.left == 416 && r.bottom - r.top == 360) << r.right - r.left << " x " << r.bottom - r.top;
    });
}

// The session switched the colour names off and the profile's name on.
TEST(NamesOff, SwatchesArePlainAndTheFooterShowsTheProfileName)
{
    check_open_page(page_looks{GetSystemMetrics(SM_CXSCREEN) == 640 ? 6 : 8, false}, "picker_names_off.png",
                    [](const open_picker& p) { EXPECT_GT(profile_band_ink(p.window), 0); });
}

// No strip, and the system palette holds the colour of every visible swatch, realised from the page palette.
// The session starts without settings: the first colours of the coated guide show.
TEST(PaletteScreen, NoStripAndThePaletteHoldsTheVisibleColours)
{
    HDC dc = GetDC(nullptr);
    ASSERT_TRUE(GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE);
    check_open_page(page_looks{8, true, true}, "picker_palette_screen.png", [&](const open_picker& p) {
        const expected_page e = expected_page_of(p, 0, 8, true);
        PALETTEENTRY system[256];
        std::vector<uint32_t> held(GetSystemPaletteEntries(dc, 0, 256, system));
        for (size_t i = 0; i < held.size(); ++i) held[i] = rgb_of(system[i].peRed, system[i].peGreen, system[i].peBlue);
        for (int k = 0; k < e.view.per_screen; ++k)
            EXPECT_NE(std::find(held.begin(), held.end(), expected_rgb(HUEX_SYSTEM_SOLID, 0, k)), held.end()) << "swatch " << k;
    });
    ReleaseDC(nullptr, dc);
}
