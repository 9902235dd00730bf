// The picker's exports: one picker run each, handing the choice back as the
// host's colour record, a colorid, or packed RGB with the colour's name, as
// picker/picker_result.* writes them. The run takes the guard step by step
// itself; the exports take it only to turn the choice into the host's form.
#include <windows.h>

#include "colorlib/color_tables.h"
#include "context/library_guard.h"
#include "huex.h"
#include "picker/picker_result.h"
#include "picker_window/picker_run_win32.h"

extern "C" {

BYTE WINAPI HUEX_PickColor(HWND owner, extended_color* record, short* d50)
{
    if (record == nullptr) return 0;
    extended_color picked = *record;
    const picker_outcome run = run_picker(owner, &picked);
    // A refused run or one whose window could not be made leaves the
    // caller's word as it was.
    if (run.ran && d50 != nullptr) *d50 = run.d50;
    if (run.chosen == no_color) return 0;
    bool written;
    {
        library_guard lib;
        written = write_picked_record(lib->catalogue, lib->display, run.chosen, run.d50, &picked);
    }
    if (written) *record = picked;
    return written ? 1 : 0;
}

LONG WINAPI VERIHUE_SHOW_PICKER(void) { return static_cast<LONG>(run_picker(default_picker_owner(), nullptr).chosen); }

DWORD WINAPI VERIHUE_COLOR_PICKER(char* name, short max_length)
{
    const picker_outcome run = run_picker(default_picker_owner(), nullptr);
    const colorid chosen = run.chosen;
    if (chosen == no_color) return 0;
    char chosen_name[full_color_name_size + 1] = "";
    DWORD packed;
    {
        library_guard lib;
        get_color_name(lib->catalogue, chosen, chosen_name, full_color_name_size, 0);
        packed = packed_display_rgb(lib->catalogue, lib->display, chosen, run.d50);
    }
    if (name != nullptr && max_length >= 0) {
        const int n = max_length < full_color_name_size ? max_length : full_color_name_size;
        lstrcpynA(name, chosen_name, n + 1);
    }
    return packed;
}

short WINAPI HUEX_OpenResponder(LONG ignored) { return 0; }

short WINAPI HUEX_CloseResponder(void) { return 0; }

LONG WINAPI HUEX_ShowSettingsTab(LONG mode)
{
    library_guard lib;
    const LONG previous = static_cast<LONG>(lib->picker.show_settings_tab);
    if (mode == 0 || mode == 1) lib->picker.show_settings_tab = static_cast<uint32_t>(mode);
    return previous;
}

}  // extern "C"
