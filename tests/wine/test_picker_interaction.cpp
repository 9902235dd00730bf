// The picker's keyboard and mouse, driven with real input (SendInput after
// SetForegroundWindow) from a driver thread while the test's thread sits in
// the picker, and read back through the windows' state and the exports.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "huex.h"
#include "picker_driver.h"
#include "screen_capture.h"
#include "wine_test_support.h"

namespace {

bool wait_for(const std::function<bool()>& done)
{
    for (int i = 0; i < 150; ++i, Sleep(20))
        if (done()) return true;
    return done();
}

void press(HWND foreground, WORD vk, bool shift = false)
{
    SetForegroundWindow(foreground);
    INPUT in[4] = {};
    int n = 0;
    auto key = [&](WORD k, DWORD flags) {
        in[n].type = INPUT_KEYBOARD;
        in[n].ki.wVk = k;
        in[n++].ki.dwFlags = flags;
    };
    if (shift) key(VK_SHIFT, 0);
    key(vk, 0);
    key(vk, KEYEVENTF_KEYUP);
    if (shift) key(VK_SHIFT, KEYEVENTF_KEYUP);
    SendInput(n, in, sizeof(INPUT));
}

void type_text(HWND foreground, const char* text)
{
    for (const char* c = text; *c; ++c) press(foreground, LOBYTE(VkKeyScanA(*c)));
}

HWND focus_of(HWND window)
{
    GUITHREADINFO info = {sizeof info};
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

std::string text_of(HWND w)
{
    char text[256] = "";
    GetWindowTextA(w, text, sizeof text);
    return text;
}

std::string short_name(short flag, int index)
{
    extended_color c = {};
    char name[64] = "";
    HUEX_EncodeColor(HUEX_SYSTEM_SOLID, flag, static_cast<short>(index), &c);
    HUEX_GetShortColorName(&c, name);
    return name;
}

// The current display profile's description, as the picker lists it.
std::string monitor_profile()
{
    char* path = nullptr;
    char name[260] = "";
    HUEX_GetMonitorProfile(&path);
    if (path != nullptr) HUEX_GetProfileName(path, name);
    HUEX_DisposeProfile(path);
    return name;
}

// The solid page shown, its scroll bar focused and colour 0 selected.
struct solid_page {
    HWND child, scroll, edit;
    short flag;
};
solid_page start_on_solid_page(const open_picker& p)
{
    click_tab(p, 0);
    solid_page s = {p.pages[0], GetDlgItem(p.pages[0], 90), GetDlgItem(p.pages[0], 92), 0};
    EXPECT_TRUE(wait_for([&] { return IsWindowVisible(s.child) != 0; }));
    s.flag = static_cast<short>(SendDlgItemMessageA(s.child, 91, CB_GETCURSEL, 0, 0));
    PostMessageA(s.child, WM_HSCROLL, SB_TOP, reinterpret_cast<LPARAM>(s.scroll));
    press(p.window, VK_HOME);
    EXPECT_TRUE(wait_for([&] { return text_of(s.edit) == short_name(s.flag, 0); }));
    return s;
}

void open_and_drive(const std::function<void(const open_picker&)>& drive, BYTE* chosen = nullptr,
                    extended_color* record = nullptr, short* d50 = nullptr)
{
    HWND host = make_host_window("host");
    extended_color unused = {};
    BYTE result = 0;
    run_with_driver([&] { result = HUEX_PickColor(host, record != nullptr ? record : &unused, d50); },
                    [&] {
                        open_picker p = wait_for_picker();
                        ASSERT_NE(p.window, nullptr);
                        drive(p);
                        if (IsWindow(p.window)) PostMessageA(p.window, WM_COMMAND, IDCANCEL, 0);
                    });
    if (chosen != nullptr) *chosen = result;
    DestroyWindow(host);
}

}  // namespace

// The hook belongs to the picker's thread: a window of another thread still
// gets its keys while the picker is open; the picker's own keys still act.
TEST(PickerKeys, OtherThreadsKeepTheirKeysAndEscapeCancels)
{
    BYTE chosen = 9;
    open_and_drive(
        [](const open_picker& p) {
            HWND other = CreateWindowExA(0, "EDIT", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500, 500, 200, 60, nullptr,
                                         nullptr, GetModuleHandleA(nullptr), nullptr);
            SetFocus(other);
            type_text(other, "abc");
            EXPECT_TRUE(wait_for([&] {
                MSG msg;
                while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
                return text_of(other) == "abc";
            })) << text_of(other);
            DestroyWindow(other);
            press(p.window, VK_ESCAPE);
            EXPECT_TRUE(wait_for([&] { return !IsWindow(p.window); }));
        },
        &chosen);
    EXPECT_EQ(chosen, 0);
}

TEST(PickerKeys, NavigationKeysMoveTheSelection)
{
    const int rows = HUEX_PubColors(HUEX_SYSTEM_SOLID, 0);
    const int total = rows * HUEX_PubPages(HUEX_SYSTEM_SOLID, 0);
    const struct {
        WORD key;
        int index;
    } steps[] = {
        {VK_UP, rows - 1}, {VK_DOWN, 0},     {VK_LEFT, 0},         {VK_RIGHT, rows},
        {VK_END, total - 1}, {VK_PRIOR, total - 1 - 5 * rows}, {VK_NEXT, total - 1}, {VK_HOME, 0},
    };
    open_and_drive([&](const open_picker& p) {
        const solid_page s = start_on_solid_page(p);
        ASSERT_EQ(HUEX_PubColors(HUEX_SYSTEM_SOLID, s.flag) * HUEX_PubPages(HUEX_SYSTEM_SOLID, s.flag), total);
        for (const auto& step : steps) {
            press(p.window, step.key);
            EXPECT_TRUE(wait_for([&] { return text_of(s.edit) == short_name(s.flag, step.index); }))
                << "key " << step.key << " shows " << text_of(s.edit);
            EXPECT_EQ(focus_of(p.window), s.scroll);
        }
    });
}

TEST(PickerKeys, TabOrdersOfTheSolidAndSettingsPages)
{
    open_and_drive([](const open_picker& p) {
        const solid_page s = start_on_solid_page(p);
        HWND combo = GetDlgItem(s.child, 91);
        const HWND solid_cycle[] = {s.edit, p.ok, p.cancel, p.about, p.tab, combo, s.scroll};
        for (HWND next : solid_cycle) {
            press(p.window, VK_TAB);
            EXPECT_TRUE(wait_for([&] { return focus_of(p.window) == next; }));
        }
        press(p.window, VK_TAB, true);
        EXPECT_TRUE(wait_for([&] { return focus_of(p.window) == combo; }));

        click_tab(p, 2);
        HWND settings = p.pages[2];
        ASSERT_TRUE(wait_for([&] { return IsWindowVisible(settings) != 0; }));
        const int settings_cycle[] = {8, 5, 9, 4, 6};   // D65 is the selected radio
        ASSERT_TRUE(wait_for([&] { return focus_of(p.window) == p.tab; }));
        for (int id : settings_cycle) {
            press(p.window, VK_TAB);
            EXPECT_TRUE(wait_for([&] { return focus_of(p.window) == GetDlgItem(settings, id); })) << id;
        }
    });
}

// Typing a name in other letter case finds the colour; Enter again picks it.
// A name that matches nothing beeps, keeps the text selected and the selection.
TEST(PickerKeys, FindByName)
{
    extended_color record = {};
    BYTE chosen = 0;
    short flag = 0;
    std::string wanted;
    open_and_drive(
        [&](const open_picker& p) {
            const solid_page s = start_on_solid_page(p);
            flag = s.flag;
            wanted = short_name(s.flag, 40);
            press(p.window, 'F');
            ASSERT_TRUE(wait_for([&] { return focus_of(p.window) == s.edit; }));
            type_text(p.window, "zzzz");
            press(p.window, VK_RETURN);
            EXPECT_TRUE(wait_for([&] {
                DWORD from = 1, to = 0;
                SendMessageA(s.edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
                return text_of(s.edit) == "zzzz" && from == 0 && to == 4;
            }));
            EXPECT_EQ(focus_of(p.window), s.edit);
            std::string lower = wanted;
            CharLowerA(&lower[0]);
            type_text(p.window, lower.c_str());
            press(p.window, VK_RETURN);
            EXPECT_TRUE(wait_for([&] { return text_of(s.edit) == wanted && focus_of(p.window) == p.ok; }))
                << text_of(s.edit);
            press(p.window, VK_RETURN);
            EXPECT_TRUE(wait_for([&] { return !IsWindow(p.window); }));
        },
        &chosen, &record);
    short system = 0, got_flag = -1, index = -1;
    HUEX_DecodeColor(&system, &got_flag, &index, &record);
    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(got_flag, flag);
    EXPECT_EQ(short_name(flag, index), wanted);
}

// Cancel on the settings page takes the names option back but keeps D65; OK
// returns to the colour page the user came from.
TEST(PickerSettings, CancelRestoresNamesOnlyAndOkReturns)
{
    short d50 = -1;
    open_and_drive(
        [](const open_picker& p) {
            HWND settings = p.pages[2];
            click_tab(p, 1);
            ASSERT_TRUE(wait_for([&] { return IsWindowVisible(p.pages[1]) != 0; }));
            click_tab(p, 2);
            ASSERT_TRUE(wait_for([&] { return IsWindowVisible(settings) != 0; }));
            HWND names = GetDlgItem(settings, 4);
            const LRESULT names_before = SendMessageA(names, BM_GETCHECK, 0, 0);
            PostMessageA(settings, WM_COMMAND, 7, 0);   // D50
            click_button(names);
            EXPECT_TRUE(wait_for([&] { return SendMessageA(names, BM_GETCHECK, 0, 0) != names_before; }));
            click_button(GetDlgItem(settings, 6));      // back to D65
            click_button(p.cancel);
            EXPECT_TRUE(wait_for([&] { return IsWindowVisible(p.pages[1]) != 0; }));
            EXPECT_EQ(SendMessageA(names, BM_GETCHECK, 0, 0), names_before);
            EXPECT_EQ(SendMessageA(GetDlgItem(settings, 6), BM_GETCHECK, 0, 0), BST_CHECKED);
            click_tab(p, 2);
            ASSERT_TRUE(wait_for([&] { return IsWindowVisible(settings) != 0; }));
            write_png(bin_dir() + "picker_settings.png", capture_window(p.window));
            click_button(p.ok);
            EXPECT_TRUE(wait_for([&] { return IsWindowVisible(p.pages[1]) != 0; }));
            click_button(p.ok);
            EXPECT_TRUE(wait_for([&] { return !IsWindow(p.window); }));
        },
        nullptr, nullptr, &d50);
    EXPECT_EQ(d50, 0);
}

// F5 and F6 step through the installed display profiles and back to the
// default; the colours follow.
TEST(PickerSettings, FunctionKeysStepTheDisplayProfile)
{
    HUEX_SetMonitorProfile("Default Display");
    extended_color c = {};
    HUEX_EncodeColor(HUEX_SYSTEM_SOLID, 0, 40, &c);
    WORD default_rgb[3], rgb[3];
    HUEX_GetColorRGB(&c, default_rgb, 0);
    open_and_drive([&](const open_picker& p) {
        press(p.window, VK_F5);
        ASSERT_TRUE(wait_for([&] { return monitor_profile() != "Default Display"; }));
        const std::string first = monitor_profile();
        HUEX_GetColorRGB(&c, rgb, 0);
        EXPECT_NE(std::string(reinterpret_cast<char*>(rgb), 6), std::string(reinterpret_cast<char*>(default_rgb), 6));
        press(p.window, VK_F6);
        EXPECT_TRUE(wait_for([&] { return monitor_profile() == "Default Display"; }));
        press(p.window, VK_F6);
        EXPECT_TRUE(wait_for([&] { return monitor_profile() != "Default Display" && monitor_profile() != first; }));
        press(p.window, VK_F5);
        EXPECT_TRUE(wait_for([&] { return monitor_profile() == "Default Display"; }));
        HUEX_GetColorRGB(&c, rgb, 0);
        EXPECT_EQ(0, memcmp(rgb, default_rgb, sizeof rgb));
    });
}

// The display-profile dialog: the current profile selected, a double-click
// chooses, Cancel and OK with nothing selected change nothing.
TEST(PickerSettings, DisplayProfileDialog)
{
    HUEX_SetMonitorProfile("Default Display");
    open_and_drive([](const open_picker& p) {
        click_tab(p, 2);
        HWND settings = p.pages[2];
        ASSERT_TRUE(wait_for([&] { return IsWindowVisible(settings) != 0; }));
        auto open_dialog = [&] {
            HWND d = nullptr;
            click_button(GetDlgItem(settings, 8));
            wait_for([&] { return (d = FindWindowA(nullptr, "Select Display Profile")) != nullptr; });
            return d;
        };
        HWND dialog = open_dialog();
        ASSERT_NE(dialog, nullptr);
        HWND list = GetDlgItem(dialog, 1003);
        EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);
        ASSERT_GT(SendMessageA(list, LB_GETCOUNT, 0, 0), 2);
        char chosen[260] = "";
        SendMessageA(list, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(chosen));
        wait_until_painted(dialog);
        write_png(bin_dir() + "picker_profile_dialog.png", capture_window(dialog));
        SendMessageA(list, LB_SETCURSEL, 2, 0);
        RECT item;
        SendMessageA(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
        PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(item.left + 2, item.top + 2));
        EXPECT_TRUE(wait_for([&] { return !IsWindow(dialog); }));
        EXPECT_EQ(monitor_profile(), chosen);
        EXPECT_TRUE(wait_for([&] { return text_of(GetDlgItem(settings, 94)) == chosen; }));

        for (const bool cancel : {true, false}) {
            dialog = open_dialog();
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(SendMessageA(GetDlgItem(dialog, 1003), LB_GETCURSEL, 0, 0), 2);
            SendMessageA(GetDlgItem(dialog, 1003), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
            click_button(GetDlgItem(dialog, cancel ? IDCANCEL : IDOK));
            EXPECT_TRUE(wait_for([&] { return !IsWindow(dialog); }));
            EXPECT_EQ(monitor_profile(), chosen);
        }
    });
    HUEX_SetMonitorProfile("Default Display");
}
