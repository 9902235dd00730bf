// The picker through its exports, on the real window: a host window on this
// thread, a driver thread that finds the picker, reads it off the screen,
// checks it against the picker's window-free unit and presses its buttons.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "huex.h"
#include "picker_checks.h"
#include "wine_test_support.h"

namespace {

// One run that the driver ends with a button as soon as the picker is painted.
void run_and_press(const std::function<void()>& open, int button, const std::function<void(const open_picker&)>& look = {})
{
    drive_picker(open, [&](const open_picker& p) {
        if (look) look(p);
        click_button(GetDlgItem(p.window, button));
    });
}

}  // namespace

TEST(PickerWindow, FrameControlsAndBothPagesStandWhereTheUnitPutsThem)
{
    ASSERT_EQ(HUEX_ShowSettingsTab(1), 1);
    extended_color record = {0x1111, 0x2222, 0x3333, 0x0025};   // not extended: no initial colour
    int selected = -1;
    std::string selected_name;
    const BYTE chosen = pick_and_drive(
        [&](const open_picker& p) {
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
            selected_name = window_text(GetDlgItem(p.pages[1], 92));
            click_button(p.ok);
        },
        &record);
    ASSERT_EQ(chosen, 1);
    // The record names the process colour OK left selected, in the process code.
    EXPECT_EQ(record.color_system, HUEX_SYSTEM_PROCESS);
    DWORD index = 0;
    ASSERT_EQ(HUEX_GetColorIndex(&record, &index), HUEX_OK);
    EXPECT_EQ(static_cast<int>(index), selected);
    EXPECT_EQ(HUEX_GetColorFlag(&record), static_cast<short>(index >> 8));
    EXPECT_EQ(short_name(HUEX_SYSTEM_PROCESS, 0, selected), selected_name);
    WORD rgb[3];
    ASSERT_EQ(HUEX_GetColorRGB(&record, rgb, 0), HUEX_OK);
    EXPECT_EQ(record.red & 0xFF00, rgb[0]);
    EXPECT_EQ(record.green & 0xFF00, rgb[1]);
    EXPECT_EQ(record.blue & 0xFF00, rgb[2]);
}

TEST(PickerWindow, CancelAndCloseChooseNothingAndLeaveTheRecord)
{
    HWND host = make_host_window("host");
    extended_color record = color_record(HUEX_SYSTEM_SOLID, 1, 100);
    record.red |= 0xAB00;
    const extended_color before = record;
    for (const auto& end : {std::make_pair(WM_COMMAND, IDCANCEL), {WM_SYSCOMMAND, SC_CLOSE}}) {
        short d50 = 77;
        BYTE chosen = 9;
        drive_picker([&] { chosen = HUEX_PickColor(host, &record, &d50); }, [&](const open_picker& p) {
            const int page = IsWindowVisible(p.pages[0]) ? 0 : 1;
            // The caller's colour stands in the "Original" patch.
            EXPECT_EQ(corner(capture_window(p.window), p.pages[page], expected_page_of(p, page, 8, false).view.original_patch),
                      expected_rgb(HUEX_SYSTEM_SOLID, 1, 100));
            PostMessageA(p.window, end.first, end.second, 0);
        });
        EXPECT_EQ(chosen, 0) << end.first;
        EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0) << end.first;
        EXPECT_EQ(d50, 0) << end.first;
    }
    // After a cancel the picker opens at the last "Original" colour.
    LONG id = -2;
    run_and_press([&] { id = VERIHUE_SHOW_PICKER(); }, IDOK);
    EXPECT_EQ(id, 0x10064);
    DestroyWindow(host);
}

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
        if (c.expected_length < 0) EXPECT_EQ(name[0], 'x') << "a negative length writes nothing";
        else EXPECT_EQ(std::string(name), std::string(full, static_cast<size_t>(c.expected_length))) << c.max;
        EXPECT_EQ(name[c.expected_length + 1], 'x') << "written past the given length " << c.max;
    }
    const struct { int button; DWORD result; LONG id; } ends[] = {{IDOK, packed, 0x10064}, {IDCANCEL, 0, -1}};
    for (const auto& e : ends) {
        DWORD result = 1;
        LONG id = 0;
        run_and_press([&] { result = VERIHUE_COLOR_PICKER(nullptr, 20); }, e.button);
        run_and_press([&] { id = VERIHUE_SHOW_PICKER(); }, e.button);
        EXPECT_EQ(result, e.result);
        EXPECT_EQ(id, e.id);
    }
    HWND host = make_host_window("host");
    EXPECT_EQ(HUEX_PickColor(host, nullptr, nullptr), 0) << "no record: nothing to hand back";
    DestroyWindow(host);
}

TEST(PickerExports, SettingsTabCanBeHidden)
{
    HWND host = make_host_window("host");
    extended_color record = {0, 0, 0, 0};
    const struct { LONG mode, previous; int tabs; } steps[] = {{0, 1, 2}, {1, 0, 3}};
    for (const auto& s : steps) {
        EXPECT_EQ(HUEX_ShowSettingsTab(s.mode), s.previous);
        EXPECT_EQ(s.mode == 0 ? HUEX_ShowSettingsTab(5) : 0, 0) << "an unknown mode changes nothing";
        run_and_press([&] { HUEX_PickColor(host, &record, nullptr); }, IDCANCEL, [&](const open_picker& p) {
            EXPECT_EQ(p.tab_count, s.tabs);
            EXPECT_EQ(p.pages[2] != nullptr, s.tabs == 3);
        });
    }
    DestroyWindow(host);
}

namespace {

struct other_thread_window {
    HWND window = nullptr;
    HANDLE stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
};

DWORD WINAPI run_topmost_window(void* param)
{
    auto* t = static_cast<other_thread_window*>(param);
    t->window = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "another thread", WS_POPUP | WS_VISIBLE, 0, 0, 100, 60,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    MSG msg;
    while (MsgWaitForMultipleObjects(1, &t->stop, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1)
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    DestroyWindow(t->window);
    return 0;
}

}  // namespace

TEST(PickerRun, OwnerIsTheCallersWindowDisabledOnlyDuringTheRun)
{
    HWND host = make_host_window("host");
    // A topmost window of another thread heads the desktop's Z order; the
    // picker must not take it for its owner and disable it.
    other_thread_window other;
    HANDLE thread = CreateThread(nullptr, 0, run_topmost_window, &other, 0, nullptr);
    ASSERT_TRUE(wait_for([&] { return other.window != nullptr; }));
    run_and_press([&] { VERIHUE_SHOW_PICKER(); }, IDCANCEL, [&](const open_picker& p) {
        EXPECT_EQ(GetWindow(p.window, GW_OWNER), host);
        EXPECT_FALSE(IsWindowEnabled(host));
        EXPECT_TRUE(IsWindowEnabled(other.window));
        // A call while the picker is open chooses nothing at once; the open picker goes on.
        EXPECT_EQ(VERIHUE_SHOW_PICKER(), -1);
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
    const pixel_rect c = picker_window_rect(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), 0, 0, 0);
    // Each run opens where expected (the first wherever the last run left it), then is moved.
    const struct { POINT opens_at, move_to; } steps[] = {
        {{-1, -1}, {120, 90}}, {{120, 90}, {5000, 4000}}, {{c.left, c.top}, {0, 0}}, {{c.left, c.top}, {0, 0}}};
    extended_color record = {0, 0, 0, 0};
    for (const auto& step : steps) {
        run_and_press([&] { HUEX_PickColor(host, &record, nullptr); }, IDCANCEL, [&](const open_picker& p) {
            RECT r;
            GetWindowRect(p.window, &r);
            EXPECT_TRUE(step.opens_at.x < 0 || (r.left == step.opens_at.x && r.top == step.opens_at.y)) << r.left << ", " << r.top;
            SetWindowPos(p.window, nullptr, step.move_to.x, step.move_to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        });
    }
    DestroyWindow(host);
}

namespace {

// Live GDI objects of this process. Under Wine a GDI handle is a table index
// in the low word with a reuse count above it, and a handle whose high word is
// 0 matches whatever lives at that index: so one pass over the table counts
// them. USER handles (windows, menus) are indexed the same way, two apart.
int live_gdi_objects()
{
    int n = 0;
    for (UINT_PTR i = 1; i < 0x10000; ++i) n += GetObjectType(reinterpret_cast<HGDIOBJ>(i)) != 0;
    return n;
}

int live_user_objects()
{
    int n = 0;
    for (UINT_PTR i = 0x20; i < 0x10000; i += 2) {
        HWND w = reinterpret_cast<HWND>(i);
        DWORD process = 0;
        n += (IsWindow(w) && GetWindowThreadProcessId(w, &process) && process == GetCurrentProcessId()) ||
             IsMenu(reinterpret_cast<HMENU>(i));
    }
    return n;
}

}  // namespace

TEST(PickerRun, HundredRunsLeaveNoObjectsOrMemoryBehind)
{
    HWND host = make_host_window("host");
    extended_color record = color_record(HUEX_SYSTEM_SOLID, 0, 5);
    const auto one_run = [&] { run_and_press([&] { HUEX_PickColor(host, &record, nullptr); }, IDCANCEL); };
    for (int i = 0; i < 3; ++i) one_run();   // caches of fonts and classes fill once
    const int gdi = live_gdi_objects(), user = live_user_objects();
    const process_counts before = current_process_counts();
    for (int i = 0; i < 100; ++i) one_run();
    expect_no_growth(before, current_process_counts());
    EXPECT_EQ(live_gdi_objects(), gdi);
    EXPECT_EQ(live_user_objects(), user);
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
    std::string texts[3];
    run_and_press([&] { HUEX_PickColor(host, &record, nullptr); }, IDCANCEL, [&](const open_picker& p) {
        click_button(p.about);
        HWND about = nullptr;
        ASSERT_TRUE(wait_for([&] { return (about = GetLastActivePopup(p.window)) != p.window && IsWindowVisible(about); }));
        const int ids[] = {1001, 1007, 1008};
        for (int i = 0; i < 3; ++i) texts[i] = window_text(GetDlgItem(about, ids[i]));
        PostMessageA(about, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(wait_for([&] { return !IsWindow(about); }));
        EXPECT_TRUE(IsWindowVisible(p.window));
    });
    EXPECT_EQ(texts[0], "1.0.0.0");
    EXPECT_EQ(texts[1], "VERIHUE is a name of the HUEX colour guides");
    EXPECT_EQ(texts[2].rfind("Color Matching Module (CMM)", 0), 0u) << texts[2];
    DestroyWindow(host);
}
