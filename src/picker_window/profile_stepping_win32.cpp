// F5, F6 and F7 on the picker: the display profiles read from a hidden sorted
// list box into memory sized by their type, picker/profile_stepping.* chooses
// the item, and the chosen profile is loaded.
#include "picker_window/profile_stepping_win32.h"

#include <cstdint>
#include <type_traits>

#include "frame/module_handles_win32.h"
#include "picker/picker_keys.h"
#include "picker/picker_run.h"
#include "picker/profile_stepping.h"
#include "picker_window/picker_windows_win32.h"
#include "profiles/profile_enumeration_win32.h"
#include "profiles/profile_header_codes.h"
#include "profiles/profile_settings.h"

namespace {

// `count` zeroed objects of a plain type from the local heap, freed with the
// block. The library makes no C++ runtime allocation: that runtime would
// leak at every unload.
template <typename T>
struct local_block {
    static_assert(std::is_trivial<T>::value, "zeroed memory must be a valid T");
    explicit local_block(size_t count)
        : items(count <= SIZE_MAX / sizeof(T) ? static_cast<T*>(LocalAlloc(LPTR, count * sizeof(T))) : nullptr)
    {
    }
    ~local_block()
    {
        if (items != nullptr) LocalFree(items);
    }
    local_block(const local_block&) = delete;
    local_block& operator=(const local_block&) = delete;
    T* items;
};

// One item of the list box: a profile's description, as long as the
// profile dialog and the settings allow.
struct listed_profile {
    char name[MAX_PATH];
};

// An item too long for a name, or one the list box will not give, reads as
// the empty name, which no profile bears.
void read_item(HWND list, int index, listed_profile& item)
{
    const LRESULT n = SendMessageA(list, LB_GETTEXTLEN, index, 0);
    if (n < 0 || n >= static_cast<LRESULT>(sizeof item.name) ||
        SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(item.name)) == LB_ERR)
        item.name[0] = 0;
}

// The name of the list item the unit chooses for the key; the default
// display's name when it chooses none or the list cannot be made.
void choose_profile_name(picker_run& run, UINT key, char (&name)[MAX_PATH])
{
    const library_context& lib = run.lib;
    lstrcpynA(name, lib.platform.default_display_name, sizeof name);
    if (key == key_f7 || run.ui->window == nullptr) return;
    // The list box sorts the descriptions as the system does; the default
    // item goes on top after the sort.
    HWND list = CreateWindowExA(0, "LISTBOX", "", WS_CHILD | LBS_SORT, 0, 0, 100, 100, run.ui->window, nullptr,
                                instance_handle, nullptr);
    if (list == nullptr) return;
    for_each_profile_description(lib.platform, classification_display, [&](const char* description) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(description));
    });
    SendMessageA(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(lib.platform.default_display_name));
    const int n = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    const size_t count = n > 0 ? static_cast<size_t>(n) : 0;
    local_block<listed_profile> names(count);
    local_block<const char*> items(count);
    if (names.items != nullptr && items.items != nullptr) {
        for (int i = 0; i < n; ++i) {
            read_item(list, i, names.items[i]);
            items.items[i] = names.items[i].name;
        }
        const int32_t choice = step_profile_choice(key, items.items, n, lib.profiles.monitor_profile_name);
        if (choice >= 0 && choice < n) lstrcpynA(name, items.items[choice], sizeof name);
    }
    DestroyWindow(list);
}

}  // namespace

void step_display_profile(picker_run& run, UINT key)
{
    library_context& lib = run.lib;
    char name[MAX_PATH];
    choose_profile_name(run, key, name);
    wchar_t path[MAX_PATH];
    profile_path_from_name(lib.platform, name, path, lib.platform.default_display_name, classification_display);
    load_monitor_profile(lib.profiles, lib.display, lib.platform, path);
    HWND shown = run.ui->settings_ui.display_edit;
    if (shown != nullptr) SetWindowTextA(shown, lib.profiles.monitor_profile_name);
}
