#include "picker/key_decision.h"

#include "picker/control_ids.h"
#include "picker/picker_keys.h"
#include "picker/picker_run.h"
#include "picker/tab_order.h"

using r = control_role;

static hook_decision make(hook_action a, r target = r::other, int32_t command = 0, int32_t result = 1)
{
    hook_decision d;
    d.action = a;
    d.target = target;
    d.command = command;
    d.result = result;
    return d;
}

// Arrow and paging keys, and Space, on the settings page: they also move the
// focus between the two radio buttons, and always reach the focused control.
static hook_decision radio_rule(uint32_t key, r focus)
{
    if (key != key_space && focus == r::d50_radio) return make(hook_action::focus, r::d65_radio, 0, 0);
    if (key != key_space && focus == r::d65_radio) return make(hook_action::focus, r::d50_radio, 0, 0);
    return make(hook_action::pass, r::other, 0, 0);
}

static hook_decision enter_key(r focus)
{
    switch (focus) {
    case r::cancel: return make(hook_action::post_to_picker, r::other, IDC_PICKER_CANCEL);
    case r::about: return make(hook_action::post_to_picker, r::other, IDC_ABOUT);
    case r::name_edit: return make(hook_action::find_name);
    case r::display_change: return make(hook_action::post_to_settings, r::other, IDC_DISPLAY_CHANGE);
    case r::printer_change: return make(hook_action::post_to_settings, r::other, IDC_PRINTER_CHANGE);
    default: return make(hook_action::post_to_picker, r::other, IDC_PICKER_OK);
    }
}

static hook_decision space_key(int32_t page, r focus)
{
    if (focus == r::names_check) return make(hook_action::post_to_settings, r::other, IDC_NAMES_CHECK);
    if (focus == r::profile_name_check) return make(hook_action::post_to_settings, r::other, IDC_PROFILE_NAME_CHECK);
    if (focus == r::name_edit) return make(hook_action::pass, r::other, 0, 0);
    if (page == settings_page) return radio_rule(key_space, focus);
    return make(hook_action::swallow);
}

static hook_decision navigation_key(uint32_t key, int32_t page, r focus)
{
    if (focus == r::tab_control) return make(hook_action::call_next);
    if (page == solid_page || page == process_page) {
        const bool own_editing = focus == r::name_edit ||
                                 (page == solid_page && (focus == r::type_combo || focus == r::combo_edit));
        if (own_editing) return make(hook_action::pass, r::other, 0, 0);
        hook_decision d = make(hook_action::navigate);
        d.page = page;
        return d;
    }
    if (page == settings_page) return radio_rule(key, focus);
    return make(hook_action::call_next);
}

hook_decision decide_hook_key(picker_run& run, int32_t code, uint32_t key, uint32_t flags, int32_t page, r focus)
{
    if (code < 0) return make(hook_action::call_next);
    const bool released = (flags & key_released_flag) != 0;
    if (key == key_shift) {
        run.shift_down = released ? 0 : 1;
        return make(hook_action::swallow);
    }
    if (released) return make(hook_action::swallow);

    switch (key) {
    case key_tab:
        return make(hook_action::focus, tab_target(page, focus, run.shift_down != 0, run.lib.picker.D50FLAG), 0, 1);
    case key_return: return enter_key(focus);
    case key_escape: return make(hook_action::post_to_picker, r::other, IDC_PICKER_CANCEL);
    case key_space: return space_key(page, focus);
    case key_f5:
    case key_f6:
    case key_f7: return make(hook_action::step_profile);
    default: break;
    }
    if (key >= key_prior && key <= key_down) return navigation_key(key, page, focus);
    return make(hook_action::accelerator);
}

accelerator_decision decide_accelerator(int32_t page, bool name_edit_focused, const accelerator_matches& m)
{
    accelerator_decision a;
    if (name_edit_focused) {
        a.result = 0;
        a.then = make(hook_action::pass, r::other, 0, 0);
        return a;
    }
    a.post_about = m.about;
    a.then = make(hook_action::swallow);
    if (page == solid_page || page == process_page) {
        if (m.find_name) a.then = make(hook_action::focus, r::name_edit);
        // The colour-type combo box lives on the solid page; on the process
        // page it is hidden, so its letter is swallowed there.
        else if (m.color_type && page == solid_page) a.then = make(hook_action::focus, r::type_combo);
    } else if (page == settings_page) {
        if (m.display_profile) a.then = make(hook_action::post_to_settings, r::other, IDC_DISPLAY_CHANGE);
        else if (m.printer_profile) a.then = make(hook_action::post_to_settings, r::other, IDC_PRINTER_CHANGE);
        else if (m.display_names) a.then = make(hook_action::focus, r::names_check);
        else if (m.show_profile) a.then = make(hook_action::focus, r::profile_name_check);
    }
    return a;
}

bool accelerator_key_matches(uint32_t key, char letter)
{
    const bool letter_or_digit_key = (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
    if (!letter_or_digit_key || letter == 0) return false;
    const char capital = letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
    return static_cast<uint32_t>(static_cast<unsigned char>(capital)) == key;
}

bool hook_may_return(const picker_run& run, bool app_active) { return app_active && run.nested_dialogs_open == 0; }
