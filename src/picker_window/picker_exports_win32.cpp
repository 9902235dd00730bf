// The picker's exports: one picker run each, handing the choice back as the
// host's colour record, a colorid, or packed RGB with the colour's name, as
// picker/picker_result.* writes them.
#include <windows.h>

#include "huex.h"
#include "colorlib/color_tables.h"
#include "picker/picker_result.h"
#include "picker_window/picker_run_win32.h"

extern "C" {

BYTE WINAPI HUEX_PickColor(HWND owner, extended_color* record, short* d50)
{
    if (record == nullptr) return 0;
    // A refused run or one whose window could not be made leaves the
    // caller's word as it was.
    int16_t option = 0;
    const colorid chosen = run_picker(owner, initial_color_of(record), d50 != nullptr ? d50 : &option);
    if (d50 != nullptr) option = *d50;
    if (chosen == no_color) return 0;
    return write_picked_record(chosen, option, record) ? 1 : 0;
}

LONG WINAPI VERIHUE_SHOW_PICKER(void)
{
    int16_t option = 0;
    return static_cast<LONG>(run_picker(default_picker_owner(), no_color, &option));
}

DWORD WINAPI VERIHUE_COLOR_PICKER(char* name, short max_length)
{
    int16_t option = 0;
    const colorid chosen = run_picker(default_picker_owner(), no_color, &option);
    if (chosen == no_color) return 0;
    if (name != nullptr && max_length >= 0) get_color_name(chosen, name, max_length, 0);
    return packed_display_rgb(chosen, option);
}

short WINAPI HUEX_OpenResponder(LONG ignored) { return 0; }

short WINAPI HUEX_CloseResponder(void) { return 0; }

LONG WINAPI HUEX_ShowSettingsTab(LONG mode)
{
    const LONG previous = static_cast<LONG>(show_settings_tab);
    if (mode == 0 || mode == 1) show_settings_tab = static_cast<uint32_t>(mode);
    return previous;
}

}  // extern "C"
