// The picker through its exports, on the real window: a host window on this
// thread, a driver thread that finds the picker, reads it off the screen,
// checks it against the picker's window-free unit and presses its buttons.
// The cases run in order and build on the state the previous runs left.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "huex.h"
#include "picker/paint_geometry.h"
#include "picker/swatch_hits.h"
#include "picker_checks.h"
#include "picker_driver.h"
#include "picker_expectations.h"
#include "screen_capture.h"
#include "wine_test_support.h"

namespace {

// One run that the driver ends with a button as soon as the picker is painted.
void run_and_press(const std::function<void()>& open, int button, const std::function<void(const open_picker&)>& look = {})
{
    run_with_driver(open, [&] {
        const open_picker p = wait_for_picker(false);
        ASSERT_NE(p.window, nullptr);
        if (look) look(p);
        click_button(GetDlgItem(p.window, button));
    });
}

extended_color color_record(short system, short flag, short index)
{
    extended_color r = {0, 0, 0, 0};
    HUEX_EncodeColor(system, flag, index, &r);
    return r;
}

}  // namespace

TEST(PickerWindow, FrameControlsAndBothPagesStandWhereTheUnitPutsThem)
{
    ASSERT_EQ(HUEX_ShowSettingsTab(1), 1);
    HWND host = make_host_window("host");
    extended_color record = {0x1111, 0x2222, 0x3333, 0x0025};   // not extended: no initial colour
    BYTE chosen = 9;
    int original = -1, selected = -1;
    std::string selected_name;
    run_with_driver([&] { chosen = HUEX_PickColor(host, &record, nullptr); }, [&] {
        const open_picker p = wait_for_picker();
        ASSERT_NE(p.window, nullptr);
        const frame_layout f = frame_of(p.window);
        EXPECT_EQ(rect_in_parent(p.tab), f.tab);
        const struct { HWND button; int32_t x; } buttons[] = {{p.ok, f.ok_x}, {p.cancel, f.cancel_x}, {p.about, f.about_x}};
        for (const auto& b : buttons)
            EXPECT_EQ(rect_in_parent(b.button), (pixel_rect{b.x, f.button_y, b.x + f.button_width, f.button_y + f.button_height}));
        EXPECT_EQ(p.tab_count, 3);
        const pixel_rect D = display_area(p.tab, f);
        EXPECT_EQ(profile_band_ink(p.window, f), 0) << "the profile's name is shown only when asked for";

        original = check_color_page(p, 0, f, D, page_looks{}, "picker_solid.png");
        click_tab(p, 1);
        wait_until_painted(p.window);
        EXPECT_FALSE(IsWindowVisible(p.pages[0]));
        selected = check_color_page(p, 1, f, D, page_looks{}, "picker_process.png");
        selected_name = window_text(GetDlgItem(p.pages[1], 92));
        click_button(p.ok);
    });
    DestroyWindow(host);
    ASSERT_EQ(chosen, 1);
    // The record names the process colour the OK left selected, in the process code.
    EXPECT_EQ(record.color_system, HUEX_SYSTEM_PROCESS);
    DWORD index = 0;
    ASSERT_EQ(HUEX_GetColorIndex(&record, &index), HUEX_OK);
    EXPECT_EQ(static_cast<int>(index), selected);
    EXPECT_EQ(HUEX_GetColorFlag(&record), static_cast<short>(index >> 8));
    char name[40] = "";
    HUEX_GetShortColorName(&record, name);
    EXPECT_EQ(selected_name, name);
    WORD rgb[3];
    ASSERT_EQ(HUEX_GetColorRGB(&record, rgb, 0), HUEX_OK);
    EXPECT_EQ(record.red & 0xFF00, rgb[0]);
    EXPECT_EQ(record.green & 0xFF00, rgb[1]);
    EXPECT_EQ(record.blue & 0xFF00, rgb[2]);
    EXPECT_GE(original, 0);
}

TEST(PickerWindow, CancelAndCloseChooseNothingAndLeaveTheRecord)
{
    HWND host = make_host_window("host");
    extended_color record = color_record(HUEX_SYSTEM_SOLID, 1, 100);
    record.red |= 0xAB00;
    const extended_color before = record;
    const uint32_t original_rgb = expected_rgb(HUEX_SYSTEM_SOLID, 1, 100);
    short d50 = 77;
    const struct { const char* how; UINT message; WPARAM wparam; } ends[] = {
        {"Cancel", WM_COMMAND, IDCANCEL}, {"close", WM_SYSCOMMAND, SC_CLOSE}};
    for (const auto& end : ends) {
        BYTE chosen = 9;
        run_with_driver([&] { chosen = HUEX_PickColor(host, &record, &d50); }, [&] {
            const open_picker p = wait_for_picker();
            ASSERT_NE(p.window, nullptr);
            const frame_layout f = frame_of(p.window);
            const int page = IsWindowVisible(p.pages[0]) ? 0 : 1;
            const guide g = guide_of_page(p.pages[0], page);
            const expected_page e = expected_page_of(page, f, display_area(p.tab, f), 8, g.rows, g.pages, false);
            // The caller's colour stands in the "Original" patch.
            EXPECT_EQ(corner(capture_window(p.window), p.pages[page], e.view.original_patch), original_rgb);
            PostMessageA(p.window, end.message, end.wparam, 0);
        });
        EXPECT_EQ(chosen, 0) << end.how;
        EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0) << end.how;
        EXPECT_EQ(d50, 0) << end.how;
    }
    // After a cancel the picker opens at the last "Original" colour.
    LONG id = -2;
    run_and_press([&] { id = VERIHUE_SHOW_PICKER(); }, IDOK);
    EXPECT_EQ(id, 0x10064);
    DestroyWindow(host);
}

TEST(PickerExports, PackedRgbAndNameCutToTheCallersLength)
{
    HWND host = make_host_window("host");
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
        if (c.expected_length < 0) {
            EXPECT_EQ(name[0], 'x') << "a negative length writes nothing";
        } else {
            EXPECT_EQ(std::string(name), std::string(full, static_cast<size_t>(c.expected_length))) << c.max;
            EXPECT_EQ(name[c.expected_length + 1], 'x') << "written past the given length";
        }
    }
    DWORD result = 0;
    run_and_press([&] { result = VERIHUE_COLOR_PICKER(nullptr, 20); }, IDOK);
    EXPECT_EQ(result, packed);
    run_and_press([&] { result = VERIHUE_COLOR_PICKER(nullptr, 20); }, IDCANCEL);
    EXPECT_EQ(result, 0u);
    LONG id = 0;
    run_and_press([&] { id = VERIHUE_SHOW_PICKER(); }, IDCANCEL);
    EXPECT_EQ(id, -1);
    EXPECT_EQ(HUEX_OpenResponder(12345), 0);
    EXPECT_EQ(HUEX_CloseResponder(), 0);
    BYTE picked = 9;
    run_with_driver([&] { picked = HUEX_PickColor(host, nullptr, nullptr); }, [] {});
    EXPECT_EQ(picked, 0) << "no record: nothing to hand back";
    DestroyWindow(host);
}

TEST(PickerExports, SettingsTabCanBeHidden)
{
    HWND host = make_host_window("host");
    EXPECT_EQ(HUEX_ShowSettingsTab(0), 1);
    EXPECT_EQ(HUEX_ShowSettingsTab(5), 0);
    extended_color record = {0, 0, 0, 0};
    run_and_press([&] { HUEX_PickColor(host, &record, nullptr); }, IDCANCEL, [](const open_picker& p) {
        EXPECT_EQ(p.tab_count, 2);
        EXPECT_EQ(p.pages[2], nullptr);
    });
    EXPECT_EQ(HUEX_ShowSettingsTab(1), 0);
    run_and_press([&] { HUEX_PickColor(host, &record, nullptr); }, IDCANCEL, [](const open_picker& p) {
        EXPECT_EQ(p.tab_count, 3);
        EXPECT_NE(p.pages[2], nullptr);
    });
    DestroyWindow(host);
}

namespace {

struct topmost_thread {
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HWND window = nullptr;
};

DWORD WINAPI run_topmost_window(void* param)
{
    auto* t = static_cast<topmost_thread*>(param);
    t->window = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "another thread", WS_POPUP | WS_VISIBLE, 0, 0, 100, 60,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetEvent(t->ready);
    while (MsgWaitForMultipleObjects(1, &t->stop, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
    DestroyWindow(t->window);
    return 0;
}

}  // namespace

TEST(PickerRun, OwnerIsTheCallersWindowDisabledOnlyDuringTheRun)
{
    HWND host = make_host_window("host");
    // A topmost window of another thread heads the desktop's Z order; the
    // picker must not take it for its owner and disable it.
    topmost_thread other;
    HANDLE thread = CreateThread(nullptr, 0, run_topmost_window, &other, 0, nullptr);
    WaitForSingleObject(other.ready, 5000);
    ASSERT_NE(other.window, nullptr);
    LONG id = 0;
    run_and_press([&] { id = VERIHUE_SHOW_PICKER(); }, IDCANCEL, [&](const open_picker& p) {
        EXPECT_EQ(GetWindow(p.window, GW_OWNER), host);
        EXPECT_FALSE(IsWindowEnabled(host));
        EXPECT_TRUE(IsWindowEnabled(other.window));
    });
    EXPECT_TRUE(IsWindowEnabled(host));
    SetEvent(other.stop);
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);

    // A destroyed owner counts as none; an extended record that names no
    // colour (code 3877) opens the picker without an initial colour.
    HWND gone = make_host_window("gone");
    DestroyWindow(gone);
    extended_color record = {0x1200, 0x3400, 0x5600, 0x0F25};
    const extended_color before = record;
    BYTE chosen = 9;
    run_and_press([&] { chosen = HUEX_PickColor(gone, &record, nullptr); }, IDCANCEL,
                  [](const open_picker& p) { EXPECT_EQ(GetWindow(p.window, GW_OWNER), nullptr); });
    EXPECT_EQ(chosen, 0);
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
    DestroyWindow(host);
}

TEST(PickerRun, SavedPositionIsReusedUnlessNoScreenShowsItOrItIsZero)
{
    HWND host = make_host_window("host");
    const pixel_rect centred = picker_window_rect(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), 0, 0, 0);
    const struct { POINT move_to; POINT opens_at; } steps[] = {
        {{120, 90}, {centred.left, centred.top}},  // opens wherever the last run left it; moved
        {{5000, 4000}, {120, 90}},                 // reused; then moved beyond every screen
        {{0, 0}, {centred.left, centred.top}},     // out of reach: centred; then moved to (0, 0)
        {{0, 0}, {centred.left, centred.top}},     // (0, 0) centres
    };
    extended_color record = {0, 0, 0, 0};
    bool first = true;
    for (const auto& step : steps) {
        run_and_press([&] { HUEX_PickColor(host, &record, nullptr); }, IDCANCEL, [&](const open_picker& p) {
            RECT r;
            GetWindowRect(p.window, &r);
            if (!first) {
                EXPECT_EQ(r.left, step.opens_at.x);
                EXPECT_EQ(r.top, step.opens_at.y);
            }
            SetWindowPos(p.window, nullptr, step.move_to.x, step.move_to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        });
        first = false;
    }
    DestroyWindow(host);
}

namespace {

LONG nested_result = 0;
bool nested_done = false;

LRESULT CALLBACK reentrant_host_proc(HWND w, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message != WM_APP) return DefWindowProcA(w, message, wparam, lparam);
    nested_result = VERIHUE_SHOW_PICKER();
    nested_done = true;
    return 0;
}

}  // namespace

TEST(PickerRun, ACallWhileAPickerIsOpenChoosesNothingAtOnce)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = reentrant_host_proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "reentrant_host";
    RegisterClassA(&wc);
    HWND host = CreateWindowExA(0, "reentrant_host", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 300, 200,
                                nullptr, nullptr, wc.hInstance, nullptr);
    extended_color record = color_record(HUEX_SYSTEM_SOLID, 0, 5);
    BYTE chosen = 9;
    run_and_press([&] { chosen = HUEX_PickColor(host, &record, nullptr); }, IDOK, [&](const open_picker& p) {
        PostMessageA(host, WM_APP, 0, 0);
        for (int i = 0; i < 250 && !nested_done; ++i) Sleep(20);
        EXPECT_TRUE(nested_done);
        EXPECT_EQ(nested_result, -1);
        EXPECT_TRUE(IsWindowVisible(p.window)) << "the open picker goes on";
        EXPECT_EQ(FindWindowA("VerihuePickerClass", nullptr), p.window);
    });
    EXPECT_EQ(chosen, 1) << "the open run still hands its choice back";
    DestroyWindow(host);
}

namespace {

// Live GDI objects of this process. Under Wine a GDI handle is a table index
// in the low word with a reuse count above it, and a handle whose high word is
// 0 matches whatever lives at that index: so one pass over the table counts
// them. (GetGuiResources answers 0 under Wine.)
int live_gdi_objects()
{
    int n = 0;
    for (UINT_PTR i = 1; i < 0x10000; ++i) n += GetObjectType(reinterpret_cast<HGDIOBJ>(i)) != 0;
    return n;
}

// Live windows and menus of this process: USER handles are indexed the same
// way, two apart.
int live_user_objects()
{
    int n = 0;
    const DWORD self = GetCurrentProcessId();
    for (UINT_PTR i = 0x20; i < 0x10000; i += 2) {
        HWND w = reinterpret_cast<HWND>(i);
        DWORD process = 0;
        if (IsWindow(w) && GetWindowThreadProcessId(w, &process) && process == self) ++n;
        else if (IsMenu(reinterpret_cast<HMENU>(i))) ++n;
    }
    return n;
}

}  // namespace

TEST(PickerRun, HundredRunsLeaveNoObjectsOrMemoryBehind)
{
    HWND host = make_host_window("host");
    extended_color record = color_record(HUEX_SYSTEM_SOLID, 0, 5);
    const auto one_run = [&] {
        run_with_driver([&] { HUEX_PickColor(host, &record, nullptr); }, [] {
            const open_picker p = wait_for_picker(false);
            if (p.window != nullptr) PostMessageA(p.window, WM_COMMAND, IDCANCEL, 0);
        });
    };
    for (int i = 0; i < 3; ++i) one_run();   // caches of fonts and classes fill once
    const int gdi = live_gdi_objects(), user = live_user_objects();
    const process_counts before = current_process_counts();
    for (int i = 0; i < 100; ++i) one_run();
    const process_counts after = current_process_counts();
    std::printf("GDI objects %d -> %d, USER objects %d -> %d\n", gdi, live_gdi_objects(), user, live_user_objects());
    EXPECT_EQ(live_gdi_objects(), gdi);
    EXPECT_EQ(live_user_objects(), user);
    expect_no_growth(before, after);

    // The count sees a leak: five brushes left behind raise it by five.
    HBRUSH leaked[5];
    for (HBRUSH& b : leaked) b = CreateSolidBrush(RGB(1, 2, 3));
    EXPECT_EQ(live_gdi_objects(), gdi + 5);
    for (HBRUSH b : leaked) DeleteObject(b);
    DestroyWindow(host);
}

TEST(PickerWindow, AboutShowsTheLibrarysVersionBlock)
{
    HWND host = make_host_window("host");
    extended_color record = {0, 0, 0, 0};
    std::string version, trademarks, credits;
    bool picker_stayed = false;
    run_and_press([&] { HUEX_PickColor(host, &record, nullptr); }, IDCANCEL, [&](const open_picker& p) {
        click_button(p.about);
        HWND about = nullptr;
        for (int i = 0; i < 250 && about == nullptr; ++i) {
            Sleep(20);
            HWND w = GetLastActivePopup(p.window);
            if (w != p.window && IsWindowVisible(w)) about = w;
        }
        ASSERT_NE(about, nullptr);
        version = window_text(GetDlgItem(about, 1001));
        trademarks = window_text(GetDlgItem(about, 1007));
        credits = window_text(GetDlgItem(about, 1008));
        PostMessageA(about, WM_COMMAND, IDOK, 0);
        for (int i = 0; i < 250 && IsWindow(about); ++i) Sleep(20);
        picker_stayed = !IsWindow(about) && IsWindowVisible(p.window);
    });
    EXPECT_EQ(version, "1.0.0.0");
    EXPECT_EQ(trademarks, "VERIHUE is a name of the HUEX colour guides");
    EXPECT_EQ(credits.rfind("Color Matching Module (CMM)", 0), 0u) << credits;
    EXPECT_TRUE(picker_stayed);
    DestroyWindow(host);
}
