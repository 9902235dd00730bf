// The settings page, the picker's third tab: its check boxes, radio buttons,
// "Change..." buttons and profile names, placed where picker/settings_layout.*
// puts them; its captions and labels; and what its buttons do to the stored
// options and the current profiles.
#include "picker_window/settings_page_win32.h"

#include "frame/library_state.h"
#include "frame/texts_win32.h"
#include "picker/picker_state.h"
#include "picker/settings_layout.h"
#include "picker_window/make_control_win32.h"
#include "picker_window/picker_fonts_win32.h"
#include "picker_window/picker_paint_win32.h"
#include "picker_window/picker_windows_win32.h"
#include "picker_window/profile_dialogs_win32.h"
#include "display/display_rgb.h"
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
    m.names_check = extent_of(picker_window, IDS_DISPLAY_NAMES);
    m.profile_name_check = extent_of(picker_window, IDS_SHOW_PROFILE_NAME);
    const SIZE radio = text_extent_in(picker_window, nullptr, "D65");
    m.radio = text_size{radio.cx, radio.cy};
    m.change = extent_of(picker_window, IDS_CHANGE);
    m.cx_vscroll = GetSystemMetrics(SM_CXVSCROLL);
    m.cy_dlgframe = GetSystemMetrics(SM_CYDLGFRAME);
    m.dpi = picker_metrics.dpi;
    const settings_layout& s = settings_places = layout_settings_page(picker_frame, picker_ui.tab_display, m);
    display_label_size = extent_of(picker_window, IDS_DISPLAY_PROFILE);
    printer_label_size = extent_of(picker_window, IDS_PRINTER_PROFILE);

    // Check boxes and radio buttons do not change state by themselves: the
    // page's commands set them, so Space and clicks go one way.
    settings_controls& c = settings_ui;
    const DWORD shown = WS_CHILD | WS_VISIBLE;
    const DWORD check_box = shown | BS_NOTIFY | BS_CHECKBOX, push_button = shown | BS_PUSHBUTTON;
    c.names_check = make_text_control(page, IDC_NAMES_CHECK, "BUTTON", check_box, WS_EX_TRANSPARENT, s.names_check,
                                      IDS_DISPLAY_NAMES);
    check(c.names_check, OPTION_DISPLAY_COLOR_NAMES == 1);
    c.d65_radio = make_control(page, IDC_D65_RADIO, "BUTTON", shown | BS_NOTIFY | BS_RADIOBUTTON, WS_EX_TRANSPARENT,
                               s.d65_radio, "D65");
    c.d50_radio =
        make_control(page, IDC_D50_RADIO, "BUTTON", shown | BS_RADIOBUTTON, WS_EX_TRANSPARENT, s.d50_radio, "D50");
    check_radios();
    c.display_change =
        make_text_control(page, IDC_DISPLAY_CHANGE, "BUTTON", push_button, 0, s.display_change, IDS_CHANGE);
    const DWORD edit_style = shown | WS_BORDER | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL;
    c.display_edit = make_control(page, IDC_DISPLAY_EDIT, "EDIT", edit_style, WS_EX_CLIENTEDGE, s.display_edit,
                                  monitor_profile_name);
    c.profile_name_check = make_text_control(page, IDC_PROFILE_NAME_CHECK, "BUTTON", check_box, WS_EX_TRANSPARENT,
                                             s.profile_name_check, IDS_SHOW_PROFILE_NAME);
    check(c.profile_name_check, OPTION_SHOW_PROFILE_NAME == 1);
    c.printer_change =
        make_text_control(page, IDC_PRINTER_CHANGE, "BUTTON", push_button, 0, s.printer_change, IDS_CHANGE);
    c.printer_edit = make_control(page, IDC_PRINTER_EDIT, "EDIT", edit_style, WS_EX_CLIENTEDGE, s.printer_edit,
                                  printer_profile_name);
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
        draw_group_box(dc, s.profiles_group, IDS_PROFILES);
        draw_label(dc, IDS_DISPLAY_PROFILE, s.display_edit, display_label_size);
        draw_label(dc, IDS_PRINTER_PROFILE, s.printer_edit, printer_label_size);
    }
    if (meets(update, s.options_group)) draw_group_box(dc, s.options_group, IDS_OPTIONS);
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
    case IDC_NAMES_CHECK:
        if (code == BN_CLICKED) OPTION_DISPLAY_COLOR_NAMES = toggle(settings_ui.names_check);
        return true;
    case IDC_PROFILE_NAME_CHECK:
        if (code == BN_CLICKED) {
            OPTION_SHOW_PROFILE_NAME = toggle(settings_ui.profile_name_check);
            repaint_picker();
        }
        return true;
    case IDC_D65_RADIO:
    case IDC_D50_RADIO:
        D50FLAG = id == IDC_D50_RADIO ? 1 : 0;
        check_radios();
        invalidate_display_matrix();
        return true;
    case IDC_DISPLAY_CHANGE: change_profile(settings_child, true); return true;
    case IDC_PRINTER_CHANGE: change_profile(settings_child, false); return true;
    default: return false;
    }
}
