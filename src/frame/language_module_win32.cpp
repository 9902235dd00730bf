// The language module is looked for beside the library, then beside the
// application, then in the system directory, always by absolute path: the
// current directory is never searched, so a document folder holding a planted
// "HUEXLANG.DLL" cannot get code into the host.
#include "frame/language_module_win32.h"

#include <cstring>

#include "frame/module_handles_win32.h"
#include "frame/platform_values.h"
#include "frame/resource_module_win32.h"

static const char language_file[] = "HUEXLANG.DLL";

// Cuts a module path after its last backslash and appends the language file
// name; false when the result would not fit.
static bool language_path_beside(HMODULE module, char* path, DWORD size)
{
    DWORD n = GetModuleFileNameA(module, path, size);
    if (n == 0 || n >= size) return false;
    char* slash = std::strrchr(path, '\\');
    if (slash == nullptr) return false;
    slash[1] = 0;
    if (std::strlen(path) + sizeof language_file > size) return false;
    std::strcat(path, language_file);
    return true;
}

static bool language_path_in_system(char* path, UINT size)
{
    UINT n = GetSystemDirectoryA(path, size);
    if (n == 0 || n >= size) return false;
    if (n + 1 + sizeof language_file > size) return false;
    if (path[n - 1] != '\\') std::strcat(path, "\\");
    std::strcat(path, language_file);
    return true;
}

// The language of the first translation entry of the module's version
// resource, or 1033 when the module has none.
static uint32_t module_language(const char* path)
{
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    if (size == 0) return 1033;
    HLOCAL block = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, size);
    if (block == nullptr) return 1033;
    uint32_t language = 1033;
    if (void* data = LocalLock(block)) {
        WORD* translation = nullptr;
        UINT length = 0;
        if (GetFileVersionInfoA(path, 0, size, data) &&
            VerQueryValueA(data, "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) &&
            translation != nullptr && length >= 2 * sizeof(WORD))
            language = translation[0];
        LocalUnlock(block);
    }
    LocalFree(block);
    return language;
}

HMODULE load_language_module(platform_values& platform)
{
    char path[MAX_PATH];
    HMODULE module = nullptr;
    if (language_path_beside(instance_handle, path, sizeof path)) module = load_resource_module(path);
    if (module == nullptr && language_path_beside(nullptr, path, sizeof path)) module = load_resource_module(path);
    if (module == nullptr && language_path_in_system(path, sizeof path)) module = load_resource_module(path);
    if (module == nullptr) {
        platform.language_module_path[0] = 0;
        platform.language_id = 1033;
        return instance_handle;
    }
    std::strcpy(platform.language_module_path, path);
    platform.language_id = module_language(path);
    return module;
}

void release_language_module(platform_values& platform)
{
    if (text_module != nullptr && text_module != instance_handle) FreeLibrary(text_module);
    text_module = instance_handle;
    platform.language_module_path[0] = 0;
}
