// The picker's keyboard and mouse, driven with real input (SendInput after
// SetForegroundWindow) from a driver thread while the test's thread sits in
// the picker, and read back through the windows' state and the exports.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "huex.h"
#include "picker_driver.h"
#include "screen_capture.h"
#include "wine_test_support.h"

namespace {

using check = std::function<bool()>;
constexpr WORD shifted = 0x100;

bool wait_for(const check& done)
{
    for (int i = 0; i < 150 && !done(); ++i) Sleep(20);
    return done();
}

// The window's thread has handled its activation (the picker puts its hook
// back when it becomes active) before the input goes in.
void send(HWND foreground, std::vector<INPUT> in)
{
    if (GetForegroundWindow() != foreground) SetForegroundWindow(foreground);
    wait_for([&] { return GetForegroundWindow() == foreground; });
    DWORD_PTR unused;
    SendMessageTimeoutA(foreground, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &unused);
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

void press(HWND foreground, WORD key)
{
    std::vector<INPUT> in;
    auto add = [&](WORD k, DWORD flags) {
        INPUT i = {INPUT_KEYBOARD};
        i.ki.wVk = k;
        i.ki.dwFlags = flags;
        in.push_back(i);
    };
    if (key & shifted) add(VK_SHIFT, 0);
    add(key & 0xFF, 0);
    add(key & 0xFF, KEYEVENTF_KEYUP);
    if (key & shifted) add(VK_SHIFT, KEYEVENTF_KEYUP);
    send(foreground, in);
}

// Clicks at a screen point: one, or two for a double-click.
void click_at(HWND foreground, POINT at, int clicks = 1)
{
    std::vector<INPUT> in(1 + 2 * clicks, INPUT{INPUT_MOUSE});
    in[0].mi.dx = at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    in[0].mi.dy = at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    for (size_t i = 1; i < in.size(); ++i) in[i].mi.dwFlags = i % 2 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    send(foreground, in);
}

HWND focus_of(HWND window)
{
    GUITHREADINFO info = {sizeof info};
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}

std::string text_of(HWND w)
{
    char text[256] = "";
    return GetWindowTextA(w, text, sizeof text), text;
}

extended_color solid(short flag, int index)
{
    extended_color c = {};
    return HUEX_EncodeColor(HUEX_SYSTEM_SOLID, flag, static_cast<short>(index), &c), c;
}

std::string short_name(short flag, int index)
{
    const extended_color c = solid(flag, index);
    char name[64] = "";
    return HUEX_GetShortColorName(&c, name), name;
}

int picked_index(const extended_color& record)
{
    short system = 0, flag = 0, index = -1;
    return HUEX_DecodeColor(&system, &flag, &index, &record), index;
}

// The current display profile's description, as the picker lists it.
std::string monitor_profile()
{
    char *path = nullptr, name[260] = "";
    if (HUEX_GetMonitorProfile(&path) == HUEX_OK) HUEX_GetProfileName(path, name);
    HUEX_DisposeProfile(path);
    return name;
}

// Where a colour is painted on a window (screen coordinates), outside skip.
RECT painted_area(HWND w, const extended_color& c, const RECT& skip = {})
{
    WORD rgb[3] = {};
    HUEX_GetColorRGB(&c, rgb, 0);
    const screen_image im = capture_window(w);
    RECT r = {INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = 0; y < im.height; ++y)
        for (int x = 0; x < im.width; ++x) {
            const POINT at = {im.left + x, im.top + y};
            if (im.pixels[y * im.width + x] == rgb_of(rgb[0] >> 8, rgb[1] >> 8, rgb[2] >> 8) && !PtInRect(&skip, at))
                r = {std::min(r.left, at.x), std::min(r.top, at.y), std::max(r.right, at.x + 1), std::max(r.bottom, at.y + 1)};
        }
    return r;
}

// Each row: keys pressed, then what must hold within three seconds.
struct key_step {
    std::vector<WORD> keys;
    check holds;
};
void run_steps(HWND window, const std::vector<key_step>& steps)
{
    for (size_t i = 0; i < steps.size(); ++i) {
        for (WORD k : steps[i].keys) press(window, k);
        EXPECT_TRUE(wait_for(steps[i].holds)) << "step " << i;
    }
}
std::vector<WORD> typed(const std::string& text)
{
    std::vector<WORD> keys;
    for (char c : text) keys.push_back(LOBYTE(VkKeyScanA(c)));
    return keys;
}
POINT centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// The solid page shown, its scroll bar focused, colour 0 selected.
struct solid_page {
    HWND child, scroll, edit;
    short flag;
};
solid_page start_on_solid_page(const open_picker& p)
{
    // The picker gives the tab control the focus a moment after it opens.
    EXPECT_TRUE(wait_for([&] { return focus_of(p.window) == p.tab; }));
    click_tab(p, 0);
    solid_page s = {p.pages[0], GetDlgItem(p.pages[0], 90), GetDlgItem(p.pages[0], 92), 0};
    EXPECT_TRUE(wait_for([&] { return IsWindowVisible(s.child) != 0; }));
    s.flag = static_cast<short>(SendDlgItemMessageA(s.child, 91, CB_GETCURSEL, 0, 0));
    PostMessageA(s.child, WM_HSCROLL, SB_TOP, reinterpret_cast<LPARAM>(s.scroll));
    press(p.window, VK_HOME);
    EXPECT_TRUE(wait_for([&] { return text_of(s.edit) == short_name(s.flag, 0); }));
    return s;
}

BYTE open_and_drive(const std::function<void(const open_picker&)>& drive, extended_color* record = nullptr,
                    short* d50 = nullptr)
{
    HWND host = make_host_window("host");
    extended_color unused = {};
    BYTE result = 0;
    run_with_driver([&] { result = HUEX_PickColor(host, record != nullptr ? record : &unused, d50); },
                    [&] {
                        open_picker p = wait_for_picker();
                        ASSERT_NE(p.window, nullptr);
                        drive(p);
                        for (; IsWindow(p.window); Sleep(100)) PostMessageA(p.window, WM_CLOSE, 0, 0);
                    });
    DestroyWindow(host);
    return result;
}

}  // namespace

// The hook belongs to the picker's thread: a window of another thread still
// gets its keys while the picker is open.
TEST(PickerKeys, OtherThreadsKeepTheirKeysAndEscapeCancels)
{
    EXPECT_EQ(0, open_and_drive([](const open_picker& p) {
        HWND other = CreateWindowExA(0, "EDIT", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500, 500, 200, 60, nullptr,
                                     nullptr, GetModuleHandleA(nullptr), nullptr);
        for (WORD k : typed("abc")) press(other, k);
        EXPECT_TRUE(wait_for([&] {
            for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); DispatchMessageA(&msg)) TranslateMessage(&msg);
            return text_of(other) == "abc";
        }));
        DestroyWindow(other);
        press(p.window, VK_ESCAPE);
        EXPECT_TRUE(wait_for([&] { return !IsWindow(p.window); }));
    }));
}

// Navigation at the guide's edges, the Tab order, find-by-name (no match, then
// a match in other letter case), the colour type keeping the index, and
// Enter on OK picking.
TEST(PickerKeys, KeySequencesOnTheSolidPage)
{
    extended_color record = {};
    short flag = 0, other = 0;
    const BYTE chosen = open_and_drive(
        [&](const open_picker& p) {
            const solid_page s = start_on_solid_page(p);
            flag = s.flag;
            other = flag == 0 ? 1 : flag - 1;
            const int rows = HUEX_PubColors(HUEX_SYSTEM_SOLID, flag), total = rows * HUEX_PubPages(HUEX_SYSTEM_SOLID, flag);
            HWND combo = GetDlgItem(s.child, 91);
            auto shows = [&](short f, int index) -> check { return [=] { return text_of(s.edit) == short_name(f, index); }; };
            // The combo box hands its focus to its edit child.
            auto focused = [&](HWND w) -> check { return [=] { HWND f = focus_of(p.window); return f == w || GetParent(f) == w; }; };
            auto edit_is = [&](const char* text, bool selected) -> check {
                return [=] {
                    DWORD from = 1, to = 0;
                    SendMessageA(s.edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
                    return text_of(s.edit) == text && (!selected || (from == 0 && to == strlen(text))) &&
                           focus_of(p.window) == s.edit;
                };
            };
            std::string lower = short_name(flag, 40);
            CharLowerA(&lower[0]);
            run_steps(p.window, {
                {{VK_UP}, shows(flag, rows - 1)},   {{VK_DOWN}, shows(flag, 0)},
                {{VK_LEFT, VK_RIGHT}, shows(flag, rows)}, {{VK_END}, shows(flag, total - 1)},
                {{VK_PRIOR}, shows(flag, total - 1 - 5 * rows)}, {{VK_NEXT}, shows(flag, total - 1)},
                {{VK_HOME}, [&] { return shows(flag, 0)() && focus_of(p.window) == s.scroll; }},
                {{VK_TAB}, focused(s.edit)}, {{VK_TAB}, focused(p.ok)}, {{VK_TAB}, focused(p.cancel)},
                {{VK_TAB}, focused(p.about)}, {{VK_TAB}, focused(p.tab)}, {{VK_TAB}, focused(combo)},
                {{VK_TAB}, focused(s.scroll)}, {{VK_TAB | shifted}, focused(combo)}, {{VK_TAB}, focused(s.scroll)},
                {{'F'}, focused(s.edit)}, {typed("zzzz"), edit_is("zzzz", false)},
                {{VK_RETURN}, edit_is("zzzz", true)},
                {typed(lower), [] { return true; }},
                {{VK_RETURN}, [&] { return shows(flag, 40)() && focus_of(p.window) == p.ok; }},
                {{'C', other > flag ? VK_DOWN : VK_UP}, shows(other, 40)},
                {{VK_TAB, VK_TAB, VK_RETURN, VK_RETURN}, [&] { return !IsWindow(p.window); }},
            });
        },
        &record);
    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(HUEX_GetColorFlag(&record), other);
    EXPECT_EQ(picked_index(record), 40);
}

// With the German texts the letters are theirs: "&Farbtyp" chooses the colour
// type, "Farbname &suchen:" the name box (a small letter in the text). The module is read when the library
// loads, so the case runs in a copy of this program beside a German library.
TEST(PickerKeys, LanguageModuleLetters)
{
    char in_case[4];
    if (GetEnvironmentVariableA("HUEX_GERMAN_CASE", in_case, sizeof in_case) == 0) {
        const std::string dir = fresh_case_dir("picker_german");
        ASSERT_TRUE(copy_library_into(dir) && copy_into("lang\\HUEXLANG.DLL", dir) &&
                    copy_into("test_picker_interaction.exe", dir));
        SetEnvironmentVariableA("HUEX_GERMAN_CASE", "1");
        std::string out;
        EXPECT_EQ(0, run_process("\"" + dir + "test_picker_interaction.exe\" --gtest_filter=*LanguageModuleLetters", dir, &out))
            << out;
        SetEnvironmentVariableA("HUEX_GERMAN_CASE", nullptr);
        return;
    }
    open_and_drive([](const open_picker& p) {
        const solid_page s = start_on_solid_page(p);
        HWND combo = GetDlgItem(s.child, 91);
        run_steps(p.window, {{{'F'}, [&] { return GetParent(focus_of(p.window)) == combo; }},
                             {{VK_TAB}, [&] { return focus_of(p.window) == s.scroll; }},
                             {{'S'}, [&] { return focus_of(p.window) == s.edit; }}});
    });
}

// A click selects and frames a swatch; a double-click on "New" makes the
// selection the "Original"; a double-click on a swatch picks it.
TEST(PickerMouse, ClicksSelectFrameAndPick)
{
    extended_color record = {};
    int rows = 0;
    EXPECT_EQ(1, open_and_drive(
                     [&](const open_picker& p) {
                         const solid_page s = start_on_solid_page(p);
                         rows = HUEX_PubColors(HUEX_SYSTEM_SOLID, s.flag);
                         const extended_color c = solid(s.flag, rows + 2);
                         wait_until_painted(p.window);
                         const RECT swatch = painted_area(s.child, c);
                         ASSERT_LT(swatch.left, swatch.right);
                         click_at(p.window, centre(swatch));
                         EXPECT_TRUE(wait_for([&] { return text_of(s.edit) == short_name(s.flag, rows + 2); }));
                         wait_until_painted(p.window);
                         const screen_image im = capture_window(s.child);   // the frame's corners
                         EXPECT_EQ(im.at(swatch.left - 2, swatch.top - 2), 0u);
                         EXPECT_EQ(im.at(swatch.right + 1, swatch.bottom + 1), 0u);
                         const RECT patch = painted_area(s.child, c, swatch);
                         ASSERT_LT(patch.left, patch.right);
                         click_at(p.window, centre(patch), 2);
                         EXPECT_TRUE(wait_for([&] {   // the "Original" patch shows it too
                             const RECT all = painted_area(s.child, c, swatch);
                             return all.left < patch.left || all.right > patch.right || all.bottom > patch.bottom;
                         }));
                         click_at(p.window, centre(swatch), 2);
                         EXPECT_TRUE(wait_for([&] { return !IsWindow(p.window); }));
                     },
                     &record));
    EXPECT_EQ(picked_index(record), rows + 2);
}

// The settings page's Tab order and keys; Cancel takes the names option back
// but keeps D50; OK returns to the colour page the user came from.
TEST(PickerSettings, TabOrderCancelAndOk)
{
    short d50 = -1;
    open_and_drive(
        [](const open_picker& p) {
            HWND settings = p.pages[2], names = GetDlgItem(settings, 4);
            auto shown = [&](int page) -> check { return [=] { return IsWindowVisible(p.pages[page]) != 0; }; };
            auto focused = [&](int id) -> check { return [=] { return focus_of(p.window) == GetDlgItem(settings, id); }; };
            click_tab(p, 1);
            ASSERT_TRUE(wait_for(shown(1)));
            click_tab(p, 2);
            ASSERT_TRUE(wait_for(shown(2)) && wait_for([&] { return focus_of(p.window) == p.tab; }));
            const LRESULT names_before = SendMessageA(names, BM_GETCHECK, 0, 0);
            run_steps(p.window, {{{VK_TAB}, focused(8)}, {{VK_TAB}, focused(5)}, {{VK_TAB}, focused(9)},
                                 {{VK_TAB}, focused(4)}, {{VK_SPACE, VK_TAB}, focused(6)}, {{VK_LEFT, VK_SPACE}, focused(7)}});
            EXPECT_TRUE(wait_for([&] { return SendMessageA(names, BM_GETCHECK, 0, 0) != names_before; }));
            click_button(p.cancel);
            EXPECT_TRUE(wait_for(shown(1)));
            EXPECT_EQ(SendMessageA(names, BM_GETCHECK, 0, 0), names_before);
            EXPECT_EQ(SendMessageA(GetDlgItem(settings, 7), BM_GETCHECK, 0, 0), BST_CHECKED);
            click_tab(p, 2);
            ASSERT_TRUE(wait_for(shown(2)));
            click_button(GetDlgItem(settings, 6));   // back to D65
            wait_until_painted(p.window);
            write_png(bin_dir() + "picker_settings.png", capture_window(p.window));
            click_button(p.ok);
            EXPECT_TRUE(wait_for(shown(1)));
            click_button(p.ok);
            EXPECT_TRUE(wait_for([&] { return !IsWindow(p.window); }));
        },
        nullptr, &d50);
    EXPECT_EQ(d50, 0);
}

// F5 and F6 step through the installed display profiles and back to the
// default; the colours follow.
TEST(PickerSettings, FunctionKeysStepTheDisplayProfile)
{
    HUEX_SetMonitorProfile("Default Display");
    const extended_color c = solid(0, 40);
    WORD before[3], now[3];
    HUEX_GetColorRGB(&c, before, 0);
    open_and_drive([&](const open_picker& p) {
        std::string first;
        auto profile_is = [&](bool is_default) -> check { return [&, is_default] { return (monitor_profile() == "Default Display") == is_default; }; };
        run_steps(p.window, {{{VK_F5}, profile_is(false)},
                             {{}, [&] { first = monitor_profile(); return HUEX_GetColorRGB(&c, now, 0) == HUEX_OK && memcmp(now, before, 6); }},
                             {{VK_F6}, profile_is(true)},
                             {{VK_F6}, [&] { return profile_is(false)() && monitor_profile() != first; }},
                             {{VK_F7}, profile_is(true)}});
    });
    HUEX_GetColorRGB(&c, now, 0);
    EXPECT_EQ(0, memcmp(now, before, sizeof now));
}

// The display-profile dialog: the current profile selected, a double-click
// chooses, Cancel and OK with nothing selected change nothing.
TEST(PickerSettings, DisplayProfileDialog)
{
    HUEX_SetMonitorProfile("Default Display");
    open_and_drive([](const open_picker& p) {
        click_tab(p, 2);
        HWND settings = p.pages[2], dialog = nullptr;
        ASSERT_TRUE(wait_for([&] { return IsWindowVisible(settings) != 0; }));
        auto open_dialog = [&] {
            click_button(GetDlgItem(settings, 8));
            return wait_for([&] { return (dialog = FindWindowA(nullptr, "Select Display Profile")) != nullptr; });
        };
        ASSERT_TRUE(open_dialog());
        HWND list = GetDlgItem(dialog, 1003);
        EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), 0);
        char chosen[260] = "";
        SendMessageA(list, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(chosen));
        // Two files may bear one description: the first of them stands for it.
        const LRESULT k = SendMessageA(list, LB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>(chosen));
        wait_until_painted(dialog);
        write_png(bin_dir() + "picker_profile_dialog.png", capture_window(dialog));
        RECT item;
        SendMessageA(list, LB_SETCURSEL, k, 0);
        SendMessageA(list, LB_GETITEMRECT, k, reinterpret_cast<LPARAM>(&item));
        PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(item.left + 2, item.top + 2));
        EXPECT_TRUE(wait_for([&] { return !IsWindow(dialog); }));
        EXPECT_EQ(monitor_profile(), chosen);
        EXPECT_TRUE(wait_for([&] { return text_of(GetDlgItem(settings, 94)) == chosen; }));
        for (const int button : {IDCANCEL, IDOK}) {
            ASSERT_TRUE(open_dialog());
            EXPECT_EQ(SendMessageA(GetDlgItem(dialog, 1003), LB_GETCURSEL, 0, 0), k);
            SendMessageA(GetDlgItem(dialog, 1003), LB_SETCURSEL, WPARAM(-1), 0);
            click_button(GetDlgItem(dialog, button));
            EXPECT_TRUE(wait_for([&] { return !IsWindow(dialog); }));
            EXPECT_EQ(monitor_profile(), chosen);
        }
    });
    HUEX_SetMonitorProfile("Default Display");
}
