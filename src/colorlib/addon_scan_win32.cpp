// Finds the add-on publications ("huex_*.dll") in the library's own folder at
// start-up and serves their resources afterwards. The folder is that of the
// library's module file, never a search-path result: a host's current
// directory may be a document folder that someone else filled. Add-ons are
// mapped for their resources only; none of their code ever runs.
#include "colorlib/addon_scan_win32.h"

#include <windows.h>

#include <cstring>
#include <new>

#include "colorlib/addons.h"
#include "colorlib/descriptor.h"
#include "colorlib/extended_color.h"
#include "colorlib/resource_seam.h"
#include "frame/library_state_win32.h"
#include "frame/resource_module_win32.h"

byte_span module_resource(HMODULE module, const char* type, const char* name);

static char search_dir[260];

// The library's folder, ending in a backslash; false when its path does not
// fit (then there are no add-ons).
static bool find_library_folder()
{
    char path[sizeof search_dir + 1];
    DWORD n = GetModuleFileNameA(instance_handle, path, sizeof path);
    if (n == 0 || n >= sizeof search_dir) return false;
    char* slash = std::strrchr(path, '\\');
    if (slash == nullptr) return false;
    slash[1] = 0;
    std::strcpy(search_dir, path);
    return true;
}

static int16_t add_on_number(HMODULE module, UINT id)
{
    text_scratch[0] = 0;
    if (LoadStringA(module, id, text_scratch, 20) <= 0) return 0;
    return static_cast<int16_t>(decimal_value(text_scratch));
}

int load_addon_record(addon_record* record, const char* file_name)
{
    std::memset(record->path, 0, sizeof record->path);
    if (std::strlen(search_dir) + std::strlen(file_name) >= sizeof record->path) return 0;
    std::strcpy(record->path, search_dir);
    std::strcat(record->path, file_name);

    HMODULE module = load_resource_module(record->path);
    if (module == nullptr) return 0;
    current_descriptor = module_resource(module, "PUB", "addon");
    descriptor_desc(record->desc, 100);
    record->pub_no = descriptor_pub_no();
    record->next = nullptr;
    record->system = add_on_number(module, 2);
    record->flag = add_on_number(module, 3);
    FreeLibrary(module);
    current_descriptor = byte_span{};

    // Hosts walk the publication list by the pair each step hands back: a
    // pair of the built-in guides (37, 293) or the start code -1 would lead
    // the walk back into the list for ever or end it early. Only the pairs
    // that select an add-on publication are taken; any other file counts as
    // one that could not be loaded.
    if (system_to_pub(record->system, record->flag) <= static_cast<int32_t>(last_builtin_pub)) {
        std::memset(record->desc, 0, sizeof record->desc);
        record->pub_no = 0;
        record->system = 0;
        record->flag = 0;
        return 0;
    }
    return 1;
}

void scan_addons()
{
    addon_count = 0;
    addon_list = nullptr;
    if (!find_library_folder()) return;

    char pattern[sizeof search_dir + 16];
    std::strcpy(pattern, search_dir);
    std::strcat(pattern, "huex_*.dll");
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search == INVALID_HANDLE_VALUE) return;

    first_addon = addon_record{};
    addon_list = &first_addon;
    load_addon_record(&first_addon, found.cFileName);
    addon_count = 1;
    addon_record* last = &first_addon;
    while (FindNextFileA(search, &found)) {
        void* memory = LocalAlloc(LPTR, sizeof(addon_record));
        if (memory == nullptr) break;
        auto* record = new (memory) addon_record{};
        ++addon_count;
        last->next = record;
        last = record;
        load_addon_record(record, found.cFileName);
    }
    FindClose(search);
}

// An add-on's module is loaded the first time one of its tables is needed and
// then kept: loading it afresh for every look-up would only raise its load
// count, and it stays mapped either way.
byte_span addon_resource(uint32_t pub_no, const char* type)
{
    auto* record = const_cast<addon_record*>(find_addon_by_pub(pub_no));
    if (record == nullptr) return {};
    if (record->module == nullptr) record->module = load_resource_module(record->path);
    if (record->module == nullptr) return {};
    return module_resource(static_cast<HMODULE>(record->module), type, "addon");
}

// At an unload by the host (at process end the process takes everything):
// the records and the mapped add-ons would otherwise stay behind with every
// load and unload.
void release_addons()
{
    addon_record* record = addon_list;
    while (record != nullptr) {
        addon_record* next = record->next;
        if (record->module != nullptr) FreeLibrary(static_cast<HMODULE>(record->module));
        if (record != &first_addon) LocalFree(record);
        record = next;
    }
    first_addon = addon_record{};
    addon_list = nullptr;
    addon_count = 0;
}
