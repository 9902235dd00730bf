#include "picker_window/settings_page_win32.h"


#include "frame/library_state.h"
#include "frame/library_state_win32.h"
#include "frame/texts_win32.h"
#include "picker/picker_state.h"
#include "picker/profile_stepping.h"
#include "picker/settings_layout.h"
#include "picker_window/picker_fonts_win32.h"
#include "picker_window/picker_hook_win32.h"
#include "picker_window/picker_paint_win32.h"
#include "picker_window/picker_windows_win32.h"
#include "picker_window/profile_dialogs_win32.h"
#include "display/display_rgb.h"
#include "profiles/profile_enumeration_win32.h"
#include "profiles/profile_settings.h"

settings_controls settings_ui;
static bool settings_built = false;
static settings_layout settings_places;
static text_size display_label_size, printer_label_size;

static text_size extent_of(HWND window, unsigned id)
{
    const SIZE s = text_id_extent(window, nullptr, id);
    return text_size{s.cx, s.cy};
}

static HWND make_control(HWND parent, const char* cls, const char* text, DWORD ex_style, DWORD style,
                         const pixel_rect& r, int id)
{
    HWND w = CreateWindowExA(ex_style, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.width(),
                             r.height(), parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_handle,
                             nullptr);
    if (w != nullptr && picker_ui.ui_font != nullptr)
        SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(picker_ui.ui_font), FALSE);
    return w;
}

static HWND make_text_control(HWND parent, unsigned text_id, DWORD ex_style, DWORD style, const pixel_rect& r, int id)
{
    char text[256];
    load_text(text_id, text, sizeof text);
    return make_control(parent, "BUTTON", text, ex_style, style, r, id);
}

static void check(HWND button, bool on) { SendMessageA(button, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }

static void check_radios()
{
    check(settings_ui.d50_radio, D50FLAG == 1);
    check(settings_ui.d65_radio, D50FLAG != 1);
}

// The stored options come back from the registry as they were written there:
// a value other than 0 or 1 means its initial value, so that the boxes, the
// radio buttons and the colours all show the same setting.
static void settle_option(uint32_t& option, uint32_t initial)
{
    if (option > 1) option = initial;
}

void settle_stored_options()
{
    settle_option(OPTION_DISPLAY_COLOR_NAMES, 1);
    settle_option(OPTION_SHOW_PROFILE_NAME, 0);
    settle_option(D50FLAG, 0);
}

void build_settings_page(HWND picker_window)
{
    HWND page = picker_ui.settings.child;
    if (settings_built || page == nullptr) return;
    settle_stored_options();
    settings_text_metrics m;
    m.text_height = text_extent_in(picker_window, nullptr, "ABCDEFG").cy;
    m.names_check = extent_of(picker_window, 24);
    m.profile_name_check = extent_of(picker_window, 27);
    const SIZE radio = text_extent_in(picker_window, nullptr, "D65");
    m.radio = text_size{radio.cx, radio.cy};
    m.change = extent_of(picker_window, 29);
    m.cx_vscroll = GetSystemMetrics(SM_CXVSCROLL);
    m.cy_dlgframe = GetSystemMetrics(SM_CYDLGFRAME);
    m.dpi = picker_metrics.dpi;
    const settings_layout& s = settings_places = layout_settings_page(picker_frame, picker_ui.tab_display, m);
    display_label_size = extent_of(picker_window, 30);
    printer_label_size = extent_of(picker_window, 32);

    // Check boxes and radio buttons do not change state by themselves: the
    // page's commands set them, so Space and clicks go one way.
    settings_controls& c = settings_ui;
    c.names_check = make_text_control(page, 24, WS_EX_TRANSPARENT, BS_NOTIFY | BS_CHECKBOX, s.names_check, id_names_check);
    check(c.names_check, OPTION_DISPLAY_COLOR_NAMES == 1);
    c.d65_radio = make_control(page, "BUTTON", "D65", WS_EX_TRANSPARENT, BS_NOTIFY | BS_RADIOBUTTON, s.d65_radio, id_d65_radio);
    c.d50_radio = make_control(page, "BUTTON", "D50", WS_EX_TRANSPARENT, BS_RADIOBUTTON, s.d50_radio, id_d50_radio);
    check_radios();
    c.display_change = make_text_control(page, 29, 0, BS_PUSHBUTTON, s.display_change, id_display_change);
    const DWORD edit_style = WS_BORDER | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL;
    c.display_edit = make_control(page, "EDIT", monitor_profile_name, WS_EX_CLIENTEDGE, edit_style, s.display_edit, id_display_edit);
    c.profile_name_check = make_text_control(page, 27, WS_EX_TRANSPARENT, BS_NOTIFY | BS_CHECKBOX, s.profile_name_check,
                                             id_profile_name_check);
    check(c.profile_name_check, OPTION_SHOW_PROFILE_NAME == 1);
    c.printer_change = make_text_control(page, 29, 0, BS_PUSHBUTTON, s.printer_change, id_printer_change);
    c.printer_edit = make_control(page, "EDIT", printer_profile_name, WS_EX_CLIENTEDGE, edit_style, s.printer_edit, id_printer_edit);
    settings_built = true;
}

void release_settings_page()
{
    settings_built = false;
    settings_ui = settings_controls{};
}

static bool meets(const RECT& update, const pixel_rect& r)
{
    const RECT a = to_rect(r);
    RECT common;
    return IntersectRect(&common, &update, &a) != 0;
}

static void draw_label(HDC dc, unsigned id, const pixel_rect& edit, const text_size& size)
{
    char text[256];
    const int n = load_text(id, text, sizeof text);
    RECT r = to_rect(settings_label_rect(edit, size));
    FillRect(dc, &r, background_brush());
    DrawTextA(dc, text, n, &r, DT_LEFT | DT_TOP);
}

void paint_settings_page(HDC dc, const RECT& update)
{
    if (!settings_built) return;
    HGDIOBJ pen = SelectObject(dc, GetStockObject(BLACK_PEN));
    HGDIOBJ font = SelectObject(dc, picker_ui.ui_font);
    const int mode = SetBkMode(dc, TRANSPARENT);
    const settings_layout& s = settings_places;
    if (meets(update, s.profiles_group)) {
        draw_group_box(dc, s.profiles_group, 28);
        draw_label(dc, 30, s.display_edit, display_label_size);
        draw_label(dc, 32, s.printer_edit, printer_label_size);
    }
    if (meets(update, s.options_group)) draw_group_box(dc, s.options_group, 34);
    SetBkMode(dc, mode);
    SelectObject(dc, font);
    SelectObject(dc, pen);
}

void restore_display_names_option()
{
    OPTION_DISPLAY_COLOR_NAMES = display_names_copy;
    if (settings_ui.names_check != nullptr) check(settings_ui.names_check, OPTION_DISPLAY_COLOR_NAMES != 0);
}

static uint32_t toggle(HWND box)
{
    const bool now = SendMessageA(box, BM_GETCHECK, 0, 0) != BST_CHECKED;
    check(box, now);
    return now ? 1 : 0;
}

static void repaint_picker() { InvalidateRect(picker_ui.window, nullptr, FALSE); }

// The dialogs run as nested dialogs: the picker's hook stays out of the way of
// their own dialog keys until they end.
static void change_profile(HWND settings_child, bool display)
{
    const INT_PTR chosen = display ? run_display_profile_dialog(settings_child) : run_printer_profile_dialog(settings_child);
    if (chosen > 0) {
        if (display) invalidate_display_matrix();
        SetWindowTextA(display ? settings_ui.display_edit : settings_ui.printer_edit,
                       display ? monitor_profile_name : printer_profile_name);
        repaint_picker();
    }
}

bool on_settings_command(HWND settings_child, int id, int code)
{
    switch (id) {
    case id_names_check:
        if (code == BN_CLICKED) OPTION_DISPLAY_COLOR_NAMES = toggle(settings_ui.names_check);
        return true;
    case id_profile_name_check:
        if (code == BN_CLICKED) {
            OPTION_SHOW_PROFILE_NAME = toggle(settings_ui.profile_name_check);
            repaint_picker();
        }
        return true;
    case id_d65_radio:
    case id_d50_radio:
        D50FLAG = id == id_d50_radio ? 1 : 0;
        check_radios();
        invalidate_display_matrix();
        return true;
    case id_display_change: change_profile(settings_child, true); return true;
    case id_printer_change: change_profile(settings_child, false); return true;
    default: return false;
    }
}

// The list box sorts the descriptions as the system does; the default item
// goes on top after the sort.
static bool read_item(HWND list, int index, char* name)
{
    const LRESULT n = SendMessageA(list, LB_GETTEXTLEN, index, 0);
    if (n < 0 || n >= 260) return false;
    return SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(name)) != LB_ERR;
}

void step_display_profile(UINT key)
{
    char name[260];
    lstrcpynA(name, default_display_name, sizeof name);
    if (key != 118 && picker_ui.window != nullptr) {
        HWND list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | LBS_SORT, 0, 0, 100, 100, picker_ui.window, nullptr,
                                    instance_handle, nullptr);
        if (list != nullptr) {
            fill_profile_list(0, list, default_display_name);
            const int n = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
            // One block for the item pointers and their texts: the library
            // uses no C++ runtime allocation (it would pull in a runtime that
            // leaks at every unload).
            const SIZE_T count = n > 0 ? static_cast<SIZE_T>(n) : 0;
            auto* items = static_cast<const char**>(LocalAlloc(LPTR, count * (sizeof(char*) + 260)));
            if (items != nullptr) {
                char* texts = reinterpret_cast<char*>(items + count);
                for (int i = 0; i < n; ++i) {
                    char* text = texts + static_cast<SIZE_T>(i) * 260;
                    if (!read_item(list, i, text)) text[0] = 0;
                    items[i] = text;
                }
                const int32_t choice = step_profile_choice(key, items, n, monitor_profile_name);
                if (choice >= 0 && choice < n) lstrcpynA(name, items[choice], sizeof name);
                LocalFree(items);
            }
            DestroyWindow(list);
        }
    }
    char path[260];
    profile_path_from_name(name, path, default_display_name, 0);
    load_monitor_profile(path);
    if (settings_ui.display_edit != nullptr) SetWindowTextA(settings_ui.display_edit, monitor_profile_name);
}
