// The library's resources and those of add-on modules, as byte spans.
#include <windows.h>

#include "colorlib/resource_seam.h"
#include "frame/module_handles_win32.h"

byte_span module_resource(HMODULE module, const char* type, const char* name)
{
    HRSRC found = FindResourceA(module, name, type);
    if (found == nullptr) return {};
    HGLOBAL loaded = LoadResource(module, found);
    if (loaded == nullptr) return {};
    const void* data = LockResource(loaded);
    DWORD size = SizeofResource(module, found);
    if (data == nullptr || size == 0) return {};
    return byte_span{static_cast<const uint8_t*>(data), size};
}

byte_span builtin_resource(const char* type, const char* name)
{
    return module_resource(instance_handle, type, name);
}
