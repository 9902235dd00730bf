// The picker through its exports: a host window on this thread, a driver thread that reads the open picker
// off the screen, checks it against the picker's window-free unit and presses its buttons.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "huex.h"
#include "picker_driver.h"
#include "wine_test_support.h"

namespace {

using look_fn = std::function<void(const open_picker&)>;
// One run that the driver ends with a button (0: none) as soon as the picker is painted.
void run_and_press(const std::function<void()>& open, int button, const look_fn& look = {})
{
    drive_picker(open, [&](const open_picker& p) {
        if (look) look(p);
        if (button != 0) click_button(GetDlgItem(p.window, button));
    });
}
BYTE pick_and_press(int button, const look_fn& look = {}, extended_color* record = nullptr, short* d50 = nullptr)
{
    return pick_and_drive([&](const open_picker& p) { if (look) look(p); if (button != 0) click_button(GetDlgItem(p.window, button)); },
                          record, d50, false);
}

}  // namespace

TEST(PickerWindow, FrameControlsAndBothPagesStandWhereTheUnitPutsThem)
{
    ASSERT_EQ(HUEX_ShowSettingsTab(1), 1);
    extended_color record = {0x1111, 0x2222, 0x3333, 0x0025};   // not extended: no initial colour
    int selected = -1;
    ASSERT_EQ(1, pick_and_press(IDOK, [&](const open_picker& p) {
        const frame_layout f = frame_of(p.window);
        EXPECT_EQ(rect_in_parent(p.tab), f.tab);
        for (const auto& b : {std::make_pair(p.ok, f.ok_x), {p.cancel, f.cancel_x}, {p.about, f.about_x}})
            EXPECT_EQ(rect_in_parent(b.first), (pixel_rect{b.second, f.button_y, b.second + f.button_width, f.button_y + f.button_height}));
        EXPECT_EQ(p.tab_count, 3);
        EXPECT_EQ(profile_band_ink(p.window), 0) << "the profile's name is shown only when asked for";
        EXPECT_GE(check_color_page(p, 0, page_looks{}, "picker_solid.png"), 0);
        click_tab(p, 1);
        wait_until_painted(p.window);
        EXPECT_FALSE(IsWindowVisible(p.pages[0]));
        selected = check_color_page(p, 1, page_looks{}, "picker_process.png");
    }, &record));
    // The record names the process colour OK left selected, in the process code, with its screen colour.
    const extended_color expected = color_record(HUEX_SYSTEM_PROCESS, 0, selected);
    WORD rgb[3];
    ASSERT_EQ(HUEX_GetColorRGB(&expected, rgb, 0), HUEX_OK);
    EXPECT_TRUE(record.color_system == HUEX_SYSTEM_PROCESS && HUEX_GetColorFlag(&record) == selected >> 8);
    EXPECT_EQ(std::vector<int>({record.red & 0xFF00, record.green & 0xFF00, record.blue & 0xFF00}), std::vector<int>({rgb[0], rgb[1], rgb[2]}));
    DWORD index = 0;
    EXPECT_TRUE(HUEX_GetColorIndex(&record, &index) == HUEX_OK && static_cast<int>(index) == selected) << index;
}

// Cancel and close choose nothing; the About dialog in between shows the library's version block.
TEST(PickerWindow, CancelAndCloseChooseNothingAndLeaveTheRecord)
{
    std::string texts[3];
    extended_color record = color_record(HUEX_SYSTEM_SOLID, 1, 100);
    record.red |= 0xAB00;
    const extended_color before = record;
    for (const auto& end : {std::make_pair(WM_COMMAND, IDCANCEL), {WM_SYSCOMMAND, SC_CLOSE}}) {
        short d50 = 77;
        EXPECT_EQ(0, pick_and_press(0, [&](const open_picker& p) {
            click_button(p.about);
            HWND about = nullptr;
            ASSERT_TRUE(wait_for([&] { return (about = GetLastActivePopup(p.window)) != p.window && IsWindowVisible(about); }));
            const int ids[] = {1001, 1007, 1008};
            for (int i = 0; i < 3; ++i) texts[i] = window_text(GetDlgItem(about, ids[i]));
            PostMessageA(about, WM_COMMAND, IDOK, 0);
            EXPECT_TRUE(wait_for([&] { return !IsWindow(about) && IsWindowVisible(p.window); }));
            PostMessageA(p.window, end.first, end.second, 0);
        }, &record, &d50));
        EXPECT_EQ(texts[0], "1.0.0.0");
        EXPECT_EQ(texts[1], "VERIHUE is a name of the HUEX colour guides");
        EXPECT_EQ(texts[2].rfind("Color Matching Module (CMM)", 0), 0u) << texts[2];
        EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0) << end.first;
        EXPECT_EQ(d50, 0) << end.first;
    }
}

// After the cancels above the picker opens at the last "Original" colour.
TEST(PickerExports, PackedRgbAndNameCutToTheCallersLength)
{
    const extended_color chosen = color_record(HUEX_SYSTEM_SOLID, 1, 100);
    char full[80];
    const int length = HUEX_GetColorName(&chosen, full);
    ASSERT_GT(length, 2);
    const uint32_t rgb = expected_rgb(HUEX_SYSTEM_SOLID, 1, 100);
    const DWORD packed = ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
    const struct { short max; int expected_length; } cases[] = {
        {79, length}, {static_cast<short>(length), length}, {static_cast<short>(length - 1), length - 1}, {0, 0}, {-1, -1}};
    for (const auto& c : cases) {
        char name[96];
        std::memset(name, 'x', sizeof name);
        DWORD result = 0;
        run_and_press([&] { result = VERIHUE_COLOR_PICKER(name, c.max); }, IDOK);
        EXPECT_EQ(result, packed) << c.max;
        EXPECT_EQ(std::string(name, std::max(c.expected_length, 0) + 2),
                  c.expected_length < 0 ? "xx" : std::string(full, c.expected_length) + '\0' + 'x') << c.max;
    }
    const struct { int button; DWORD result; LONG id; } ends[] = {{IDOK, packed, 0x10064}, {IDCANCEL, 0, -1}};
    for (const auto& e : ends) {
        DWORD result = 1;
        LONG id = 0;
        run_and_press([&] { result = VERIHUE_COLOR_PICKER(nullptr, 20); }, e.button);
        run_and_press([&] { id = VERIHUE_SHOW_PICKER(); }, e.button);
        EXPECT_TRUE(result == e.result && id == e.id) << result << " " << id;
    }
    EXPECT_EQ(HUEX_PickColor(nullptr, nullptr, nullptr), 0) << "no record: nothing to hand back";
}

TEST(PickerRun, OwnerIsTheCallersWindowDisabledOnlyDuringTheRun)
{
    // A topmost window of another thread heads the Z order: not the owner, not disabled.
    static HWND other = nullptr;
    HANDLE thread = CreateThread(nullptr, 0, [](void*) -> DWORD {
        other = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 60, nullptr, nullptr, nullptr, nullptr);
        for (MSG msg; GetMessageA(&msg, nullptr, 0, 0) > 0;) DispatchMessageA(&msg);
        return DestroyWindow(other);
    }, nullptr, 0, nullptr);
    ASSERT_TRUE(wait_for([&] { return other != nullptr; }));
    HWND host = make_host_window("host");
    run_and_press([] { VERIHUE_SHOW_PICKER(); }, IDCANCEL, [&](const open_picker& p) {
        EXPECT_EQ(GetWindow(p.window, GW_OWNER), host);
        EXPECT_TRUE(!IsWindowEnabled(host) && IsWindowEnabled(other));
        EXPECT_EQ(VERIHUE_SHOW_PICKER(), -1) << "a call while a picker is open chooses nothing at once";
    });
    EXPECT_TRUE(IsWindowEnabled(host));
    DestroyWindow(host);
    PostThreadMessageA(GetThreadId(thread), WM_QUIT, 0, 0);
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);

    // A destroyed owner counts as none; an extended record naming no colour (code 3877) is no initial colour.
    HWND gone = make_host_window("gone");
    DestroyWindow(gone);
    extended_color record = {0x1200, 0x3400, 0x5600, 0x0F25};
    const extended_color before = record;
    BYTE chosen = 9;
    run_and_press([&] { chosen = HUEX_PickColor(gone, &record, nullptr); }, IDCANCEL,
                  [](const open_picker& p) { EXPECT_EQ(GetWindow(p.window, GW_OWNER), nullptr); });
    EXPECT_EQ(chosen, 0);
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
}

// Live GDI objects, and windows and menus, of this process: under Wine a handle whose high word is 0
// matches whatever lives at its table index (GetGuiResources answers 0).
std::pair<int, int> live_objects()
{
    std::pair<int, int> n = {0, 0};
    for (UINT_PTR i = 1; i < 0x10000; ++i) n.first += GetObjectType(reinterpret_cast<HGDIOBJ>(i)) != 0;
    for (UINT_PTR i = 0x20; i < 0x10000; i += 2) {
        DWORD process = 0;
        n.second += (IsWindow(reinterpret_cast<HWND>(i)) && GetWindowThreadProcessId(reinterpret_cast<HWND>(i), &process) &&
                     process == GetCurrentProcessId()) || IsMenu(reinterpret_cast<HMENU>(i));
    }
    return n;
}

// A hundred runs, the settings tab hidden in every other one, leave nothing behind.
TEST(PickerRun, HundredRunsLeaveNoObjectsOrMemoryBehind)
{
    extended_color record = color_record(HUEX_SYSTEM_SOLID, 0, 5);
    std::pair<int, int> objects;
    process_counts before = {};
    for (int i = 0; i < 104; ++i) {
        if (i == 4) objects = live_objects(), before = current_process_counts();   // once caches of fonts and classes are filled
        EXPECT_EQ(HUEX_ShowSettingsTab(i % 2), 1 - i % 2);
        EXPECT_EQ(i == 0 ? HUEX_ShowSettingsTab(5) : 0, 0) << "an unknown mode changes nothing";
        pick_and_press(IDCANCEL, [&](const open_picker& p) { EXPECT_TRUE(p.tab_count == 2 + i % 2 && (p.pages[2] != nullptr) == (i % 2 == 1)); }, &record);
    }
    expect_no_growth(before, current_process_counts());
    EXPECT_EQ(live_objects(), objects);
    // The count sees a leak: five brushes left behind raise it by five.
    HBRUSH leaked[5];
    for (HBRUSH& b : leaked) b = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(live_objects().first, objects.first + 5);
    for (HBRUSH b : leaked) DeleteObject(b);
}
