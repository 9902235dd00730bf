// The colour pages as a screen reader reads them, from the driver thread as a reader in another thread does, the
// events it follows, and high contrast.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

#include "picker/control_ids.h"
#include "picker/paint_geometry.h"
#include "picker_driver.h"
#include "wine_test_support.h"

namespace {

VARIANT item(LONG id)
{
    VARIANT v;
    return VariantInit(&v), v.vt = VT_I4, v.lVal = id, v;
}
std::string text(IAccessible* a, const VARIANT& id, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*))
{
    BSTR b = nullptr;
    char out[256] = "";
    if (SUCCEEDED((a->*get)(id, &b)) && b) WideCharToMultiByte(CP_ACP, 0, b, -1, out, sizeof out, nullptr, nullptr);
    return SysFreeString(b), out;
}
// A role or state of an item, or (id < 0) the selection or focus; -1 when there is none.
LONG number(IAccessible* a, LONG id, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*))
{
    VARIANT v;
    VariantInit(&v);
    const HRESULT hr = id == -1 ? a->get_accSelection(&v) : id == -2 ? a->get_accFocus(&v) : (a->*get)(item(id), &v);
    return hr == S_OK && v.vt == VT_I4 ? v.lVal : -1;
}
std::string full_name(short flag, int index)
{
    const extended_color r = color_record(HUEX_SYSTEM_SOLID, flag, index);
    char name[HUEX_COLOR_NAME_SIZE] = "";
    return HUEX_GetColorName(&r, name), name;
}

// The solid page shown with colour 0 selected and its scroll bar focused, and the page's list object.
struct solid_list {
    HWND page, edit;
    short flag;
    IAccessible* list;
    bool shows(int index) const { return text_of(edit) == short_name(HUEX_SYSTEM_SOLID, flag, index); }
};
solid_list open_solid_list(const open_picker& p)
{
    click_tab(p, 0);
    solid_list s = {p.pages[0], GetDlgItem(p.pages[0], IDC_NAME_EDIT), 0, nullptr};
    EXPECT_TRUE(wait_for([&] { return IsWindowVisible(s.page) != 0; }));
    s.flag = static_cast<short>(SendDlgItemMessageA(s.page, IDC_TYPE_COMBO, CB_GETCURSEL, 0, 0));
    PostMessageA(s.page, WM_HSCROLL, SB_TOP, reinterpret_cast<LPARAM>(GetDlgItem(s.page, IDC_SCROLL_BAR)));
    EXPECT_TRUE(wait_for([&] { return focus_in_thread_of(p.window) == GetDlgItem(s.page, IDC_SCROLL_BAR); }));
    press_key(p.window, VK_HOME);
    EXPECT_TRUE(wait_for([&] { return s.shows(0); }));
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    // __uuidof: the 64-bit oleacc import library's own IID_IAccessible is not the interface's id.
    EXPECT_EQ(AccessibleObjectFromWindow(s.page, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&s.list)), S_OK);
    return s;
}

// Focus and selection events of the process, recorded on a thread of their own with its own message loop.
std::mutex events_lock;
std::vector<std::array<LONG, 3>> events;   // event, object, child
HWND events_window = nullptr;
void CALLBACK on_event(HWINEVENTHOOK, DWORD event, HWND w, LONG object, LONG child, DWORD, DWORD)
{
    const std::lock_guard<std::mutex> held(events_lock);
    if (w == events_window) events.push_back({LONG(event), object, child});
}
DWORD WINAPI event_thread(void*)
{
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_SELECTION, nullptr, on_event, GetCurrentProcessId(), 0,
                                         WINEVENT_OUTOFCONTEXT);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return UnhookWinEvent(hook), 0;
}

// A high-contrast scheme of distinct colours and the seam switched on, both undone on every path.
struct high_contrast_scheme {
    const std::array<int, 8> items = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNTEXT, COLOR_HIGHLIGHT, COLOR_BTNFACE, COLOR_INACTIVEBORDER,
                                      COLOR_3DHILIGHT, COLOR_3DSHADOW};
    const std::array<COLORREF, 8> scheme = {RGB(16, 16, 32), RGB(255, 255, 255), RGB(255, 255, 0), RGB(0, 255, 255), 0, 0, RGB(255, 255, 255),
                                            RGB(128, 128, 128)};
    std::array<COLORREF, 8> saved;
    high_contrast_scheme()
    {
        for (size_t i = 0; i < items.size(); ++i) saved[i] = GetSysColor(items[i]);
        SetSysColors(int(items.size()), items.data(), scheme.data());
    }
    ~high_contrast_scheme() { SetEnvironmentVariableA("HUEX_HIGH_CONTRAST_TEST", nullptr), SetSysColors(int(items.size()), items.data(), saved.data()); }
    uint32_t rgb(int i) const { return rgb_of(GetRValue(scheme[i]), GetGValue(scheme[i]), GetBValue(scheme[i])); }
};

}  // namespace

// Every visible swatch named as the exports name it, its states and place; the default action chooses the colour. The
// host's thread is a single-threaded apartment, as most hosts' are: the reader's calls come through its picker's loop.
TEST(PickerAccess, ListItemsNameStatePlaceAndDefaultAction)
{
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    extended_color record = {};
    const BYTE result = pick_and_drive([&](const open_picker& p) {
        solid_list s = open_solid_list(p);
        ASSERT_TRUE(s.list != nullptr);
        const swatch_view v = expected_page_of(p, 0, 8, false).view;
        HWND from = nullptr;
        EXPECT_TRUE(WindowFromAccessibleObject(s.list, &from) == S_OK && from == s.page);
        EXPECT_EQ(number(s.list, CHILDID_SELF, &IAccessible::get_accRole), ROLE_SYSTEM_LIST);
        LONG count = 0, items = 0;
        EXPECT_EQ(s.list->get_accChildCount(&count), S_OK);
        for (LONG id = 1; id <= count; ++id) {
            if (number(s.list, id, &IAccessible::get_accRole) != ROLE_SYSTEM_LISTITEM) continue;
            ++items;
            LONG x = 0, y = 0, w = 0, h = 0;
            VARIANT hit;
            const pixel_rect r = on_screen(s.page, swatch_rect(v, id - 1));
            EXPECT_TRUE(s.list->accLocation(&x, &y, &w, &h, item(id)) == S_OK && x == r.left && y == r.top && w == r.width() && h == r.height()) << id;
            EXPECT_TRUE(s.list->accHitTest(x + w / 2, y + h / 2, &hit) == S_OK && hit.vt == VT_I4 && hit.lVal == id) << id;
        }
        // What each item says is the native tests' to decide; here that it crosses to the reader.
        EXPECT_TRUE(items == v.per_screen && text(s.list, item(3), &IAccessible::get_accName) == full_name(s.flag, 2));
        EXPECT_EQ(number(s.list, 1, &IAccessible::get_accState), STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED);
        EXPECT_TRUE(number(s.list, -1, nullptr) == 1 && number(s.list, -2, nullptr) == 1);
        EXPECT_EQ(s.list->accDoDefaultAction(item(5)), S_OK);
        EXPECT_TRUE(wait_for([&] { return s.shows(4); }));
        EXPECT_EQ(number(s.list, -1, nullptr), 5);
        click_button(p.ok);
        // A reader that keeps the object past the run is told it is gone.
        EXPECT_TRUE(wait_for([&] { return !IsWindow(p.window); }));
        EXPECT_TRUE(FAILED(s.list->get_accChildCount(&count)));
        s.list->Release();
    }, &record);
    short system = 0, flag = 0, index = -1;
    HUEX_DecodeColor(&system, &flag, &index, &record);
    EXPECT_TRUE(result == 1 && index == 4);
    CoUninitialize();
}

// Three arrow keys and one colour typed as the Lab its item tells: selection (and, on the grid, focus) events of the
// items in order, and the item an event names is that colour.
TEST(PickerAccess, EventsFollowKeysAndFindByValue)
{
    pick_and_drive([&](const open_picker& p) {
        solid_list s = open_solid_list(p);
        ASSERT_TRUE(s.list != nullptr);
        double L = 0, a = 0, b = 0;
        const std::string value = text(s.list, item(21), &IAccessible::get_accValue);
        ASSERT_EQ(std::sscanf(value.c_str(), "Page %*[^,], #%*6[0-9A-F], Lab %lf %lf %lf", &L, &a, &b), 3) << value;
        char lab[64];
        std::snprintf(lab, sizeof lab, "lab %.1f %.1f %.1f\r", L, a, b);
        events_window = s.page;
        DWORD listener_id = 0;
        HANDLE listener = CreateThread(nullptr, 0, event_thread, nullptr, 0, &listener_id);
        wait_for([&] { return PostThreadMessageA(listener_id, WM_NULL, 0, 0) != 0; });
        for (int k = 0; k < 3; ++k) press_key(p.window, VK_DOWN);
        EXPECT_TRUE(wait_for([&] { return s.shows(3); }));
        press_key(p.window, 'F');
        EXPECT_TRUE(wait_for([&] { return focus_in_thread_of(p.window) == s.edit; }));
        for (char c : std::string(lab)) press_key(p.window, WORD(LOBYTE(VkKeyScanA(c)) | (HIBYTE(VkKeyScanA(c)) & 1 ? shifted_key : 0)));
        EXPECT_TRUE(wait_for([&] { return s.shows(20) && focus_in_thread_of(p.window) == p.ok; }));
        std::vector<std::array<LONG, 3>> want;
        for (LONG id : {2, 3, 4}) want.push_back({EVENT_OBJECT_SELECTION, OBJID_CLIENT, id}), want.push_back({EVENT_OBJECT_FOCUS, OBJID_CLIENT, id});
        want.push_back({EVENT_OBJECT_SELECTION, OBJID_CLIENT, 21});
        EXPECT_TRUE(wait_for([&] { return std::lock_guard<std::mutex>(events_lock), events.size() >= want.size(); }));
        PostThreadMessageA(listener_id, WM_QUIT, 0, 0);
        WaitForSingleObject(listener, INFINITE);
        CloseHandle(listener);
        EXPECT_EQ(events, want);
        IAccessible* named = nullptr;
        VARIANT child;
        ASSERT_EQ(AccessibleObjectFromEvent(s.page, OBJID_CLIENT, 21, &named, &child), S_OK);
        EXPECT_EQ(text(named, child, &IAccessible::get_accName), full_name(s.flag, 20));
        named->Release();
        s.list->Release();
        click_button(p.cancel);
    });
}

// Once the picker hears of high contrast the scheme takes ground, texts and the selection mark; the swatches keep their
// colours and their names sit on boxes of the window colour.
TEST(PickerAccess, HighContrastPaintsWithTheSystemColours)
{
    high_contrast_scheme hc;
    pick_and_drive([&](const open_picker& p) {
        solid_list s = open_solid_list(p);
        if (s.list) s.list->Release();
        const expected_page e = expected_page_of(p, 0, 8, false);
        const pixel_rect ground = on_screen(s.page, white_ground(e.metrics, e.view.swatch_area)), first = swatch_rect(e.view, 0);
        // The selection's frame stands two pixels outside its swatch.
        const pixel_rect mark = on_screen(s.page, pixel_rect{first.left - 2, first.top - 2, first.right + 2, first.bottom + 2});
        SetEnvironmentVariableA("HUEX_HIGH_CONTRAST_TEST", "1");
        SendMessageA(p.window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
        for (int page : {1, 0}) {
            click_tab(p, page);
            EXPECT_TRUE(wait_for([&] { return IsWindowVisible(p.pages[page]) != 0; }));
            wait_until_painted(p.window);
            write_png(bin_dir() + (page ? "picker_high_contrast_process.png" : "picker_high_contrast_solid.png"), capture_window(p.window));
        }
        const screen_image shot = capture_window(p.window);
        EXPECT_TRUE(shot.at(ground.left, ground.top) == hc.rgb(0) && shot.at(mark.left, mark.top) == hc.rgb(3));
        int boxed = 0;
        for (int k = 0; k < e.view.per_screen; ++k) {
            const pixel_rect r = on_screen(s.page, swatch_rect(e.view, k));
            EXPECT_EQ(shot.at(r.left + 1, r.top + 1), expected_rgb(HUEX_SYSTEM_SOLID, s.flag, k)) << k;
            bool box = false;
            for (int x = r.left; x < r.right; ++x) box = box || shot.at(x, (r.top + r.bottom) / 2) == hc.rgb(0);
            boxed += box;
        }
        EXPECT_EQ(boxed, e.view.per_screen);
        click_button(p.cancel);
    });
}
