// The controls of the picker window by the part they play, so that Tab orders
// and key handling can be stated as data. The window layer maps the focused
// window handle to its role and a role back to the handle.
#pragma once
#include <cstdint>

enum class control_role : uint8_t {
    other,                // anything not listed, or no focus
    tab_control,
    ok,
    cancel,
    about,
    type_combo,           // solid page's colour-type combo box
    combo_edit,           // the combo box's own edit child
    scroll_bar,           // the current colour page's scroll bar
    name_edit,            // the current colour page's name edit box
    names_check,          // settings: display colour names
    profile_name_check,   // settings: show profile name
    d65_radio,
    d50_radio,
    display_change,       // settings: display profile "Change..."
    printer_change,       // settings: printer profile "Change..."
    selected_radio,       // in Tab tables: D50 when the D50 option is set, else D65
};
