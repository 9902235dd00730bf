// The picker's keyboard hook: picker/key_decision.* decides what a key does
// on the page shown with the control focused (roles from
// picker/control_role.h); this file finds the controls and carries it out.
#include "picker_window/picker_hook_win32.h"

#include <string>

#include "colorlib/color_tables.h"
#include "context/library_guard.h"
#include "frame/module_handles_win32.h"
#include "frame/texts_win32.h"
#include "picker/find_by_name.h"
#include "picker/key_decision.h"
#include "picker/picker_run.h"
#include "picker_window/gdi_scope_win32.h"
#include "picker_window/page_interaction_win32.h"
#include "picker_window/page_selection_win32.h"
#include "picker_window/picker_windows_win32.h"
#include "picker_window/profile_stepping_win32.h"

// The unit's decisions post the picker's OK and Cancel by these ids.
static_assert(IDC_PICKER_OK == IDOK && IDC_PICKER_CANCEL == IDCANCEL, "the picker's buttons carry the system's ids");

namespace {

using role = control_role;

role role_of(picker_run& run, HWND w)
{
    if (w == nullptr) return role::other;
    const picker_windows& ui = *run.ui;
    if (w == ui.tab_control) return role::tab_control;
    if (w == ui.ok) return role::ok;
    if (w == ui.cancel) return role::cancel;
    if (w == ui.about) return role::about;
    if (w == ui.solid.type_combo) return role::type_combo;
    if (w == ui.solid.combo_edit) return role::combo_edit;
    if (const page_windows* page = current_color_page(run)) {
        if (w == page->scroll_bar) return role::scroll_bar;
        if (w == page->name_edit) return role::name_edit;
    }
    const settings_controls& s = ui.settings_ui;
    if (w == s.names_check) return role::names_check;
    if (w == s.profile_name_check) return role::profile_name_check;
    if (w == s.d65_radio) return role::d65_radio;
    if (w == s.d50_radio) return role::d50_radio;
    if (w == s.display_change) return role::display_change;
    if (w == s.printer_change) return role::printer_change;
    return role::other;
}

HWND window_of(picker_run& run, role r)
{
    const picker_windows& ui = *run.ui;
    const settings_controls& settings_ui = ui.settings_ui;
    const page_windows* page = current_color_page(run);
    switch (r) {
    case role::tab_control: return ui.tab_control;
    case role::ok: return ui.ok;
    case role::cancel: return ui.cancel;
    case role::about: return ui.about;
    case role::type_combo: return ui.solid.type_combo;
    case role::combo_edit: return ui.solid.combo_edit;
    case role::scroll_bar: return page != nullptr ? page->scroll_bar : nullptr;
    case role::name_edit: return page != nullptr ? page->name_edit : nullptr;
    case role::names_check: return settings_ui.names_check;
    case role::profile_name_check: return settings_ui.profile_name_check;
    case role::d65_radio: return settings_ui.d65_radio;
    case role::d50_radio: return settings_ui.d50_radio;
    case role::display_change: return settings_ui.display_change;
    case role::printer_change: return settings_ui.printer_change;
    default: return nullptr;
    }
}

void focus(picker_run& run, role r)
{
    if (HWND w = window_of(run, r)) SetFocus(w);
}

// Enter in a name edit box: 1 when the typed text names the selection or a
// colour was found and selected, 0 after the question beep.
int find_typed_name(picker_run& run)
{
    page_windows* page = current_color_page(run);
    if (page == nullptr || page->name_edit == nullptr) return 0;
    // Read whole: blanks padding a value past any fixed buffer are still no
    // part of it, and a cut text could read as a value it is not.
    std::string typed(static_cast<size_t>(GetWindowTextLengthA(page->name_edit)) + 1, '\0');
    GetWindowTextA(page->name_edit, &typed[0], static_cast<int>(typed.size()));
    switch (resolve_typed_name(run, typed.c_str())) {
    case find_outcome::unchanged: return 1;
    case find_outcome::not_found:
        MessageBeep(MB_ICONQUESTION);
        SendMessageA(page->name_edit, EM_SETSEL, 0, -1);
        return 0;
    case find_outcome::found: break;
    }
    select_and_show(window_dc(page->child), run, run.lib.picker.selected_color);
    if (page_windows* shown = current_color_page(run)) update_scroll_thumb(run, *shown);
    return 1;
}

// The texts in use are looked up at each press, so that a language module's
// letters work.
bool matches_accelerator(WPARAM key, unsigned text_id)
{
    char text[256];
    load_text(text_id, text, sizeof text);
    return accelerator_key_matches(static_cast<uint32_t>(key), accelerator_char(text));
}

LRESULT carry_out(picker_run& run, const hook_decision& d, int code, WPARAM key, LPARAM flags);

LRESULT accelerator(picker_run& run, WPARAM key, int code, LPARAM flags)
{
    accelerator_matches m;
    m.about = matches_accelerator(key, IDS_ABOUT);
    m.color_type = matches_accelerator(key, IDS_COLOR_TYPE);
    m.find_name = matches_accelerator(key, IDS_FIND_NAME);
    m.display_names = matches_accelerator(key, IDS_DISPLAY_NAMES);
    m.show_profile = matches_accelerator(key, IDS_SHOW_PROFILE_NAME);
    m.display_profile = matches_accelerator(key, IDS_DISPLAY_PROFILE);
    m.printer_profile = matches_accelerator(key, IDS_PRINTER_PROFILE);
    const page_windows* page = current_color_page(run);
    const bool in_name_edit = page != nullptr && GetFocus() == page->name_edit;
    const accelerator_decision a = decide_accelerator(run.current_page, in_name_edit, m);
    if (a.post_about) PostMessageA(run.ui->window, WM_COMMAND, IDC_ABOUT, 0);
    carry_out(run, a.then, code, key, flags);
    return a.result;
}

// Every action but call_next; that one is carried out by the hook itself,
// after it let go of the guard.
LRESULT carry_out(picker_run& run, const hook_decision& d, int code, WPARAM key, LPARAM flags)
{
    picker_windows& ui = *run.ui;
    switch (d.action) {
    case hook_action::call_next: return -1;
    case hook_action::pass: return 0;
    case hook_action::swallow: return 1;
    case hook_action::focus: focus(run, d.target); return d.result;
    case hook_action::post_to_picker: PostMessageA(ui.window, WM_COMMAND, d.command, 0); return 1;
    case hook_action::post_to_settings: PostMessageA(ui.settings.child, WM_COMMAND, d.command, 0); return 1;
    case hook_action::find_name: focus(run, find_typed_name(run) == 1 ? role::ok : role::name_edit); return 1;
    case hook_action::navigate: navigate_by_key(run, d.page, static_cast<UINT>(key)); return 1;
    case hook_action::step_profile:
        step_display_profile(run, static_cast<UINT>(key));
        // The swatches follow the new profile as well as the footer.
        RedrawWindow(ui.window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
        return 1;
    case hook_action::accelerator: return accelerator(run, key, code, flags);
    }
    return 1;
}

// The run the hook acts for: the open picker, when it runs on this thread
// (the hook is installed for the picker's thread only; a picker whose window
// is gone takes no keys).
picker_run* run_of_this_thread(library_context& lib)
{
    picker_run* run = lib.open_picker;
    if (run == nullptr || run->ui == nullptr || run->ui->window == nullptr || !lib.picker.picker_open) return nullptr;
    if (GetWindowThreadProcessId(run->ui->window, nullptr) != GetCurrentThreadId()) return nullptr;
    return run;
}

// What the hook does with a key under the guard: 0 or 1 to return, -1 to
// hand the key on to the next hook.
LRESULT take_key(int code, WPARAM key, LPARAM flags)
{
    const library_guard lib;
    picker_run* run = run_of_this_thread(*lib);
    // A key looked at without being removed comes again when it is removed:
    // act once, then.
    if (code != HC_ACTION || run == nullptr) return -1;
    picker_windows& ui = *run->ui;
    const bool released = (static_cast<uint32_t>(flags) & key_released_flag) != 0;
    if (released && key == ui.passed_key && key != VK_SHIFT) {
        ui.passed_key = 0;
        return -1;
    }
    // The hook is away while a nested dialog runs or another application is
    // active, and misses the Shift releases of that time: the thread's key
    // state has them.
    run->shift_down = GetKeyState(VK_SHIFT) < 0 ? 1 : 0;
    const hook_decision d = decide_hook_key(*run, code, static_cast<uint32_t>(key), static_cast<uint32_t>(flags),
                                            run->current_page, role_of(*run, GetFocus()));
    const LRESULT result = carry_out(*run, d, code, key, flags);
    // A key handed on to the next hook reaches the control as one passed.
    if (!released) ui.passed_key = result <= 0 ? key : 0;
    return result;
}

// The next hooks in the chain may be the host's: they are called without
// the guard.
LRESULT CALLBACK picker_keyboard_hook(int code, WPARAM key, LPARAM flags)
{
    const LRESULT result = take_key(code, key, flags);
    return result >= 0 ? result : CallNextHookEx(nullptr, code, key, flags);
}

}  // namespace

void install_keyboard_hook(picker_run& run)
{
    picker_windows& ui = *run.ui;
    if (ui.keyboard_hook != nullptr || ui.window == nullptr || !hook_may_return(run, true)) return;
    ui.keyboard_hook = SetWindowsHookExA(WH_KEYBOARD, picker_keyboard_hook, nullptr, GetCurrentThreadId());
}

void remove_keyboard_hook(picker_run& run)
{
    picker_windows& ui = *run.ui;
    if (ui.keyboard_hook == nullptr) return;
    UnhookWindowsHookEx(ui.keyboard_hook);
    ui.keyboard_hook = nullptr;
}

INT_PTR run_nested_dialog(picker_run& run, const char* name, HWND owner, DLGPROC proc, LPARAM param)
{
    {
        const library_guard held;
        remove_keyboard_hook(run);
        ++run.nested_dialogs_open;
    }
    HWND had_focus = GetFocus();
    const INT_PTR result = DialogBoxParamA(instance_handle, name, owner, proc, param);
    // The picker is no dialog: nothing gives the focus back to the control
    // that opened the nested one, and with the focus nowhere the picker's
    // keys have no control to act from until the user switches applications
    // and back.
    if (had_focus != nullptr && IsWindow(had_focus)) SetFocus(had_focus);
    const library_guard held;
    --run.nested_dialogs_open;
    install_keyboard_hook(run);
    return result;
}
