// The library's entry point: start-up in a fixed order (later steps rely on
// the earlier ones), and the settings written back at process end.
#include <windows.h>
#include <commctrl.h>
#include <icm.h>

#include <cstring>

#include "colorlib/addon_scan_win32.h"
#include "colorlib/addons.h"
#include "display/display_characterization.h"
#include "entry/settings_store_win32.h"
#include "frame/language_module_win32.h"
#include "frame/library_state_win32.h"
#include "frame/texts_win32.h"
#include "huex.h"
#include "matching/printer_transform.h"
#include "picker_window/window_classes_win32.h"
#include "profiles/profile_settings.h"

HINSTANCE instance_handle;
HMODULE text_module;

// Set once attach has read the stored settings. A load refused before that
// (a window class that cannot be registered) still gets its detach call, and
// writing then would put the initial values over what the user stored.
static bool settings_were_read;

// The colour system's own folder comes first: installers put profiles there,
// and 32- and 64-bit processes see the same one, whereas the old folder under
// system32 is redirected for 32-bit processes on 64-bit Windows. The old one
// is still read, so that nothing a host or an older installation put there
// is lost.
static void find_color_directories()
{
    OSVERSIONINFOA version;
    std::memset(&version, 0, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;  // 148 bytes
    is_nt = (GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT) ? 1 : 0;

    UINT n = GetWindowsDirectoryA(windows_directory, sizeof windows_directory);
    if (n >= sizeof windows_directory) windows_directory[0] = 0;
    const char* tail = is_nt ? "\\system32\\color\\" : "\\system\\color\\";
    char old[sizeof old_color_directory] = "";
    if (std::strlen(windows_directory) + std::strlen(tail) < sizeof old) {
        std::strcpy(old, windows_directory);
        std::strcat(old, tail);
    }
    DWORD size = sizeof color_directory - 1;  // room for the closing backslash
    if (GetColorDirectoryA(nullptr, color_directory, &size) && color_directory[0] != 0) {
        const size_t length = std::strlen(color_directory);
        if (color_directory[length - 1] != '\\') std::strcpy(color_directory + length, "\\");
    } else {
        std::strcpy(color_directory, old);
    }
    if (lstrcmpiA(old, color_directory) != 0) std::strcpy(old_color_directory, old);
}

static BOOL process_attach(HINSTANCE module)
{
    InitCommonControls();
    instance_handle = module;
    text_module = load_language_module();
    apply_default_display();

    screen_width = GetSystemMetrics(SM_CXSCREEN);
    screen_height = GetSystemMetrics(SM_CYSCREEN);
    if (screen_width == 640 && screen_height == 480) small_screen = 1;

    if (!register_picker_classes()) return FALSE;

    label_text_color = 0x00FFFFFF;
    find_color_directories();
    load_text(IDS_DEFAULT_PRINTER, default_printer_profile_name, sizeof default_printer_profile_name);
    load_text(IDS_DEFAULT_DISPLAY, default_display_name, sizeof default_display_name);
    last_builtin_pub = 3;
    scan_addons();
    // Matching keeps a transformation to the printer profile between calls;
    // choosing another printer profile lets go of it at once.
    on_printer_profile_load = drop_printer_transform;
    settings_load();
    settings_were_read = true;
    return TRUE;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved)
{
    switch (reason) {
    case DLL_PROCESS_ATTACH: return process_attach(module);
    case DLL_PROCESS_DETACH:
        if (settings_were_read) settings_save();
        // Only when the host unloads the library: at process end the classes,
        // records, mapped modules and the colour-matching module go with the
        // process. The colour-matching module may outlive this library (the
        // host may hold it too), so no object of ours stays with it.
        if (reserved == nullptr) {
            unregister_picker_classes();
            release_addons();
            release_language_module();
            drop_printer_transform();
            HUEX_EndMatching();
        }
        return TRUE;
    default: return TRUE;
    }
}
