#include "picker_driver.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "colorlib/resource_seam.h"
#include "picker/control_ids.h"
#include "picker/paint_geometry.h"
#include "picker/picker_run.h"
#include "frame/text_ids.h"
#include "wine_test_support.h"

// The unit is linked for its geometry only: the colours come from the library's exports.
byte_span builtin_resource(const char*, const char*) { return byte_span{}; }
byte_span addon_resource(addon_record&, const char*) { return byte_span{}; }

namespace {

open_picker find_picker()
{
    open_picker p;
    DWORD process = 0;
    HWND w = FindWindowA("VerihuePickerClass", nullptr);
    if (w == nullptr || !IsWindowVisible(w) || !GetWindowThreadProcessId(w, &process) || process != GetCurrentProcessId()) return p;
    p = {w, GetDlgItem(w, IDC_TAB_CONTROL), GetDlgItem(w, IDOK), GetDlgItem(w, IDCANCEL), GetDlgItem(w, IDC_ABOUT)};
    p.tab_count = static_cast<int>(SendMessageA(p.tab, TCM_GETITEMCOUNT, 0, 0));
    picker_pages(w, p.pages);
    return p;
}

HWND runner = nullptr;   // a window of the picker's thread
LRESULT CALLBACK runner_proc(HWND w, UINT message, WPARAM wparam, LPARAM lparam)
{
    return message == WM_APP ? ((*reinterpret_cast<const std::function<void()>*>(lparam))(), 0) : DefWindowProcA(w, message, wparam, lparam);
}

DWORD WINAPI driver_thread(void* param)
{
    const auto& call = *static_cast<std::pair<const std::function<void(const open_picker&)>*, bool>*>(param);
    open_picker p;
    if (!wait_for([&] { return (p = find_picker()).window != nullptr; })) return ADD_FAILURE() << "no picker opened", 0;
    wait_until_painted(p.window, call.second);
    if (call.second) wait_for([&] { return focus_in_thread_of(p.window) == p.tab; });
    (*call.first)(p);
    for (int i = 1; IsWindow(p.window); ++i, Sleep(20))
        if (i % 25 == 0) PostMessageA(GetLastActivePopup(p.window), WM_CLOSE, 0, 0);   // a dialog the picker opened first
    return 0;
}

// A text's extent (a string resource's when text is null) in the font the library makes of face and points.
SIZE extent(int points, const char* face, unsigned text_id, const char* text = nullptr)
{
    char buffer[256] = "";
    if (text == nullptr) LoadStringA(GetModuleHandleA("huex.dll"), text_id, buffer, sizeof buffer), text = buffer;
    HDC dc = GetDC(nullptr);
    LOGFONTA lf = {};
    lf.lfHeight = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72), lf.lfWeight = FW_NORMAL;
    lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
    HGDIOBJ previous = SelectObject(dc, CreateFontIndirectA(&lf));
    SIZE s = {0, 0};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &s);
    DeleteObject(SelectObject(dc, previous));
    return ReleaseDC(nullptr, dc), s;
}

int pixels_unlike(const screen_image& shot, const pixel_rect& r, uint32_t rgb)
{
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += shot.at(x, y) != rgb;
    return n;
}

// The top-left swatch's guide index: the screen of consecutive colours every swatch's corner agrees with.
int first_shown(const screen_image& shot, HWND child, const swatch_view& v, const guide& g)
{
    for (int first = 0; first + v.per_screen <= g.rows * g.pages; first += g.rows) {
        int k = 0;
        while (k < v.per_screen && corner(shot, child, swatch_rect(v, k)) == expected_rgb(g.system, g.flag, first + k)) ++k;
        if (k == v.per_screen) return first;
    }
    return -1;
}


pixel_rect display_area(const open_picker& p)
{
    const frame_layout f = frame_of(p.window);
    RECT d = {0, 0, f.tab.width(), f.tab.height()};
    return SendMessageA(p.tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&d)), pixel_rect{d.left, d.top, d.right, d.bottom};
}

}  // namespace

void drive_picker(const std::function<void()>& open, const std::function<void(const open_picker&)>& drive, bool ready)
{
    static const WNDCLASSA runner_class = {0, runner_proc, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, "huex_test_runner"};
    static const ATOM registered = RegisterClassA(&runner_class);
    runner = CreateWindowExA(0, MAKEINTATOM(registered), "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    std::pair<const std::function<void(const open_picker&)>*, bool> call = {&drive, ready};
    HANDLE thread = CreateThread(nullptr, 0, driver_thread, &call, 0, nullptr);
    open();
    // The driver may still be checking what the run left: keep this thread's windows answering.
    MSG msg;
    while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1)
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    CloseHandle(thread);
    DestroyWindow(runner);
}

void on_picker_thread(const std::function<void()>& f) { SendMessageA(runner, WM_APP, 0, reinterpret_cast<LPARAM>(&f)); }

BYTE pick_and_drive(const std::function<void(const open_picker&)>& drive, extended_color* record, short* d50, bool ready)
{
    HWND host = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 300, 200, nullptr, nullptr, nullptr, nullptr);
    extended_color unused = {};
    BYTE result = 0;
    drive_picker([&] { result = HUEX_PickColor(host, record != nullptr ? record : &unused, d50); }, drive, ready);
    return DestroyWindow(host), result;
}

void click_tab(const open_picker& p, int index)
{
    RECT r;
    SendMessageA(p.tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PostMessageA(p.tab, WM_LBUTTONDOWN, MK_LBUTTON, at), PostMessageA(p.tab, WM_LBUTTONUP, 0, at);
}

void click_button(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

extended_color color_record(short system, short flag, int index)
{
    extended_color c = {};
    return HUEX_EncodeColor(system, flag, static_cast<short>(index), &c), c;
}

std::string short_name(short system, short flag, int index)
{
    const extended_color c = color_record(system, flag, index);
    char name[64] = "";
    return HUEX_GetShortColorName(&c, name), name;
}

guide guide_of_page(const open_picker& p, int page)
{
    if (page == 1) return guide{HUEX_SYSTEM_PROCESS, 0, 9, 334};
    return guide{HUEX_SYSTEM_SOLID, static_cast<short>(SendDlgItemMessageA(p.pages[0], IDC_TYPE_COMBO, CB_GETCURSEL, 0, 0)), 7, 136};
}

int index_of_short_name(const guide& g, const std::string& name)
{
    for (int i = 0; i < g.rows * g.pages; ++i)
        if (short_name(g.system, g.flag, i) == name) return i;
    return -1;
}


frame_layout frame_of(HWND window)
{
    RECT r;
    return GetWindowRect(window, &r), layout_frame(r.right - r.left, r.bottom - r.top, GetSystemMetrics(SM_CYCAPTION));
}

pixel_rect rect_in_parent(HWND w)
{
    RECT r;
    GetWindowRect(w, &r), MapWindowPoints(nullptr, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
    return pixel_rect{r.left, r.top, r.right, r.bottom};
}

pixel_rect on_screen(HWND child, const pixel_rect& r)
{
    POINT o = {0, 0};
    return ClientToScreen(child, &o), pixel_rect{r.left + o.x, r.top + o.y, r.right + o.x, r.bottom + o.y};
}


expected_page expected_page_of(const open_picker& p, int page, int points, bool palette)
{
    const char* ui = "MS Sans Serif";
    page_text_metrics m;
    m.text_height = extent(points, ui, 0, "ABCDEFG").cy;
    for (unsigned id = IDS_COATED; id <= IDS_TO_PROCESS; ++id) m.widest_type_text = std::max<int32_t>(m.widest_type_text, extent(points, ui, id).cx);
    m.find_label_cx = extent(points, ui, IDS_FIND_NAME).cx, m.find_label_cy = extent(points, ui, IDS_FIND_NAME).cy;
    m.comparison_label_height = extent(7, ui, IDS_ORIGINAL).cy;
    m.label_height = extent(6, "Arial", 0, "99").cy;
    const int metric[] = {SM_CYCAPTION, SM_CXBORDER, SM_CXFRAME, SM_CXVSCROLL, SM_CXHSCROLL, SM_CYHSCROLL, SM_CYMENU, SM_CYDLGFRAME};
    expected_page e;
    picker_system_metrics& sm = e.metrics;
    int32_t* field[] = {&sm.cy_caption, &sm.cx_border, &sm.cx_frame, &sm.cx_vscroll, &sm.cx_hscroll, &sm.cy_hscroll, &sm.cy_menu, &sm.cy_dlgframe};
    for (int i = 0; i < 8; ++i) *field[i] = GetSystemMetrics(metric[i]);
    (page == 0 ? layout_solid_page : layout_process_page)(display_area(p), frame_of(p.window), m, sm, palette, e.layout, e.view);
    const guide g = guide_of_page(p, page);
    e.view.rows = g.rows, e.view.pages = g.pages, e.view.total = g.rows * g.pages, e.view.per_screen = e.view.columns * g.rows;
    compute_swatch_geometry(e.view);
    return e;
}

uint32_t expected_rgb(short system, short flag, int index)
{
    const extended_color r = color_record(system, flag, index);
    WORD rgb[3] = {0, 0, 0};
    return HUEX_GetColorRGB(&r, rgb, 0) == HUEX_OK ? rgb_of(rgb[0] >> 8, rgb[1] >> 8, rgb[2] >> 8) : 0xFFFFFFFFu;
}

uint32_t corner(const screen_image& shot, HWND child, const pixel_rect& r)
{
    const pixel_rect s = on_screen(child, r);
    return shot.at(s.left + 1, s.top + 1);
}

int check_color_page(const open_picker& p, int page, const page_looks& looks, const char* png)
{
    HWND child = p.pages[page];
    EXPECT_TRUE(IsWindowVisible(child));
    EXPECT_TRUE(rect_in_parent(child) == page_child_rect(frame_of(p.window), display_area(p)));
    const guide g = guide_of_page(p, page);
    const expected_page e = expected_page_of(p, page, looks.points, looks.palette);
    EXPECT_TRUE(rect_in_parent(GetDlgItem(child, IDC_SCROLL_BAR)) == e.layout.scroll_bar && rect_in_parent(GetDlgItem(child, IDC_NAME_EDIT)) == e.layout.name_edit);
    // A drop-down combo box is as high as its edit part whatever height it was given.
    pixel_rect combo = rect_in_parent(GetDlgItem(child, IDC_TYPE_COMBO));
    combo.bottom = e.layout.type_combo.bottom;
    EXPECT_TRUE(page != 0 || combo == e.layout.type_combo);

    const screen_image shot = capture_window(p.window);
    write_png(bin_dir() + png, shot);
    // Wine dithers a palette screen's colours from its static colours: there only the palette can be compared.
    EXPECT_TRUE(looks.palette || first_shown(shot, child, e.view, g) >= 0) << "not one screen of consecutive colours";
    for (int k = 0; k < e.view.per_screen; ++k) {
        const pixel_rect r = on_screen(child, swatch_rect(e.view, k));
        const bool ink = pixels_unlike(shot, r, 0xFFFFFF) < r.width() * r.height() || pixels_unlike(shot, r, 0) < r.width() * r.height();
        EXPECT_EQ(ink, looks.names) << "name (white or black) on swatch " << k;
    }
    const int selected = index_of_short_name(g, text_of(GetDlgItem(child, IDC_NAME_EDIT)));
    EXPECT_GE(selected, 0);
    if (looks.palette) return selected;
    EXPECT_EQ(corner(shot, child, e.view.new_patch), expected_rgb(g.system, g.flag, selected));
    // The strip: each column the middle colour of its guide page (the first page's first), from the swatches' bottom to
    // the row above the scroll bar; the first, a middle, the 257th and the last column.
    const int32_t n = strip_columns(e.metrics, e.view);
    EXPECT_EQ(strip_column_at(e.metrics, e.view, 0).color & 0xFFFF, uint32_t(g.rows / 2));
    for (const int32_t i : {0, n / 2, std::min(256, n - 1), n - 1}) {
        const strip_column s = strip_column_at(e.metrics, e.view, i);
        for (const int32_t y : {e.view.swatch_area.bottom, e.view.scroll_y - 1})
            EXPECT_EQ(corner(shot, child, pixel_rect{s.x - 1, y - 1, 0, 0}), expected_rgb(g.system, g.flag, int(s.color & 0xFFFF))) << i << " " << y;
    }
    return selected;
}

int profile_band_ink(HWND window)
{
    const int32_t cy = extent(6, "MS Sans Serif", 0, "Default Display").cy;
    const COLORREF c = GetSysColor(COLOR_INACTIVEBORDER);
    const pixel_rect band = on_screen(window, footer_layout(frame_of(window), cy, cy).profile_band);
    return pixels_unlike(capture_window(window), band, rgb_of(GetRValue(c), GetGValue(c), GetBValue(c)));
}
