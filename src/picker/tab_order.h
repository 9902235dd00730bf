// The picker's own Tab order on each page: the window is not a dialog, so the
// keyboard hook moves the focus along these tables.
#pragma once
#include <cstddef>
#include <cstdint>

#include "picker/control_role.h"

struct tab_step {
    control_role focus;      // control_role::other stands for anything not listed
    control_role next;       // Tab
    control_role previous;   // Shift+Tab
};

extern const tab_step solid_tab_order[9];
extern const tab_step process_tab_order[7];
extern const tab_step settings_tab_order[11];

// Where Tab (or Shift+Tab when backward) moves the focus from `focus` on
// `page`; selected_radio is resolved with the D50 option. other for a page
// that has no Tab order.
control_role tab_target(int32_t page, control_role focus, bool backward, uint32_t d50);
