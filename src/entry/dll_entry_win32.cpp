// The library's entry point: start-up in a fixed order (later steps rely on
// the earlier ones), most of it at the first use, and the settings written
// back at process end.
#include <windows.h>
#include <icm.h>

#include <cstring>
#include <cwchar>

#include "colorlib/addon_scan_win32.h"
#include "context/library_guard.h"
#include "context/library_lock.h"
#include "context/thread_texts.h"
#include "entry/palette_scan_win32.h"
#include "entry/settings_store_win32.h"
#include "frame/common_controls_win32.h"
#include "picker_window/accessibility_calls_win32.h"
#include "frame/language_module_win32.h"
#include "frame/module_handles_win32.h"
#include "frame/path_text_win32.h"
#include "frame/texts_win32.h"
#include "matching/printer_transform.h"
#include "picker_window/window_classes_win32.h"

HINSTANCE instance_handle;
HMODULE text_module;

// The colour system's own folder comes first: installers put profiles there,
// and 32- and 64-bit processes see the same one, whereas the old folder under
// system32 is redirected for 32-bit processes on 64-bit Windows. The old one
// is still read, so that nothing a host or an older installation put there
// is lost.
static void find_color_directories(platform_values& platform)
{
    OSVERSIONINFOA version;
    std::memset(&version, 0, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;  // 148 bytes
    platform.is_nt = (GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT) ? 1 : 0;

    char* windows_directory = platform.windows_directory;
    UINT n = GetWindowsDirectoryA(windows_directory, sizeof platform.windows_directory);
    if (n >= sizeof platform.windows_directory) windows_directory[0] = 0;
    // The folders as the file system names them: a profile's path is made
    // from them, and may hold any letter.
    constexpr size_t folder_size = sizeof platform.color_directory / sizeof platform.color_directory[0];
    wchar_t windows_folder[folder_size];
    n = GetWindowsDirectoryW(windows_folder, folder_size);
    if (n >= folder_size) windows_folder[0] = 0;
    const wchar_t* tail = platform.is_nt ? L"\\system32\\color\\" : L"\\system\\color\\";
    wchar_t old[folder_size] = L"";
    if (std::wcslen(windows_folder) + std::wcslen(tail) < folder_size) {
        std::wcscpy(old, windows_folder);
        std::wcscat(old, tail);
    }
    wchar_t* color_directory = platform.color_directory;
    DWORD size = DWORD(sizeof platform.color_directory - sizeof(wchar_t));  // room for the closing backslash
    if (GetColorDirectoryW(nullptr, color_directory, &size) && color_directory[0] != 0) {
        const size_t length = std::wcslen(color_directory);
        if (color_directory[length - 1] != L'\\') std::wcscpy(color_directory + length, L"\\");
    } else {
        std::wcscpy(color_directory, old);
    }
    if (lstrcmpiW(old, color_directory) != 0) std::wcscpy(platform.old_color_directory, old);
}

// What of start-up no host can tell from the load itself waits for the
// library's first use, and runs then in the same order, under the guard of
// whichever thread calls first: the language module, the colour folders, the
// add-on scan and the stored settings with their profiles. A host that loads
// the library and never calls it (or not yet) pays only for the load.
static void finish_start_up(library_context& lib)
{
    platform_values& platform = lib.platform;
    text_module = load_language_module(platform);
    find_color_directories(platform);
    load_text(IDS_DEFAULT_PRINTER, platform.default_printer_profile_name, sizeof platform.default_printer_profile_name);
    load_text(IDS_DEFAULT_DISPLAY, platform.default_display_name, sizeof platform.default_display_name);
    path_from_ansi(platform.default_printer_profile_name, platform.default_printer_profile_path, MAX_PATH);
    path_from_ansi(platform.default_display_name, platform.default_display_path, MAX_PATH);
    scan_addons(lib.catalogue);
    scan_palettes(lib.catalogue);
    settings_load(lib);
    lib.settings_were_read = true;
}

// Under the loader's lock only what the load itself must decide: a picker
// class that cannot be registered refuses the load.
static BOOL process_attach(HINSTANCE module)
{
    start_library_lock();
    start_thread_texts();
    library_guard lib;
    platform_values& platform = lib->platform;
    instance_handle = module;
    text_module = module;
    apply_default_display(lib->display);

    platform.screen_width = GetSystemMetrics(SM_CXSCREEN);
    platform.screen_height = GetSystemMetrics(SM_CYSCREEN);
    if (platform.screen_width == 640 && platform.screen_height == 480) platform.small_screen = 1;

    if (!register_picker_classes()) return FALSE;

    platform.label_text_color = 0x00FFFFFF;
    lib->catalogue.last_builtin_pub = 3;
    lib->pending_start_up = finish_start_up;
    return TRUE;
}

// No lock is taken here. At process end every other thread is gone, one of
// them perhaps while it held the lock; a host that unloads the library has
// stopped calling it.
static void process_detach(bool unloaded)
{
    library_context& lib = library_context_at_detach();
    // A load refused at the class step still gets its detach call, and one
    // that no host called never read the settings: writing then would put the
    // initial values over what the user stored.
    if (lib.settings_were_read) settings_save(lib);
    // Only when the host unloads the library: at process end the classes,
    // records, mapped modules and the colour-matching module go with the
    // process. The colour-matching module may outlive this library (the
    // host may hold it too), so no object of ours stays with it.
    if (!unloaded) return;
    unregister_picker_classes();
    release_common_controls(&lib.common_controls);
    release_accessibility_calls(&lib.accessibility);
    release_addons(lib.catalogue);
    release_language_module(lib.platform);
    drop_printer_transform(lib.matching);
    end_matching_session(lib.matching.session);
    end_thread_texts();
    end_library_lock();
}

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved)
{
    switch (reason) {
    case DLL_PROCESS_ATTACH: return process_attach(module);
    case DLL_PROCESS_DETACH: process_detach(reserved == nullptr); return TRUE;
    case DLL_THREAD_DETACH: end_thread_texts_of_this_thread(); return TRUE;
    default: return TRUE;
    }
}
