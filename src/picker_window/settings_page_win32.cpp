// The settings page, the picker's third tab: its check boxes, radio buttons,
// "Change..." buttons and profile names, placed where picker/settings_layout.*
// puts them; its captions and labels; and what its buttons do to the stored
// options and the current profiles.
#include "picker_window/settings_page_win32.h"

#include "context/library_guard.h"
#include "display/display_rgb.h"
#include "frame/texts_win32.h"
#include "picker/picker_run.h"
#include "picker/settings_layout.h"
#include "picker_window/gdi_scope_win32.h"
#include "picker_window/make_control_win32.h"
#include "picker_window/picker_fonts_win32.h"
#include "picker_window/picker_paint_win32.h"
#include "picker_window/profile_dialogs_win32.h"

static text_size extent_of(HWND window, HFONT font, unsigned id)
{
    const SIZE s = text_id_extent(window, font, id);
    return text_size{s.cx, s.cy};
}

static void check(HWND button, bool on) { SendMessageA(button, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }

static void check_radios(const picker_run& run)
{
    const settings_controls& c = run.ui->settings_ui;
    check(c.d50_radio, run.lib.picker.D50FLAG == 1);
    check(c.d65_radio, run.lib.picker.D50FLAG != 1);
}

// The stored options come back from the registry as they were written there:
// a value other than 0 or 1 means its initial value, so that the boxes, the
// radio buttons and the colours all show the same setting.
static void settle_option(uint32_t& option, uint32_t initial)
{
    if (option > 1) option = initial;
}

void settle_stored_options(picker_settings& settings)
{
    settle_option(settings.OPTION_DISPLAY_COLOR_NAMES, 1);
    settle_option(settings.OPTION_SHOW_PROFILE_NAME, 0);
    settle_option(settings.D50FLAG, 0);
}

void build_settings_page(picker_run& run)
{
    picker_windows& ui = *run.ui;
    settings_controls& c = ui.settings_ui;
    HWND page = ui.settings.child;
    HWND picker_window = ui.window;
    if (c.built || page == nullptr) return;
    settle_stored_options(run.lib.picker);
    const HFONT font = ui.ui_font;
    settings_text_metrics m;
    m.text_height = text_extent_in(picker_window, font, "ABCDEFG").cy;
    m.names_check = extent_of(picker_window, font, IDS_DISPLAY_NAMES);
    m.profile_name_check = extent_of(picker_window, font, IDS_SHOW_PROFILE_NAME);
    const SIZE radio = text_extent_in(picker_window, font, "D65");
    m.radio = text_size{radio.cx, radio.cy};
    m.change = extent_of(picker_window, font, IDS_CHANGE);
    m.cx_vscroll = GetSystemMetrics(SM_CXVSCROLL);
    m.cy_dlgframe = GetSystemMetrics(SM_CYDLGFRAME);
    m.dpi = run.picker_metrics.dpi;
    const settings_layout& s = c.places = layout_settings_page(run.picker_frame, ui.tab_display, m);
    c.display_label_size = extent_of(picker_window, font, IDS_DISPLAY_PROFILE);
    c.printer_label_size = extent_of(picker_window, font, IDS_PRINTER_PROFILE);

    // Check boxes and radio buttons do not change state by themselves: the
    // page's commands set them, so Space and clicks go one way.
    const DWORD shown = WS_CHILD | WS_VISIBLE;
    const DWORD check_box = shown | BS_NOTIFY | BS_CHECKBOX, push_button = shown | BS_PUSHBUTTON;
    c.names_check = make_text_control(font, page, IDC_NAMES_CHECK, "BUTTON", check_box, WS_EX_TRANSPARENT,
                                      s.names_check, IDS_DISPLAY_NAMES);
    check(c.names_check, run.lib.picker.OPTION_DISPLAY_COLOR_NAMES == 1);
    c.d65_radio = make_control(font, page, IDC_D65_RADIO, "BUTTON", shown | BS_NOTIFY | BS_RADIOBUTTON,
                               WS_EX_TRANSPARENT, s.d65_radio, "D65");
    c.d50_radio = make_control(font, page, IDC_D50_RADIO, "BUTTON", shown | BS_RADIOBUTTON, WS_EX_TRANSPARENT,
                               s.d50_radio, "D50");
    check_radios(run);
    c.display_change =
        make_text_control(font, page, IDC_DISPLAY_CHANGE, "BUTTON", push_button, 0, s.display_change, IDS_CHANGE);
    const DWORD edit_style = shown | WS_BORDER | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL;
    c.display_edit = make_control(font, page, IDC_DISPLAY_EDIT, "EDIT", edit_style, WS_EX_CLIENTEDGE, s.display_edit,
                                  run.lib.profiles.monitor_profile_name);
    c.profile_name_check = make_text_control(font, page, IDC_PROFILE_NAME_CHECK, "BUTTON", check_box,
                                             WS_EX_TRANSPARENT, s.profile_name_check, IDS_SHOW_PROFILE_NAME);
    check(c.profile_name_check, run.lib.picker.OPTION_SHOW_PROFILE_NAME == 1);
    c.printer_change =
        make_text_control(font, page, IDC_PRINTER_CHANGE, "BUTTON", push_button, 0, s.printer_change, IDS_CHANGE);
    c.printer_edit = make_control(font, page, IDC_PRINTER_EDIT, "EDIT", edit_style, WS_EX_CLIENTEDGE, s.printer_edit,
                                  run.lib.profiles.printer_profile_name);
    c.built = true;
}

void release_settings_page(picker_windows& ui) { ui.settings_ui = settings_controls{}; }

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

void paint_settings_page(HDC dc, const picker_run& run, const RECT& update)
{
    const settings_controls& c = run.ui->settings_ui;
    if (!c.built) return;
    const selected_object pen(dc, GetStockObject(BLACK_PEN));
    const selected_object font(dc, run.ui->ui_font);
    const background_mode mode(dc, TRANSPARENT);
    const text_color color(dc, run.ui->colors.page_text);
    const settings_layout& s = c.places;
    if (meets(update, s.profiles_group)) {
        draw_group_box(dc, run, s.profiles_group, IDS_PROFILES);
        draw_label(dc, IDS_DISPLAY_PROFILE, s.display_edit, c.display_label_size);
        draw_label(dc, IDS_PRINTER_PROFILE, s.printer_edit, c.printer_label_size);
    }
    if (meets(update, s.options_group)) draw_group_box(dc, run, s.options_group, IDS_OPTIONS);
}

void restore_display_names_option(picker_run& run)
{
    run.lib.picker.OPTION_DISPLAY_COLOR_NAMES = run.display_names_copy;
    HWND box = run.ui->settings_ui.names_check;
    if (box != nullptr) check(box, run.lib.picker.OPTION_DISPLAY_COLOR_NAMES != 0);
}

static uint32_t toggle(HWND box)
{
    const bool now = SendMessageA(box, BM_GETCHECK, 0, 0) != BST_CHECKED;
    check(box, now);
    return now ? 1 : 0;
}

static void repaint_picker(const picker_run& run) { InvalidateRect(run.ui->window, nullptr, FALSE); }

// The dialogs run as nested dialogs, without the guard (their own handlers
// take it) and without the picker's hook in the way of their dialog keys.
static void change_profile(picker_run& run, bool display)
{
    HWND settings_child = run.ui->settings.child;
    const INT_PTR chosen =
        display ? run_display_profile_dialog(run, settings_child) : run_printer_profile_dialog(run, settings_child);
    if (chosen <= 0) return;
    const library_guard held;
    const settings_controls& c = run.ui->settings_ui;
    SetWindowTextA(display ? c.display_edit : c.printer_edit,
                   display ? run.lib.profiles.monitor_profile_name : run.lib.profiles.printer_profile_name);
    repaint_picker(run);
}

bool on_settings_command(picker_run& run, int id, int code)
{
    if (id == IDC_DISPLAY_CHANGE || id == IDC_PRINTER_CHANGE) {
        change_profile(run, id == IDC_DISPLAY_CHANGE);
        return true;
    }
    const library_guard held;
    settings_controls& c = run.ui->settings_ui;
    picker_settings& settings = run.lib.picker;
    switch (id) {
    case IDC_NAMES_CHECK:
        if (code == BN_CLICKED) settings.OPTION_DISPLAY_COLOR_NAMES = toggle(c.names_check);
        return true;
    case IDC_PROFILE_NAME_CHECK:
        if (code == BN_CLICKED) {
            settings.OPTION_SHOW_PROFILE_NAME = toggle(c.profile_name_check);
            repaint_picker(run);
        }
        return true;
    case IDC_D65_RADIO:
    case IDC_D50_RADIO:
        settings.D50FLAG = id == IDC_D50_RADIO ? 1 : 0;
        check_radios(run);
        invalidate_display_matrix(run.lib.display);
        return true;
    default: return false;
    }
}
