// One run of the picker window and its modal wait in an invisible dialog:
// picker/page_switch.* opens the run, picker/picker_layout.* places the
// window, picker/picker_result.* hands back what was chosen.
#include "picker_window/picker_run_win32.h"

#include "frame/library_state_win32.h"
#include "frame/texts_win32.h"
#include "picker/page_switch.h"
#include "picker/picker_layout.h"
#include "picker/picker_result.h"
#include "picker/picker_state.h"
#include "picker_window/picker_fonts_win32.h"
#include "picker_window/picker_hook_win32.h"
#include "picker_window/picker_windows_win32.h"

constexpr UINT_PTR focus_timer = 1;
constexpr UINT focus_delay_ms = 150;

static INT_PTR on_wait_init(HWND dialog)
{
    picker_ui.wait_dialog = dialog;
    SetTimer(picker_ui.window, focus_timer, focus_delay_ms, nullptr);
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
    case WM_INITDIALOG: return on_wait_init(dialog);
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
    HDC dc = GetDC(owner);
    const bool palette = (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) != 0;
    ReleaseDC(owner, dc);
    return palette;
}

// The screen as the layout needs it; the dpi of the owner's device context,
// on which the run's fonts are measured too.
static picker_screen screen_of(HWND owner)
{
    picker_screen s;
    s.width = screen_width;
    s.height = screen_height;
    s.small = small_screen;
    RECT work;
    if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
        s.work_area = pixel_rect{work.left, work.top, work.right, work.bottom};
    HDC dc = GetDC(owner);
    s.dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(owner, dc);
    return s;
}

// A saved position that no monitor shows any more (a second screen that was
// removed) would open the picker out of reach: centre it instead.
static pixel_rect placed_window_rect(const picker_screen& screen)
{
    const pixel_rect saved = picker_window_rect(screen, window_xpos, window_ypos);
    const RECT r = {saved.left, saved.top, saved.right, saved.bottom};
    if (MonitorFromRect(&r, MONITOR_DEFAULTTONULL) != nullptr) return saved;
    return picker_window_rect(screen, 0, 0);
}

static HWND create_picker_window(HWND owner, const picker_screen& screen)
{
    const pixel_rect r = placed_window_rect(screen);
    char title[64];
    load_text(IDS_PICKER_TITLE, title, sizeof title);
    return CreateWindowExA(0, "VerihuePickerClass", title, WS_CAPTION | WS_SYSMENU, r.left, r.top, r.width(),
                           r.height(), owner, nullptr, instance_handle, &picker_ui);
}

// Claimed in one step, so that of two threads opening a picker at once one
// is refused before it touches the run's state.
static LONG run_claimed = 0;

colorid run_picker(HWND owner, colorid initial, int16_t* d50)
{
    if (InterlockedCompareExchange(&run_claimed, 1, 0) != 0) return no_color;
    if (owner != nullptr && !IsWindow(owner)) owner = nullptr;
    begin_picker_run(initial);
    picker_ui = picker_windows{};
    picker_ui.owner = owner;
    create_run_fonts(owner);
    palette_device = display_has_palette(owner) ? 1 : 0;
    const picker_screen screen = screen_of(owner);
    picker_metrics.dpi = screen.dpi;

    picker_open = 1;
    HWND window = create_picker_window(owner, screen);
    if (window == nullptr) {
        delete_run_fonts();
        picker_open = 0;
        InterlockedExchange(&run_claimed, 0);
        return no_color;
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    install_keyboard_hook();
    // A WM_QUIT ends the wait dialog's loop without EndDialog, which leaves
    // the owner disabled; the loop posts the WM_QUIT again for the host.
    const bool owner_enabled = owner != nullptr && IsWindowEnabled(owner);
    DialogBoxParamA(instance_handle, MAKEINTRESOURCEA(IDD_PICKER_WAIT), owner, wait_dialog_proc, 0);
    picker_ui.wait_dialog = nullptr;
    if (owner_enabled) EnableWindow(owner, TRUE);

    remove_keyboard_hook();
    // The window has normally destroyed itself; the fonts go after it, so no
    // control is left holding one.
    if (IsWindow(window)) DestroyWindow(window);
    delete_run_fonts();
    if (owner != nullptr) SetFocus(owner);
    picker_ui.window = nullptr;
    picker_open = 0;
    if (d50 != nullptr) *d50 = static_cast<int16_t>(D50FLAG);
    const colorid chosen = picker_run_result();
    InterlockedExchange(&run_claimed, 0);
    return chosen;
}
