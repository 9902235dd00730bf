// The About dialog's procedure: the version block read and shown, the credits
// from the texts in use. Nothing here needs a decision of the unit.
#include "picker_window/about_dialog_win32.h"

#include "frame/module_handles_win32.h"
#include "frame/texts_win32.h"
#include "picker_window/dialog_centring_win32.h"

// Sets item `id` to value `name` of the version block's string table `key`;
// a value that is missing leaves the template's placeholder.
static void show_version_value(HWND dialog, int id, void* block, const char* key, const char* name)
{
    char path[96];
    wsprintfA(path, "\\StringFileInfo\\%s\\%s", key, name);
    char* value = nullptr;
    UINT length = 0;
    if (VerQueryValueA(block, path, reinterpret_cast<void**>(&value), &length) && value != nullptr && length > 0)
        SetDlgItemTextA(dialog, id, value);
}

// The file of the module in use (the language module when one is loaded),
// by its full path: a bare name would be searched for and could find another
// copy, or none, when the host loaded the library from elsewhere.
static void show_version_block(HWND dialog)
{
    char file[MAX_PATH];
    const DWORD n = GetModuleFileNameA(text_module != nullptr ? text_module : instance_handle, file, sizeof file);
    if (n == 0 || n >= sizeof file) return;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(file, &ignored);
    if (size == 0) return;
    HLOCAL memory = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, size);
    if (memory == nullptr) return;
    void* block = LocalLock(memory);
    BYTE* translation = nullptr;
    UINT length = 0;
    if (block != nullptr && GetFileVersionInfoA(file, 0, size, block) &&
        VerQueryValueA(block, "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) &&
        translation != nullptr && length >= 4) {
        char key[16];
        wsprintfA(key, "%02X%02X%02X%02X", translation[1], translation[0], translation[3], translation[2]);
        show_version_value(dialog, IDC_ABOUT_VERSION, block, key, "FileVersion");
        show_version_value(dialog, IDC_ABOUT_TRADEMARKS, block, key, "LegalTrademarks");
    }
    if (block != nullptr) LocalUnlock(memory);
    LocalFree(memory);
}

static void set_item_text(HWND dialog, int id, unsigned text_id)
{
    char text[256];
    load_text(text_id, text, sizeof text);
    SetDlgItemTextA(dialog, id, text);
}

static INT_PTR on_init(HWND dialog)
{
    centre_dialog(dialog);
    show_version_block(dialog);
    set_item_text(dialog, IDC_ABOUT_CREDITS, IDS_CMM_CREDITS);
    set_item_text(dialog, IDOK, IDS_OK);
    SetFocus(GetDlgItem(dialog, IDOK));
    return FALSE;
}

static INT_PTR on_command(HWND dialog, int id)
{
    if (id == IDOK) EndDialog(dialog, 1);
    else if (id == IDCANCEL) EndDialog(dialog, -1);
    return FALSE;
}

INT_PTR CALLBACK about_dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_INITDIALOG: return on_init(dialog);
    case WM_COMMAND: return on_command(dialog, LOWORD(wparam));
    default: return FALSE;
    }
}
