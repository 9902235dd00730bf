// The picker's window through its exports, read off the screen and driven with real input by a driver thread.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "colorlib/ciede2000.h"
#include "colorlib/color_value.h"
#include "exchange/srgb_from_d50.h"
#include "picker/control_ids.h"
#include "picker/paint_geometry.h"
#include "picker/swatch_hits.h"
#include "picker_driver.h"
#include "test_files.h"
#include "wine_test_support.h"

namespace {

// One run that the driver ends with a button (0: none) as soon as the picker is painted.
void run_and_press(const std::function<void()>& open, int button, const std::function<void(const open_picker&)>& look = {})
{
    drive_picker(open, [&](const open_picker& p) {
        if (look) look(p);
        if (button != 0) click_button(GetDlgItem(p.window, button));
    });
}

using check = std::function<bool()>;

// Each row: keys pressed, then what must hold, looked at on the picker's thread.
struct key_step { std::vector<WORD> keys; check holds; };
bool on_picker_thread_holds(const check& c)
{
    bool holds = false;
    return on_picker_thread([&] { holds = c(); }), holds;
}

void run_steps(HWND window, const std::vector<key_step>& steps)
{
    for (size_t i = 0; i < steps.size(); ++i) {
        if (!IsWindow(window)) return void(ADD_FAILURE() << "the picker closed before step " << i);
        for (WORD k : steps[i].keys) press_key(window, k);
        // A check may already hold before its keys act (a text that stays): it is read once they have been taken.
        wait_for([] { return on_picker_thread_holds([] { return HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE)) == 0; }); });
        EXPECT_TRUE(wait_for([&] { return on_picker_thread_holds(steps[i].holds); }))
            << "step " << i << ", focus " << GetDlgCtrlID(focus_in_thread_of(window));
    }
}
std::vector<WORD> typed(const std::string& text)
{
    std::vector<WORD> keys;
    for (char c : text) keys.push_back(WORD(LOBYTE(VkKeyScanA(c)) | (HIBYTE(VkKeyScanA(c)) & 1 ? shifted_key : 0)));
    return keys;
}
check focused(HWND picker, HWND w) { return [=] { return focus_in_thread_of(picker) == w || GetParent(focus_in_thread_of(picker)) == w; }; }
int picked_index(const extended_color& record)
{
    short system = 0, flag = 0, index = -1;
    return HUEX_DecodeColor(&system, &flag, &index, &record), index;
}
// The current display (printer) profile's description, as the picker lists it.
std::string current_profile(bool printer = false)
{
    char *path = nullptr, name[260] = "";
    if ((printer ? HUEX_GetPrinterProfile(&path) : HUEX_GetMonitorProfile(&path)) == HUEX_OK) HUEX_GetProfileName(path, name);
    return HUEX_DisposeProfile(path), name;
}

// The solid page shown, its scroll bar focused, colour 0 selected.
struct solid_tab {
    HWND child, scroll, edit;
    short flag;
    check shows(int index) const { return [=] { return text_of(edit) == short_name(HUEX_SYSTEM_SOLID, flag, index); }; }
};
solid_tab start_on_solid_page(const open_picker& p)
{
    click_tab(p, 0);
    solid_tab s = {p.pages[0], GetDlgItem(p.pages[0], IDC_SCROLL_BAR), GetDlgItem(p.pages[0], IDC_NAME_EDIT), 0};
    EXPECT_TRUE(wait_for([&] { return IsWindowVisible(s.child) != 0; }));
    s.flag = static_cast<short>(SendDlgItemMessageA(s.child, IDC_TYPE_COMBO, CB_GETCURSEL, 0, 0));
    // A scroll command selects on the page and gives its scroll bar the focus: the keys then act there.
    PostMessageA(s.child, WM_HSCROLL, SB_TOP, reinterpret_cast<LPARAM>(s.scroll));
    run_steps(p.window, {{{VK_HOME}, s.shows(0)}});
    return s;
}

// A colour whose neighbours in its guide all lie 2 dE00 or more away, as the name box takes it: its D50 measurement
// as sRGB (within 0.5 dE00 once in 8 bits) and as Lab.
std::pair<int, std::vector<std::string>> isolated_colour(short system, short flag)
{
    std::vector<cie_lab> g;
    std::vector<std::array<uint16_t, 3>> stored;   // hundredths, as the look-up's 16-bit scale rounds back exactly
    extended_color r;
    for (WORD v[3]; HUEX_EncodeColor(system, flag, short(g.size()), &r) == HUEX_OK && HUEX_GetColorXYZ(&r, v, 1) == HUEX_OK;) {
        stored.push_back({uint16_t((v[0] * 10000u + 65534u) / 65535u), uint16_t((v[1] * 10000u + 65534u) / 65535u), uint16_t((v[2] * 10000u + 65534u) / 65535u)});
        g.push_back(lab_from_d50_hundredths(stored.back().data()));
    }
    for (size_t k = 1; k < g.size(); ++k) {
        uint8_t c[3];
        srgb_from_d50_hundredths(stored[k].data(), c);
        bool alone = ciede2000(lab_from_srgb8(c[0], c[1], c[2]), g[k]) < 0.5;
        for (size_t j = 0; j < g.size() && alone; ++j) alone = j == k || ciede2000(g[j], g[k]) >= 2;
        char hex[8], lab[64];
        std::snprintf(hex, sizeof hex, "#%02x%02x%02x", c[0], c[1], c[2]), std::snprintf(lab, sizeof lab, "lab %.3f, %.3f, %.3f", g[k].L, g[k].a, g[k].b);
        if (alone) return {int(k), {hex, lab}};
    }
    return {-1, {"", ""}};
}

}  // namespace

TEST(PickerWindow, FrameControlsAndBothPagesStandWhereTheUnitPutsThem)
{
    ASSERT_EQ(HUEX_ShowSettingsTab(1), 1);
    extended_color record = {0x1111, 0x2222, 0x3333, 0x0025};   // not extended: no initial colour
    int selected = -1;
    ASSERT_EQ(1, pick_and_drive([&](const open_picker& p) {
        const frame_layout f = frame_of(p.window);
        EXPECT_TRUE(rect_in_parent(p.tab) == f.tab && p.tab_count == 3);
        for (const auto& b : {std::make_pair(p.ok, f.ok_x), {p.cancel, f.cancel_x}, {p.about, f.about_x}})
            EXPECT_EQ(rect_in_parent(b.first), (pixel_rect{b.second, f.button_y, b.second + f.button_width, f.button_y + f.button_height}));
        EXPECT_EQ(profile_band_ink(p.window), 0) << "the profile's name is shown only when asked for";
        EXPECT_GE(check_color_page(p, 0, page_looks{}, "picker_solid.png"), 0);
        click_tab(p, 1);
        wait_until_painted(p.window);
        EXPECT_FALSE(IsWindowVisible(p.pages[0]));
        selected = check_color_page(p, 1, page_looks{}, "picker_process.png");
        click_button(p.ok);
    }, &record, nullptr, false));
    // The record names the process colour OK left selected, in the process code, with its screen colour.
    const uint32_t rgb = expected_rgb(HUEX_SYSTEM_PROCESS, 0, selected);
    EXPECT_TRUE(record.color_system == HUEX_SYSTEM_PROCESS && HUEX_GetColorFlag(&record) == selected >> 8);
    EXPECT_EQ(rgb_of(record.red >> 8, record.green >> 8, record.blue >> 8), rgb);
    DWORD index = 0;
    EXPECT_TRUE(HUEX_GetColorIndex(&record, &index) == HUEX_OK && static_cast<int>(index) == selected) << index;
}

// Whatever the host does around a run, only OK chooses: the record stays, the owner is enabled again and a WM_QUIT the
// run took reaches the host's loop. Nested dialogs keep the hook away through an app switch and give the keys back at once when
// they close; keypad and F keys are no letters.
TEST(PickerHost, EventsAroundTheRunChooseNothing)
{
    auto away_and_press = [](const open_picker& p, HWND dialog, WORD key) {
        HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 600, 600, 40, 40, nullptr, nullptr, nullptr, nullptr);
        EXPECT_TRUE(SetForegroundWindow(other) && wait_for([&] { return GetForegroundWindow() == other; }));
        press_key(dialog, key);
        EXPECT_TRUE(wait_for([&] { return !IsWindow(dialog); }) && IsWindowVisible(p.window) && DestroyWindow(other)) << key;
    };
    // About (page 0), a profile dialog (page 2): the button looked up once its page is shown, which makes a page's controls.
    auto nested = [](const open_picker& p, int page, int button) {
        HWND d = (click_tab(p, page), wait_for([&] { return IsWindowVisible(p.pages[page]) != 0; }),
                  click_button(GetDlgItem(page == 0 ? p.window : p.pages[page], button)), nullptr);
        EXPECT_TRUE(wait_for([&] { return (d = GetLastActivePopup(p.window)) != p.window && IsWindowVisible(d); }));
        return d;
    };
    auto stray_keys = [](const open_picker& p, int page, int next) {   // then Tab from the tab control
        click_tab(p, page);
        ASSERT_TRUE(wait_for([&] { return IsWindowVisible(p.pages[page]) && focus_in_thread_of(p.window) == p.tab; }));
        run_steps(p.window, {{{VK_NUMPAD1, VK_F1, VK_F4, VK_DECIMAL, VK_TAB}, focused(p.window, GetDlgItem(p.pages[page], next))}});
        EXPECT_EQ(GetLastActivePopup(p.window), p.window) << page;
    };
    // A nested dialog closed with Escape: the picker is the foreground window again, the button that opened the dialog has
    // the focus back, and the picker's keys act, with no switch of application between.
    auto after_dialog = [](const open_picker& p, HWND dialog, const std::vector<key_step>& steps) {
        press_key(dialog, VK_ESCAPE);
        EXPECT_TRUE(wait_for([&] { return !IsWindow(dialog); }) && wait_for([&] { return GetForegroundWindow() == p.window; }));
        run_steps(p.window, steps);
    };
    const extended_color mine = color_record(HUEX_SYSTEM_SOLID, 1, 100);
    const struct { const char* event; std::function<void(const open_picker&)> act; bool quit; } rows[] = {
        {"About (its version block), away and back, Enter", [&](const open_picker& p) { HWND d = nested(p, 0, IDC_ABOUT);
            EXPECT_TRUE(text_of(GetDlgItem(d, IDC_ABOUT_VERSION)) == "1.1.0.0" && text_of(GetDlgItem(d, IDC_ABOUT_TRADEMARKS)) == "VERIHUE is a name of the HUEX colour guides" &&
                        text_of(GetDlgItem(d, IDC_ABOUT_CREDITS)).rfind("Color Matching Module (CMM)", 0) == 0);
            away_and_press(p, d, VK_RETURN);
        }, false},
        {"About, away and back, Escape; closed", [&](const open_picker& p) { away_and_press(p, nested(p, 0, IDC_ABOUT), VK_ESCAPE), PostMessageA(p.window, WM_SYSCOMMAND, SC_CLOSE, 0); }, false},
        {"profile dialog, away and back, Enter", [&](const open_picker& p) { away_and_press(p, nested(p, 2, IDC_DISPLAY_CHANGE), VK_RETURN); }, false},
        {"About closed, then F, Tab and Escape", [&](const open_picker& p) { HWND d = nested(p, 0, IDC_ABOUT);
            after_dialog(p, d, {{{}, focused(p.window, p.about)}, {{'F'}, focused(p.window, GetDlgItem(p.pages[0], IDC_NAME_EDIT))},
                                {{VK_TAB}, focused(p.window, p.ok)}, {{VK_ESCAPE}, [&] { return !IsWindow(p.window); }}});
        }, false},
        {"profile dialog closed, then N and Escape", [&](const open_picker& p) { HWND d = nested(p, 2, IDC_DISPLAY_CHANGE);
            after_dialog(p, d, {{{}, focused(p.window, GetDlgItem(p.pages[2], IDC_DISPLAY_CHANGE))}, {{'N'}, focused(p.window, GetDlgItem(p.pages[2], IDC_NAMES_CHECK))},
                                {{VK_ESCAPE}, [&] { return !IsWindowVisible(p.pages[2]); }}});
        }, false},
        {"keypad 1, F1, F4, keypad . on each page", [&](const open_picker& p) { stray_keys(p, 2, IDC_DISPLAY_CHANGE), stray_keys(p, 1, IDC_SCROLL_BAR), stray_keys(p, 0, IDC_TYPE_COMBO); }, false},
        {"a second call while open, refused", [&](const open_picker&) { extended_color other = mine; short word = 77;
            EXPECT_TRUE(HUEX_PickColor(nullptr, &other, &word) == 0 && word == 77 && std::memcmp(&other, &mine, sizeof mine) == 0); }, false},
        {"WM_QUIT", [](const open_picker& p) { PostThreadMessageA(GetWindowThreadProcessId(p.window, nullptr), WM_QUIT, 0, 0); }, true},
        {"the owner closes itself", [](const open_picker& p) { PostMessageA(GetWindow(p.window, GW_OWNER), WM_CLOSE, 0, 0); }, false},
        {"WM_CLOSE to the wait dialog", [](const open_picker&) { PostMessageA(FindWindowA("#32770", ""), WM_CLOSE, 0, 0); }, false},
        {"IDCANCEL to the wait dialog", [](const open_picker&) { PostMessageA(FindWindowA("#32770", ""), WM_COMMAND, IDCANCEL, 0); }, false},
        {"DestroyWindow on the picker", [](const open_picker& p) { on_picker_thread([&] { DestroyWindow(p.window); }); }, false},
    };
    for (const auto& row : rows) {
        HWND owner = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 300, 200, nullptr, nullptr, nullptr, nullptr);
        extended_color record = mine;
        short d50 = 77;   // a run that took place hands back the D50 option
        BYTE chosen = 9, quit = 0;
        MSG m;   // looked for at once: the driver's own loop would take it
        drive_picker([&] { chosen = HUEX_PickColor(owner, &record, &d50), quit = PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE); }, row.act, true);
        EXPECT_TRUE(chosen == 0 && std::memcmp(&record, &mine, sizeof mine) == 0 && d50 == 0 && (!IsWindow(owner) || IsWindowEnabled(owner)) &&
                    quit == row.quit) << row.event << ": " << int(chosen) << " " << d50 << " " << quit;
        DestroyWindow(owner);
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
        DWORD result = (std::memset(name, 'x', sizeof name), 0);
        run_and_press([&] { result = VERIHUE_COLOR_PICKER(name, c.max); }, IDOK);
        EXPECT_TRUE(result == packed && std::string(name, std::max(c.expected_length, 0) + 2) ==
                    (c.expected_length < 0 ? "xx" : std::string(full, c.expected_length) + '\0' + 'x')) << c.max;
    }
    const struct { int button; DWORD result; LONG id; } ends[] = {{IDOK, packed, 0x10064}, {IDCANCEL, 0, -1}};
    for (const auto& e : ends) {
        DWORD result = 1;
        LONG id = 0;
        run_and_press([&] { result = VERIHUE_COLOR_PICKER(nullptr, 20); }, e.button);
        run_and_press([&] { id = VERIHUE_SHOW_PICKER(); }, e.button);
        EXPECT_TRUE(result == e.result && id == e.id) << result << " " << id;
    }
}

TEST(PickerRun, OwnerIsTheCallersWindowDisabledOnlyDuringTheRun)
{
    // A topmost window of another thread heads the Z order: not the owner, not disabled.
    static HWND other = nullptr;
    HANDLE thread = CreateThread(nullptr, 0, [](void*) WINAPI -> DWORD {
        other = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 60, nullptr, nullptr, nullptr, nullptr);
        for (MSG msg; GetMessageA(&msg, nullptr, 0, 0) > 0;) DispatchMessageA(&msg);
        return DestroyWindow(other);
    }, nullptr, 0, nullptr);
    ASSERT_TRUE(wait_for([&] { return other != nullptr; }));
    HWND host = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 300, 200, nullptr, nullptr, nullptr, nullptr);
    run_and_press([] { VERIHUE_SHOW_PICKER(); }, IDCANCEL, [&](const open_picker& p) {
        EXPECT_TRUE(GetWindow(p.window, GW_OWNER) == host && !IsWindowEnabled(host) && IsWindowEnabled(other));
    });
    EXPECT_TRUE(IsWindowEnabled(host) && DestroyWindow(host) && PostThreadMessageA(GetThreadId(thread), WM_QUIT, 0, 0));
    WaitForSingleObject(thread, 5000), CloseHandle(thread);

    // A destroyed owner counts as none; an extended record naming no colour (code 3877) is no initial colour.
    HWND gone = CreateWindowExA(0, "STATIC", "gone", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(gone);
    extended_color record = {0x1200, 0x3400, 0x5600, 0x0F25};
    const extended_color before = record;
    BYTE chosen = 9;
    run_and_press([&] { chosen = HUEX_PickColor(gone, &record, nullptr); }, IDCANCEL,
                  [](const open_picker& p) { EXPECT_EQ(GetWindow(p.window, GW_OWNER), nullptr); });
    EXPECT_TRUE(chosen == 0 && std::memcmp(&record, &before, sizeof record) == 0);
}

// Live GDI objects, and windows and menus: under Wine a handle with high word 0 matches what lives at its index.
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
        EXPECT_TRUE(HUEX_ShowSettingsTab(i % 2) == 1 - i % 2 && (i > 0 || HUEX_ShowSettingsTab(5) == 0));   // 5: unknown, no change
        pick_and_drive([&](const open_picker& p) {
            EXPECT_TRUE(p.tab_count == 2 + i % 2 && (p.pages[2] != nullptr) == (i % 2 == 1));
            click_button(p.cancel);
        }, &record, nullptr, false);
    }
    expect_no_growth(before, current_process_counts());
    EXPECT_EQ(live_objects(), objects);
}

// The hook belongs to the picker's thread: a window of another thread still gets its keys.
TEST(PickerKeys, OtherThreadsKeepTheirKeysAndEscapeCancels)
{
    EXPECT_EQ(0, pick_and_drive([](const open_picker& p) {
        HWND other = CreateWindowExA(0, "EDIT", "", WS_POPUP | WS_VISIBLE, 500, 500, 200, 60, nullptr, nullptr, nullptr, nullptr);
        for (WORD k : typed("abc")) press_key(other, k);
        EXPECT_TRUE(wait_for([&] {
            for (MSG msg; PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); DispatchMessageA(&msg)) TranslateMessage(&msg);
            return text_of(other) == "abc";
        }));
        DestroyWindow(other);
        run_steps(p.window, {{{VK_ESCAPE}, [&] { return !IsWindow(p.window); }}});
    }));
}

// Navigation, Tab order, find-by-name (79, 80 and one past the name width: not found, the text kept; other case), Enter.
TEST(PickerKeys, KeySequencesOnTheSolidPage)
{
    extended_color record = {};
    short other = 0;
    const BYTE chosen = pick_and_drive([&](const open_picker& p) {
        const solid_tab s = start_on_solid_page(p);
        other = s.flag == 0 ? 1 : s.flag - 1;
        const int rows = HUEX_PubColors(HUEX_SYSTEM_SOLID, s.flag), last = rows * HUEX_PubPages(HUEX_SYSTEM_SOLID, s.flag) - 1;
        HWND combo = GetDlgItem(s.child, IDC_TYPE_COMBO);
        auto edit_is = [&](const std::string& text) -> check {
            return [=] {
                DWORD from = 1, to = 0;
                SendMessageA(s.edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
                return text_of(s.edit) == text && from == 0 && to == text.size() && focus_in_thread_of(p.window) == s.edit;
            };
        };
        auto found = [&](int index) -> check { return [=] { return s.shows(index)() && focus_in_thread_of(p.window) == p.ok; }; };
        std::string lower = short_name(HUEX_SYSTEM_SOLID, s.flag, 40), width = "forget-me-not 1";
        CharLowerA(&lower[0]);
        const std::string a79(79, 'a'), a80(80, 'a');
        run_steps(p.window, {{{VK_UP}, s.shows(rows - 1)}, {{VK_RIGHT}, s.shows(2 * rows - 1)}, {{VK_END}, s.shows(last)},
                             {{VK_PRIOR}, s.shows(last - 5 * rows)},
                             {{VK_HOME}, [&] { return s.shows(0)() && focus_in_thread_of(p.window) == s.scroll; }}});
        for (HWND w : {s.edit, p.ok, p.cancel, p.about, p.tab, combo, s.scroll}) run_steps(p.window, {{{VK_TAB}, focused(p.window, w)}});
        run_steps(p.window, {{{VK_TAB | shifted_key}, focused(p.window, combo)}, {{VK_TAB}, focused(p.window, s.scroll)},
                             {{'F'}, focused(p.window, s.edit)}, {typed("zzzz\r"), edit_is("zzzz")},
                             {typed(a79 + "\r"), edit_is(a79)}, {typed(a80 + "\r"), edit_is(a80)},
                             {typed(width + "x\r"), edit_is(width + "x")}, {typed(width + "\r"), found(714)},
                             {{'F'}, focused(p.window, s.edit)}, {typed(lower + "\r"), found(40)}, {{'C', WORD(other > s.flag ? VK_DOWN : VK_UP)},
                              [&] { return text_of(s.edit) == short_name(HUEX_SYSTEM_SOLID, other, 40); }},
                             {{VK_TAB, VK_TAB, VK_RETURN, VK_RETURN}, [&] { return !IsWindow(p.window); }}});
    }, &record);
    EXPECT_TRUE(chosen == 1 && HUEX_GetColorFlag(&record) == other && picked_index(record) == 40);
}

// An isolated colour of each page's guide typed as #rrggbb padded with blanks, then (after Home moved away) as Lab.
TEST(PickerKeys, ValuesSelectTheirColourOnBothPages)
{
    pick_and_drive([&](const open_picker& p) {
        const short flag = start_on_solid_page(p).flag;
        for (int page : {0, 1}) {
            const short system = page ? HUEX_SYSTEM_PROCESS : HUEX_SYSTEM_SOLID, f = page ? 0 : flag;
            const auto v = isolated_colour(system, f);
            // A page's controls are made when it is first shown; painting writes the name box.
            if (page == 1) {
                click_tab(p, 1);
                EXPECT_TRUE(wait_for([&] { return IsWindowVisible(p.pages[1]) != 0; }));
                wait_until_painted(p.window, false);
            }
            HWND edit = GetDlgItem(p.pages[page], IDC_NAME_EDIT);
            auto shows = [&](int index) -> check { return [=] { return text_of(edit) == short_name(system, f, index); }; };
            auto found = [&](int index) -> check { return [=] { return shows(index)() && focus_in_thread_of(p.window) == p.ok; }; };
            // Blanks to one past the name box's 80-character buffer are still no part of the value; a letter after them is no value.
            // The padded texts are put in whole: eighty key presses each would only measure the machine's load.
            const std::string padded = " " + v.second[0] + std::string(80 - v.second[0].size(), ' '), spoilt = padded + "x";
            run_steps(p.window, {{{'F'}, focused(p.window, edit)}});
            SetWindowTextA(edit, spoilt.c_str());
            run_steps(p.window, {{{VK_RETURN}, [&] { return text_of(edit) == spoilt && focus_in_thread_of(p.window) == edit; }}});
            SetWindowTextA(edit, padded.c_str());
            run_steps(p.window, {{{VK_RETURN}, found(v.first)}, {{VK_HOME}, shows(0)}, {{'F'}, focused(p.window, edit)}, {typed(v.second[1] + "\r"), found(v.first)}});
        }
        wait_until_painted(p.window);
        write_png(bin_dir() + "picker_found_by_value.png", capture_window(p.window));
        run_steps(p.window, {{{VK_ESCAPE}, [&] { return !IsWindow(p.window); }}});
    });
}

// The German letters, "&Farbtyp" and a small one in "Farbname &suchen:", in a second library beside the module.
TEST(PickerKeys, LanguageModuleLetters)
{
    const std::string dir = fresh_case_dir("picker_german");
    ASSERT_TRUE(copy_into("huex.dll", dir, "huex_de.dll") && copy_into("lang\\HUEXLANG.DLL", dir));
    HMODULE german = LoadLibraryA((dir + "huex_de.dll").c_str());
    const auto pick = reinterpret_cast<decltype(&HUEX_PickColor)>(reinterpret_cast<void*>(GetProcAddress(german, "HUEX_PickColor")));
    ASSERT_NE(pick, nullptr);
    extended_color record = {};
    drive_picker([&] { pick(nullptr, &record, nullptr); }, [](const open_picker& p) {
        const solid_tab s = start_on_solid_page(p);
        run_steps(p.window, {{{'F'}, focused(p.window, GetDlgItem(s.child, IDC_TYPE_COMBO))}, {{VK_TAB}, focused(p.window, s.scroll)},
                             {{'S'}, focused(p.window, s.edit)}});
    }, true);
    FreeLibrary(german);
}

// Clicks: the strip jumps, the page-label line selects nothing, a swatch is framed; double-clicks on "New" and on a swatch.
TEST(PickerMouse, ClicksJumpSelectFrameAndPick)
{
    extended_color record = {};
    int k = 0;
    EXPECT_EQ(1, pick_and_drive([&](const open_picker& p) {
        const solid_tab s = start_on_solid_page(p);
        const expected_page e = expected_page_of(p, 0, 8, false);
        const swatch_view& v = e.view;
        auto click = [&](const pixel_rect& r, int clicks) {
            const pixel_rect at = on_screen(s.child, r);
            click_at(p.window, {(at.left + at.right) / 2, (at.top + at.bottom) / 2}, clicks);
        };
        const int x = strip_left(e.metrics, v) + strip_geometry(e.metrics, v).n * 3 / 4, y = (v.swatch_area.bottom + v.scroll_y) / 2;
        click(pixel_rect{x, y, x + 1, y + 1}, 1);
        EXPECT_TRUE(wait_for([&] {   // the middle colour of the guide page three quarters along
            const int i = index_of_short_name(guide_of_page(p, 0), text_of(s.edit));
            return i % v.rows == v.rows / 2 && std::abs(i / v.rows - v.pages * 3 / 4) <= 1;
        }));
        const pixel_rect swatch = swatch_rect(v, k = v.rows + 2);
        run_steps(p.window, {{{VK_HOME}, s.shows(0)}});
        click(pixel_rect{v.swatch_area.left, v.label_y, v.swatch_area.left + 4, v.swatch_area.bottom}, 1);
        run_steps(p.window, {{{VK_DOWN}, s.shows(1)}});   // on from colour 0: the label line selected nothing
        click(swatch, 1);
        ASSERT_TRUE(wait_for(s.shows(k)));
        wait_until_painted(p.window);
        const screen_image im = capture_window(s.child);   // the frame's corners
        const uint32_t rgb = expected_rgb(HUEX_SYSTEM_SOLID, s.flag, k);
        EXPECT_TRUE(corner(im, s.child, pixel_rect{swatch.left - 3, swatch.top - 3, 0, 0}) == 0u &&
                    corner(im, s.child, pixel_rect{swatch.right, swatch.bottom, 0, 0}) == 0u && corner(im, s.child, v.original_patch) != rgb);
        click(v.new_patch, 2);
        EXPECT_TRUE(wait_for([&] { return corner(capture_window(s.child), s.child, v.original_patch) == rgb; }));
        click(swatch, 2);
        EXPECT_TRUE(wait_for([&] { return !IsWindow(p.window); }));
    }, &record));
    EXPECT_EQ(picked_index(record), k);
}

// Each guide chosen in the type box: the process page shows the nearest process colour (D65), again the next time; the box shows the guide.
TEST(PickerMouse, ProcessPageShowsTheNearestColourEachTime)
{
    const char* nearest[] = {"080d", "086b", "092f"};   // to "Raspberry 4" of each solid guide
    for (const std::vector<int>& guides : {std::vector<int>{0, 1, 2, 2}, {2}})
        pick_and_drive([&](const open_picker& p) {
            PostMessageA(p.pages[2], WM_COMMAND, MAKEWPARAM(IDC_D65_RADIO, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(p.pages[2], IDC_D65_RADIO)));
            const solid_tab s = start_on_solid_page(p);
            HWND combo = GetDlgItem(s.child, IDC_TYPE_COMBO);
            EXPECT_TRUE(guides.size() > 1 || s.flag == 2);
            run_steps(p.window, {{{'F'}, focused(p.window, s.edit)}, {typed("raspberry 4\r"), s.shows(31)}});
            for (int g : guides) {
                SendMessageA(combo, CB_SETCURSEL, g, 0), SendMessageA(s.child, WM_COMMAND, MAKEWPARAM(IDC_TYPE_COMBO, CBN_SELCHANGE), LPARAM(combo));
                click_tab(p, 1);
                EXPECT_TRUE(wait_for([&] { return IsWindowVisible(p.pages[1]) && text_of(GetDlgItem(p.pages[1], IDC_NAME_EDIT)) == nearest[g]; })) << g;
                click_tab(p, 0);
                EXPECT_TRUE(wait_for([&] { return IsWindowVisible(s.child) && s.shows(31)() && SendMessageA(combo, CB_GETCURSEL, 0, 0) == g; })) << g;
            }
            click_button(p.ok);   // picked: the next run opens on its guide
        });
}

// The settings page's keys; Cancel takes the names option back but keeps D50; OK returns to the colour page.
TEST(PickerSettings, TabOrderCancelAndOk)
{
    short d50 = -1;
    pick_and_drive([](const open_picker& p) {
        HWND settings = p.pages[2];
        auto shown = [&](int page) -> check { return [=] { return IsWindowVisible(p.pages[page]) != 0; }; };
        auto on = [&](int id) -> check { return [=] { return focus_in_thread_of(p.window) == GetDlgItem(settings, id); }; };
        auto checked = [&](int id) { return SendDlgItemMessageA(settings, id, BM_GETCHECK, 0, 0) == BST_CHECKED; };
        start_on_solid_page(p);
        click_tab(p, 2);
        ASSERT_TRUE(wait_for(shown(2)) && wait_for([&] { return focus_in_thread_of(p.window) == p.tab; }));
        const bool names = checked(IDC_NAMES_CHECK);
        run_steps(p.window, {{{VK_TAB}, on(IDC_DISPLAY_CHANGE)}, {{VK_TAB}, on(IDC_PROFILE_NAME_CHECK)}, {{VK_TAB}, on(IDC_PRINTER_CHANGE)}, {{VK_TAB}, on(IDC_NAMES_CHECK)},
                             {{VK_SPACE, VK_TAB}, [&] { return on(IDC_D65_RADIO)() && checked(IDC_NAMES_CHECK) != names; }},
                             {{VK_LEFT, VK_SPACE}, [&] { return on(IDC_D50_RADIO)() && checked(IDC_D50_RADIO); }}});
        click_button(p.cancel);
        EXPECT_TRUE(wait_for(shown(0)) && checked(IDC_NAMES_CHECK) == names && checked(IDC_D50_RADIO));
        click_tab(p, 2);
        ASSERT_TRUE(wait_for(shown(2)));
        click_button(GetDlgItem(settings, IDC_D65_RADIO)), click_button(p.ok);   // back to D65, and OK
        EXPECT_TRUE(wait_for(shown(0)));
    }, nullptr, &d50);
    EXPECT_EQ(d50, 0);
}

// F5/F6 step through the folder's display profiles, F7 to the default; with the current one removed, or none, the default.
TEST(PickerSettings, FunctionKeysStepTheDisplayProfile)
{
    const std::string dir = colour_directory(), away = dir.substr(0, dir.size() - 1) + ".huexcase_away",
                      removed = dir + "huexcase_removed.icc", description = "HUEX Test Display Gamma 2.2";
    std::vector<uint8_t> profile = read_file_bytes(dir + "huex_display_gamma.icc");
    const auto at = std::search(profile.begin(), profile.end(), description.begin(), description.end());
    ASSERT_NE(at, profile.end());
    at[description.size() - 1] = '9';   // a description no other profile bears
    const extended_color c = color_record(HUEX_SYSTEM_SOLID, 0, 40);
    WORD before[3], now[3];
    HUEX_SetMonitorProfile("Default Display"), HUEX_GetColorRGB(&c, before, 0);
    auto colours = [&](bool as_default) { return HUEX_GetColorRGB(&c, now, 0) == HUEX_OK && !memcmp(now, before, 6) == as_default; };
    auto on_default = [&](bool yes) -> check { return [&, yes] { return (current_profile() == "Default Display") == yes && colours(yes); }; };
    auto set_removed = [&] {
        EXPECT_TRUE(write_file_bytes(removed, profile) && HUEX_SetMonitorProfile(removed.c_str()) == HUEX_OK && colours(false));
        return DeleteFileA(removed.c_str()) != 0;
    };
    pick_and_drive([&](const open_picker& p) {
        run_steps(p.window, {{{VK_F5}, on_default(false)}, {{VK_F6}, on_default(true)}, {{VK_F6}, on_default(false)}, {{VK_F7}, on_default(true)}});
        const std::vector<key_step> from_removed = {{{}, set_removed}, {{VK_F5}, on_default(true)}, {{}, set_removed}, {{VK_F6}, on_default(true)}};
        run_steps(p.window, from_removed);
        ASSERT_TRUE(MoveFileA(dir.c_str(), away.c_str()) && CreateDirectoryA(dir.c_str(), nullptr));
        run_steps(p.window, from_removed);
        EXPECT_TRUE(RemoveDirectoryA(dir.c_str()) && MoveFileA(away.c_str(), dir.c_str()));
    });
    EXPECT_TRUE(colours(true));
}

// Both profile dialogs, each listing its own class only: the current one selected, a double-click and OK choose, Cancel and OK on nothing do not.
TEST(PickerSettings, ProfileDialogs)
{
    HUEX_SetMonitorProfile("Default Display");
    pick_and_drive([](const open_picker& p) {
        HWND settings = p.pages[2], dialog = nullptr;
        click_tab(p, 2);
        ASSERT_TRUE(wait_for([&] { return IsWindowVisible(settings) != 0; }));
        const struct { int button, edit; const char* caption; bool printer; const char* other_class; } kinds[] = {
            {IDC_DISPLAY_CHANGE, IDC_DISPLAY_EDIT, "Select Display Profile", false, "HUEX Test Press CMYK"}, {IDC_PRINTER_CHANGE, IDC_PRINTER_EDIT, "Select Printer Profile", true, "HUEX Test Display Gamma 2.2"}};
        // Each row: the item selected (-1 none), how the dialog ends (0: a double-click on the item).
        const struct { int item, end; } rows[] = {{0, IDOK}, {1, 0}, {1, IDCANCEL}, {-1, IDOK}};
        for (const auto& kind : kinds)
            for (const auto& row : rows) {
                std::string expected = current_profile(kind.printer);
                click_button(GetDlgItem(settings, kind.button));
                ASSERT_TRUE(wait_for([&] { return (dialog = FindWindowA(nullptr, kind.caption)) != nullptr; }));
                HWND list = GetDlgItem(dialog, IDC_PROFILE_LIST);
                EXPECT_EQ(SendMessageA(list, LB_GETCURSEL, 0, 0), SendMessageA(list, LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(expected.c_str())));
                EXPECT_EQ(SendMessageA(list, LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(kind.other_class)), LB_ERR) << kind.caption;
                char text[260] = "";
                SendMessageA(list, LB_SETCURSEL, row.item, 0);
                if (SendMessageA(list, LB_GETTEXT, row.item, reinterpret_cast<LPARAM>(text)) > 0 && row.end != IDCANCEL) expected = text;
                RECT r = {};
                SendMessageA(list, LB_GETITEMRECT, row.item, reinterpret_cast<LPARAM>(&r));
                if (row.end == 0) PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(r.left + 2, r.top + 2));
                else click_button(GetDlgItem(dialog, row.end));
                EXPECT_TRUE(wait_for([&] { return !IsWindow(dialog); }) && wait_for([&] {
                    return current_profile(kind.printer) == expected && text_of(GetDlgItem(settings, kind.edit)) == expected;
                })) << kind.caption << " item " << row.item;
            }
    });
    HUEX_SetMonitorProfile("Default Display");
}

// A fresh process whose stored printer start-up could not open stores the printer chosen last in the dialog.
TEST(PickerSettings, PrinterChosenOverAnUnusableStoredOneIsStored)
{
    struct cleared { ~cleared() { delete_settings_key(); } } guard;
    char stored[MAX_PATH] = "Z:\\gone.icc";
    DWORD size = sizeof stored;
    ASSERT_TRUE(!RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\VERIHUE\\HUEX", "PRINTER_PROFILE_PATH", REG_SZ, stored, 12) &&
                run_process("\"" + bin_dir() + "test_picker.exe\" --gtest_filter=PickerSettings.ProfileDialogs", bin_dir()) == 0 &&
                !RegGetValueA(HKEY_CURRENT_USER, "Software\\VERIHUE\\HUEX", "PRINTER_PROFILE_PATH", RRF_RT_REG_SZ, nullptr, stored, &size));
    EXPECT_NE(GetFileAttributesA(stored), INVALID_FILE_ATTRIBUTES) << stored;
}
