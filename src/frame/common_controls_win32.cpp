#include "frame/common_controls_win32.h"

bool common_controls_ready(void** module)
{
    if (*module != nullptr) return true;
    // Never from the search path: a host's current directory may be a
    // document folder that someone else filled.
    HMODULE mapped = LoadLibraryExA("comctl32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (mapped == nullptr) return false;
    const auto init = reinterpret_cast<void(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(mapped, "InitCommonControls")));
    if (init == nullptr) {
        FreeLibrary(mapped);
        return false;
    }
    init();
    *module = mapped;
    return true;
}

void release_common_controls(void** module)
{
    if (*module != nullptr) FreeLibrary(static_cast<HMODULE>(*module));
    *module = nullptr;
}
