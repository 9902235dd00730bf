// One run of the picker window and its modal wait in an invisible dialog:
// picker/page_switch.* opens the run, picker/picker_layout.* places the
// window, picker/picker_result.* hands back what was chosen. The run's state
// is a record on this function's stack; the library's part of it is reached
// under the guard, step by step.
#include "picker_window/picker_run_win32.h"

#include "context/library_guard.h"
#include "frame/common_controls_win32.h"
#include "frame/module_handles_win32.h"
#include "frame/texts_win32.h"
#include "picker/page_switch.h"
#include "picker/picker_layout.h"
#include "picker/picker_result.h"
#include "picker/picker_run.h"
#include "picker_window/gdi_scope_win32.h"
#include "picker_window/picker_fonts_win32.h"
#include "picker_window/picker_hook_win32.h"
#include "picker_window/picker_windows_win32.h"

constexpr UINT_PTR focus_timer = 1;
constexpr UINT focus_delay_ms = 150;

static INT_PTR on_wait_init(HWND dialog, picker_run& run)
{
    const library_guard held;
    run.ui->wait_dialog = dialog;
    SetTimer(run.ui->window, focus_timer, focus_delay_ms, nullptr);
    return FALSE;
}

static INT_PTR on_wait_command(HWND dialog, int id)
{
    if (id == IDOK) EndDialog(dialog, 1);
    else if (id == IDCANCEL) EndDialog(dialog, -1);
    return FALSE;
}

static INT_PTR CALLBACK wait_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_INITDIALOG: return on_wait_init(dialog, *reinterpret_cast<picker_run*>(lparam));
    case WM_COMMAND: return on_wait_command(dialog, LOWORD(wparam));
    default: return FALSE;
    }
}

HWND default_picker_owner()
{
    const DWORD thread = GetCurrentThreadId(), process = GetCurrentProcessId();
    HWND of_process = nullptr;
    for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
        if (!IsWindowVisible(w)) continue;
        DWORD owner_process = 0;
        const DWORD owner_thread = GetWindowThreadProcessId(w, &owner_process);
        if (owner_thread == thread) return w;
        if (owner_process == process && of_process == nullptr) of_process = w;
    }
    return of_process;
}

static bool display_has_palette(HWND owner)
{
    return (GetDeviceCaps(window_dc(owner), RASTERCAPS) & RC_PALETTE) != 0;
}

// The screen as the layout needs it; the dpi of the owner's device context,
// on which the run's fonts are measured too.
static picker_screen screen_of(const platform_values& platform, HWND owner)
{
    picker_screen s;
    s.width = platform.screen_width;
    s.height = platform.screen_height;
    s.small = platform.small_screen;
    RECT work;
    if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
        s.work_area = pixel_rect{work.left, work.top, work.right, work.bottom};
    s.dpi = GetDeviceCaps(window_dc(owner), LOGPIXELSY);
    return s;
}

// A saved position is taken on the monitor it falls on, or the nearest one
// when a second screen was removed; a window grown with the dpi or moved to a
// smaller screen is pushed back inside that monitor's work area.
static pixel_rect placed_window_rect(const picker_settings& settings, const picker_screen& screen)
{
    const pixel_rect wanted = picker_window_rect(screen, settings.window_xpos, settings.window_ypos);
    const RECT r = {wanted.left, wanted.top, wanted.right, wanted.bottom};
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoA(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &monitor)) return wanted;
    const RECT& w = monitor.rcWork;
    return moved_into_work_area(wanted, pixel_rect{w.left, w.top, w.right, w.bottom});
}

// The run's opening under the guard: refused while another picker is open
// (one per process), else the run's state, fonts and place. False when refused.
static bool open_run(picker_run& run, HWND owner, const extended_color* initial, pixel_rect* place)
{
    const library_guard lib;
    if (lib->open_picker != nullptr || lib->picker.picker_open) return false;
    lib->open_picker = &run;
    begin_picker_run(run, initial != nullptr ? initial_color_of(lib->catalogue, initial) : no_color);
    create_run_fonts(*run.ui, owner, lib->platform.small_screen != 0);
    run.palette_device = display_has_palette(owner) ? 1 : 0;
    const picker_screen screen = screen_of(lib->platform, owner);
    run.picker_metrics.dpi = screen.dpi;
    *place = placed_window_rect(lib->picker, screen);
    lib->picker.picker_open = 1;
    return true;
}

// The end of a run under the guard: the picker is closed; after a run that
// took place, the D50 option and what was chosen are taken.
static picker_outcome close_run(picker_run& run, bool ran)
{
    const library_guard lib;
    delete_run_fonts(*run.ui);
    run.ui->window = nullptr;
    lib->picker.picker_open = 0;
    lib->open_picker = nullptr;
    picker_outcome outcome;
    if (!ran) return outcome;
    outcome.ran = true;
    outcome.d50 = static_cast<int16_t>(lib->picker.D50FLAG);
    outcome.chosen = picker_run_result(run);
    return outcome;
}

picker_outcome run_picker(HWND owner, const extended_color* initial)
{
    if (owner != nullptr && !IsWindow(owner)) owner = nullptr;
    // Only the context's place is kept from this guard; the run reaches the
    // context under a guard of its own at every step.
    library_context& context = *library_guard();
    picker_windows ui;
    picker_run run(context);
    run.ui = &ui;
    ui.owner = owner;
    pixel_rect r;
    if (!open_run(run, owner, initial, &r)) return picker_outcome{};
    bool controls_ready;
    {
        const library_guard lib;
        controls_ready = common_controls_ready(&lib->common_controls);
    }
    if (!controls_ready) return close_run(run, false);

    char title[64];
    load_text(IDS_PICKER_TITLE, title, sizeof title);
    HWND window = CreateWindowExA(0, "VerihuePickerClass", title, WS_CAPTION | WS_SYSMENU, r.left, r.top, r.width(),
                                  r.height(), owner, nullptr, instance_handle, &run);
    if (window == nullptr) return close_run(run, false);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    {
        const library_guard held;
        install_keyboard_hook(run);
    }
    // A WM_QUIT ends the wait dialog's loop without EndDialog, which leaves
    // the owner disabled; the loop posts the WM_QUIT again for the host.
    const bool owner_enabled = owner != nullptr && IsWindowEnabled(owner);
    DialogBoxParamA(instance_handle, MAKEINTRESOURCEA(IDD_PICKER_WAIT), owner, wait_dialog_proc,
                    reinterpret_cast<LPARAM>(&run));
    {
        const library_guard held;
        ui.wait_dialog = nullptr;
        remove_keyboard_hook(run);
    }
    if (owner_enabled) EnableWindow(owner, TRUE);
    // The window has normally destroyed itself; the fonts go after it, so no
    // control is left holding one.
    if (IsWindow(window)) DestroyWindow(window);
    const picker_outcome outcome = close_run(run, true);
    if (owner != nullptr) SetFocus(owner);
    return outcome;
}
