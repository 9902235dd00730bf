// What the picker's keyboard hook does with a key, decided from the key, its
// flags, the page shown and the role of the focused control. The hook itself
// (window layer) only carries the decision out: SetFocus, PostMessage,
// CallNextHookEx, or the find, navigation and profile operations.
#pragma once
#include <cstdint>

#include "picker/control_role.h"

enum class hook_action : uint8_t {
    call_next,          // result = CallNextHookEx(...)
    pass,               // result 0: the key reaches the focused control
    swallow,            // result 1
    focus,              // SetFocus(target), then result
    post_to_picker,     // PostMessage(picker_window, WM_COMMAND, command, 0); result 1
    post_to_settings,   // PostMessage(settings_child, WM_COMMAND, command, 0); result 1
    find_name,          // find_typed_name; focus OK when it returns 1, else the name edit; result 1
    navigate,           // navigate_by_key(child of `page`, key, view of `page`); result 1
    step_profile,       // step the display profile by the key, repaint the picker; result 1
    accelerator,        // decide_accelerator, with the accelerator letters of the texts
};

struct hook_decision {
    hook_action action = hook_action::swallow;
    control_role target = control_role::other;   // focus
    int32_t command = 0;                         // post_to_picker / post_to_settings
    int32_t page = 0;                            // navigate
    int32_t result = 1;                          // focus: what the hook returns after it
};

constexpr uint32_t key_released_flag = 0x80000000u;

struct picker_run;

// Updates the run's shift_down for Shift presses and releases.
hook_decision decide_hook_key(picker_run& run, int32_t code, uint32_t key, uint32_t flags, int32_t page,
                              control_role focus);

// Which interface texts' accelerator letters the key matched (the window layer
// compares them with CompareStringA in the user's language).
struct accelerator_matches {
    bool about = false;             // IDS_ABOUT
    bool color_type = false;        // IDS_COLOR_TYPE
    bool find_name = false;         // IDS_FIND_NAME
    bool display_names = false;     // IDS_DISPLAY_NAMES
    bool show_profile = false;      // IDS_SHOW_PROFILE_NAME
    bool display_profile = false;   // IDS_DISPLAY_PROFILE
    bool printer_profile = false;   // IDS_PRINTER_PROFILE
};

struct accelerator_decision {
    int32_t result = 1;            // 0: the letter reaches the name edit box
    bool post_about = false;       // WM_COMMAND IDC_ABOUT to the picker window
    hook_decision then;            // focus / post_to_settings / swallow
};

// name_edit_focused: there is a current view and its name edit has the focus.
accelerator_decision decide_accelerator(int32_t page, bool name_edit_focused, const accelerator_matches& m);

// Whether a pressed key is a text's accelerator letter. Only letter and digit
// keys carry their character as their code (a letter key always its
// capital); the keypad and function keys have codes that equal small
// letters and must not act. A small letter in a text (a language module's
// "Farbname &suchen:") is made capital first.
bool accelerator_key_matches(uint32_t key, char letter);

// Whether the hook may be in place: the host application is active and no
// nested dialog (About, a profile dialog) is open, whose own dialog keyboard
// handling must see the keys.
bool hook_may_return(const picker_run& run, bool app_active);
