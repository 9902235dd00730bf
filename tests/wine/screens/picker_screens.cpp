// The picker on the screens that change its look (640 x 480, 8-bit palette) and with the names off (picker_tests.cmake).
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "picker/control_ids.h"
#include "picker_driver.h"
#include "wine_test_support.h"

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

// A place stored by an earlier run, read by a library loaded anew as a new process reads it: the centre of 1024 x 768 at
// 96 dpi, the work area's bottom right corner (taken with the window's size here), none. The window and its buttons
// open inside the work area, a place that fits unchanged, and a window nobody moved leaves the stored place as it was.
static void check_stored_places()
{
    static const char* const key = "Software\\VERIHUE\\HUEX";
    struct restored {
        ~restored() { RegDeleteKeyValueA(HKEY_CURRENT_USER, key, "window_xpos"), RegDeleteKeyValueA(HKEY_CURRENT_USER, key, "window_ypos"); }
    } guard;
    auto stored = [](const char* name) { DWORD v = 77, size = sizeof v; return RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, &v, &size), LONG(v); };
    RECT work;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    const std::string dir = fresh_case_dir("stored_place");
    ASSERT_TRUE(copy_into("huex.dll", dir, "huex_placed.dll"));
    SIZE size = {0, 0};
    for (POINT place : {POINT{256, 134}, POINT{-1, -1}, POINT{0, 0}}) {
        if (place.x < 0) place = {work.right - size.cx, work.bottom - size.cy};
        for (const auto& v : {std::make_pair("window_xpos", place.x), std::make_pair("window_ypos", place.y)})
            ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, key, v.first, REG_DWORD, &v.second, 4), ERROR_SUCCESS);
        HMODULE placed = LoadLibraryA((dir + "huex_placed.dll").c_str());
        const auto pick = reinterpret_cast<decltype(&HUEX_PickColor)>(reinterpret_cast<void*>(GetProcAddress(placed, "HUEX_PickColor")));
        ASSERT_NE(pick, nullptr);
        extended_color record = {};
        RECT r = {};
        drive_picker([&] { pick(nullptr, &record, nullptr); }, [&](const open_picker& p) {
            GetWindowRect(p.window, &r);
            for (HWND w : {p.window, p.ok, p.cancel, p.about}) {
                RECT b;
                EXPECT_TRUE(GetWindowRect(w, &b) && b.left >= work.left && b.top >= work.top && b.right <= work.right && b.bottom <= work.bottom)
                    << place.x << "," << place.y << ": " << GetDlgCtrlID(w) << " at " << b.left << "," << b.top << "-" << b.right << "," << b.bottom;
            }
            click_button(p.cancel);
        }, true);
        FreeLibrary(placed);
        size = {r.right - r.left, r.bottom - r.top};
        const bool fits = place.x >= work.left && place.y >= work.top && place.x + size.cx <= work.right && place.y + size.cy <= work.bottom;
        EXPECT_TRUE(!fits || (place.x == 0 && place.y == 0) || (r.left == place.x && r.top == place.y)) << place.x << "," << place.y << " opened at " << r.left << "," << r.top;
        EXPECT_TRUE(stored("window_xpos") == place.x && stored("window_ypos") == place.y) << place.x << "," << place.y << " stored as " << stored("window_xpos") << "," << stored("window_ypos");
    }
}

TEST(SmallScreen, StoredPlaceOpensInsideTheWorkArea) { check_stored_places(); }
TEST(DpiScreen, StoredPlaceOpensInsideTheWorkArea) { check_stored_places(); }

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

// Every control's text in the control's own font, in its client area less the box of a check box or radio button.
static void expect_texts_fit(HWND window)
{
    std::vector<HWND> all;
    EnumChildWindows(window, [](HWND w, LPARAM list) WINAPI -> BOOL { return reinterpret_cast<std::vector<HWND>*>(list)->push_back(w), TRUE; },
                     reinterpret_cast<LPARAM>(&all));
    for (HWND w : all) {
        char cls[16] = "", text[260] = "";
        const LONG_PTR style = GetWindowLongPtrA(w, GWL_STYLE), type = style & BS_TYPEMASK;
        const bool label = GetClassNameA(w, cls, sizeof cls) && lstrcmpiA(cls, "Static") == 0, boxed = lstrcmpiA(cls, "Button") == 0 &&
                           type >= BS_CHECKBOX && type <= BS_AUTORADIOBUTTON && type != BS_GROUPBOX;
        if ((label && (style & SS_TYPEMASK) == SS_ICON) || GetWindowTextA(w, text, sizeof text) == 0) continue;
        RECT c, t;
        GetClientRect(w, &c);
        t = {0, 0, c.right - 2 * GetSystemMetrics(SM_CXEDGE) - (boxed ? GetSystemMetrics(SM_CXMENUCHECK) : 0), 0};
        HDC dc = GetDC(w);
        HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(w, WM_GETFONT, 0, 0)));
        const LONG width = t.right;
        DrawTextA(dc, text, -1, &t, DT_CALCRECT | (label ? DT_WORDBREAK : DT_SINGLELINE));
        SelectObject(dc, previous), ReleaseDC(w, dc);
        EXPECT_TRUE(t.right <= width && t.bottom <= c.bottom) << text;
    }
}

// The session set the screen's dots per inch: the window grew with its texts but stays on the screen, every control's
// text fits the control, also on the settings page and in the About and profile dialogs.
TEST(DpiScreen, TextsFitTheirControlsAndTheWindowFitsTheScreen)
{
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    ASSERT_GT(dpi, 96);
    const std::string name = "picker_dpi_" + std::to_string(dpi);
    check_open_page(page_looks{}, (name + ".png").c_str(), [&](const open_picker& p) {
        RECT r;
        GetWindowRect(p.window, &r);
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= GetSystemMetrics(SM_CXSCREEN) && r.bottom <= GetSystemMetrics(SM_CYSCREEN));
        click_tab(p, 2);
        ASSERT_TRUE(wait_for([&] { return IsWindowVisible(p.pages[2]) != 0; }));
        wait_until_painted(p.window);
        write_png(bin_dir() + name + "_settings.png", capture_window(p.window));
        expect_texts_fit(p.window);
        const struct { HWND button; const char* png; } dialogs[] = {{p.about, "_about.png"}, {GetDlgItem(p.pages[2], IDC_DISPLAY_CHANGE), "_profiles.png"}};
        for (const auto& d : dialogs) {
            click_button(d.button);
            HWND dialog = nullptr;
            ASSERT_TRUE(wait_for([&] { return (dialog = GetLastActivePopup(p.window)) != p.window && IsWindowVisible(dialog); }));
            wait_until_painted(dialog);
            write_png(bin_dir() + name + d.png, capture_window(dialog));
            expect_texts_fit(dialog);
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            ASSERT_TRUE(wait_for([&] { return !IsWindow(dialog); }));
        }
    });
}
