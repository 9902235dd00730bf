// The display- and printer-profile dialogs' procedure ("CHANGE"). The
// profiles listed and loaded come from src/profiles; the picker's unit has no
// part in them.
#include "picker_window/profile_dialogs_win32.h"

#include "context/library_guard.h"
#include "frame/texts_win32.h"
#include "matching/printer_cmyk.h"
#include "picker/picker_run.h"
#include "picker_window/dialog_centring_win32.h"
#include "picker_window/picker_hook_win32.h"
#include "profiles/profile_enumeration_win32.h"
#include "profiles/profile_header_codes.h"
#include "profiles/profile_settings.h"

namespace {

// What tells the two dialogs apart.
struct profile_dialog_kind {
    picker_run* run;
    bool display;
    int classification;   // classification_display or classification_output
    unsigned caption_id, help_id;
};

const char* default_item(const library_context& lib, const profile_dialog_kind& kind)
{
    return kind.display ? lib.platform.default_display_name : lib.platform.default_printer_profile_name;
}

char* current_name(library_context& lib, const profile_dialog_kind& kind)
{
    return kind.display ? lib.profiles.monitor_profile_name : lib.profiles.printer_profile_name;
}

void set_text_id(HWND dialog, int item, unsigned id)
{
    char text[256];
    load_text(id, text, sizeof text);
    SetDlgItemTextA(dialog, item, text);
}

INT_PTR on_init(HWND dialog, const profile_dialog_kind& kind)
{
    const library_guard lib;
    SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&kind));
    centre_dialog(dialog);
    set_text_id(dialog, IDOK, IDS_OK);
    set_text_id(dialog, IDCANCEL, IDS_CANCEL);
    char caption[256];
    load_text(kind.caption_id, caption, sizeof caption);
    SetWindowTextA(dialog, caption);
    set_text_id(dialog, IDC_PROFILE_HELP, kind.help_id);
    HWND list = GetDlgItem(dialog, IDC_PROFILE_LIST);
    for_each_profile_description(lib->platform, kind.classification, [&](const char* description) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(description));
    });
    SendMessageA(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(default_item(*lib, kind)));
    // Only the current profile's own description: a prefix match would put
    // another profile under the user's OK when the current one was removed.
    const LRESULT current = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(current_name(*lib, kind)));
    if (current != LB_ERR) SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(current), 0);
    SetFocus(GetDlgItem(dialog, IDOK));
    return FALSE;
}

// With nothing selected the current name stays and its path is looked up
// again, which falls back to the default when no profile bears the name.
void on_ok(HWND dialog, const profile_dialog_kind& kind)
{
    {
        const library_guard lib;
        char name[MAX_PATH];
        lstrcpynA(name, current_name(*lib, kind), sizeof name);
        HWND list = GetDlgItem(dialog, IDC_PROFILE_LIST);
        const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
        if (selected != LB_ERR) {
            const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(selected), 0);
            char chosen[MAX_PATH];
            if (length >= 0 && length < static_cast<LRESULT>(sizeof chosen) &&
                SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(chosen)) !=
                    LB_ERR)
                lstrcpynA(name, chosen, sizeof name);
        }
        wchar_t path[MAX_PATH];
        profile_path_from_name(lib->platform, name, path, default_item(*lib, kind), kind.classification);
        // A choice made here is a choice made during the process, for the
        // printer as for the display: only a load counts as one, so that the
        // stored profile start-up could not use does not outlive it.
        if (kind.display) load_monitor_profile(lib->profiles, lib->display, lib->platform, path);
        else choose_printer_profile(lib->matching, lib->profiles, lib->platform, path);
    }
    EndDialog(dialog, 1);
}

INT_PTR CALLBACK profile_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam)
{
    const profile_dialog_kind* kind = reinterpret_cast<const profile_dialog_kind*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG: return on_init(dialog, *reinterpret_cast<const profile_dialog_kind*>(lparam));
    case WM_COMMAND:
        if (kind == nullptr) return FALSE;
        if (LOWORD(wparam) == IDOK) on_ok(dialog, *kind);
        else if (LOWORD(wparam) == IDCANCEL) EndDialog(dialog, 0);
        else if (LOWORD(wparam) == IDC_PROFILE_LIST && HIWORD(wparam) == LBN_DBLCLK)
            SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        return FALSE;
    default: return FALSE;
    }
}

INT_PTR run_dialog(picker_run& run, HWND owner, const profile_dialog_kind& kind)
{
    return run_nested_dialog(run, "CHANGE", owner, profile_dialog_proc, reinterpret_cast<LPARAM>(&kind));
}

}  // namespace

INT_PTR run_display_profile_dialog(picker_run& run, HWND owner)
{
    const profile_dialog_kind kind = {&run, true, classification_display, IDS_SELECT_DISPLAY_PROFILE,
                                      IDS_DISPLAY_PROFILE_HELP};
    return run_dialog(run, owner, kind);
}

INT_PTR run_printer_profile_dialog(picker_run& run, HWND owner)
{
    const profile_dialog_kind kind = {&run, false, classification_output, IDS_SELECT_PRINTER_PROFILE,
                                      IDS_PRINTER_PROFILE_HELP};
    return run_dialog(run, owner, kind);
}
