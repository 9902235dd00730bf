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
#include "colorlib/publication_catalogue.h"
#include "colorlib/resource_seam.h"
#include "frame/module_handles_win32.h"
#include "frame/resource_module_win32.h"

byte_span module_resource(HMODULE module, const char* type, const char* name);

constexpr DWORD folder_size = sizeof addon_record::path;

// The library's folder, ending in a backslash; false when its path does not
// fit (then there are no add-ons).
static bool find_library_folder(char folder[folder_size])
{
    char path[folder_size + 1];
    DWORD n = GetModuleFileNameA(instance_handle, path, sizeof path);
    if (n == 0 || n >= folder_size) return false;
    char* slash = std::strrchr(path, '\\');
    if (slash == nullptr) return false;
    slash[1] = 0;
    std::strcpy(folder, path);
    return true;
}

static int16_t add_on_number(HMODULE module, UINT id)
{
    char text[21] = "";
    if (LoadStringA(module, id, text, 20) <= 0) return 0;
    return static_cast<int16_t>(decimal_value(text));
}

static int load_addon_record(const publication_catalogue& catalogue, const char* folder, addon_record* record,
                             const char* file_name)
{
    std::memset(record->path, 0, sizeof record->path);
    if (std::strlen(folder) + std::strlen(file_name) >= sizeof record->path) return 0;
    std::strcpy(record->path, folder);
    std::strcat(record->path, file_name);

    HMODULE module = load_resource_module(record->path);
    if (module == nullptr) return 0;
    const byte_span descriptor = module_resource(module, "PUB", "addon");
    read_desc(descriptor, record->desc, 100);
    record->pub_no = read_pub_no(descriptor);
    record->next = nullptr;
    record->system = add_on_number(module, 2);
    record->flag = add_on_number(module, 3);
    FreeLibrary(module);

    // Hosts walk the publication list by the pair each step hands back: a
    // pair of the built-in guides (37, 293) or the start code -1 would lead
    // the walk back into the list for ever or end it early. Only the pairs
    // that select an add-on publication are taken (palette codes belong to
    // the palettes); any other file counts as
    // one that could not be loaded.
    if (system_to_pub(record->system, record->flag) <= static_cast<int32_t>(catalogue.last_builtin_pub) ||
        is_palette_code(record->system)) {
        std::memset(record->desc, 0, sizeof record->desc);
        record->pub_no = 0;
        record->system = 0;
        record->flag = 0;
        return 0;
    }
    return 1;
}

void scan_addons(publication_catalogue& catalogue)
{
    catalogue.addon_count = 0;
    catalogue.addon_list = nullptr;
    char folder[folder_size];
    if (!find_library_folder(folder)) return;

    char pattern[folder_size + 16];
    std::strcpy(pattern, folder);
    std::strcat(pattern, "huex_*.dll");
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern, &found);
    if (search == INVALID_HANDLE_VALUE) return;

    catalogue.first_addon = addon_record{};
    catalogue.addon_list = &catalogue.first_addon;
    load_addon_record(catalogue, folder, &catalogue.first_addon, found.cFileName);
    catalogue.addon_count = 1;
    addon_record* last = &catalogue.first_addon;
    while (FindNextFileA(search, &found)) {
        void* memory = LocalAlloc(LPTR, sizeof(addon_record));
        if (memory == nullptr) break;
        auto* record = new (memory) addon_record{};
        ++catalogue.addon_count;
        last->next = record;
        last = record;
        load_addon_record(catalogue, folder, record, found.cFileName);
    }
    FindClose(search);
}

// An add-on's module is loaded the first time one of its tables is needed and
// then kept: loading it afresh for every look-up would only raise its load
// count, and it stays mapped either way.
byte_span addon_resource(addon_record& record, const char* type)
{
    if (record.module == nullptr) record.module = load_resource_module(record.path);
    if (record.module == nullptr) return {};
    return module_resource(static_cast<HMODULE>(record.module), type, "addon");
}

// At an unload by the host (at process end the process takes everything):
// the records and the mapped add-ons would otherwise stay behind with every
// load and unload.
void release_addons(publication_catalogue& catalogue)
{
    addon_record* record = catalogue.addon_list;
    while (record != nullptr) {
        addon_record* next = record->next;
        if (record->module != nullptr) FreeLibrary(static_cast<HMODULE>(record->module));
        if (record != &catalogue.first_addon) LocalFree(record);
        record = next;
    }
    catalogue.first_addon = addon_record{};
    catalogue.addon_list = nullptr;
    catalogue.addon_count = 0;
}
