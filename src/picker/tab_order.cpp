#include "picker/tab_order.h"

#include "picker/picker_run.h"

using r = control_role;

const tab_step solid_tab_order[9] = {
    {r::tab_control, r::type_combo, r::about},
    {r::type_combo, r::scroll_bar, r::tab_control},
    {r::combo_edit, r::scroll_bar, r::tab_control},
    {r::scroll_bar, r::name_edit, r::type_combo},
    {r::name_edit, r::ok, r::scroll_bar},
    {r::ok, r::cancel, r::name_edit},
    {r::cancel, r::about, r::ok},
    {r::about, r::tab_control, r::cancel},
    {r::other, r::name_edit, r::name_edit},
};

const tab_step process_tab_order[7] = {
    {r::tab_control, r::scroll_bar, r::about},
    {r::scroll_bar, r::name_edit, r::tab_control},
    {r::name_edit, r::ok, r::scroll_bar},
    {r::ok, r::cancel, r::name_edit},
    {r::cancel, r::about, r::ok},
    {r::about, r::tab_control, r::cancel},
    {r::other, r::name_edit, r::name_edit},
};

// The read-only profile edit boxes are not in the order.
const tab_step settings_tab_order[11] = {
    {r::tab_control, r::display_change, r::about},
    {r::display_change, r::profile_name_check, r::tab_control},
    {r::profile_name_check, r::printer_change, r::display_change},
    {r::printer_change, r::names_check, r::profile_name_check},
    {r::names_check, r::selected_radio, r::printer_change},
    {r::d65_radio, r::ok, r::names_check},
    {r::d50_radio, r::ok, r::names_check},
    {r::ok, r::cancel, r::selected_radio},
    {r::cancel, r::about, r::ok},
    {r::about, r::tab_control, r::cancel},
    {r::other, r::cancel, r::cancel},
};

template <size_t N>
static control_role look_up(const tab_step (&table)[N], control_role focus, bool backward)
{
    // The last row catches everything the others do not name.
    const tab_step* row = &table[N - 1];
    for (const tab_step& s : table)
        if (s.focus == focus) {
            row = &s;
            break;
        }
    return backward ? row->previous : row->next;
}

control_role tab_target(int32_t page, control_role focus, bool backward, uint32_t d50)
{
    control_role to = r::other;
    if (page == solid_page) to = look_up(solid_tab_order, focus, backward);
    else if (page == process_page) to = look_up(process_tab_order, focus, backward);
    else if (page == settings_page) to = look_up(settings_tab_order, focus, backward);
    if (to == r::selected_radio) to = d50 ? r::d50_radio : r::d65_radio;
    return to;
}
