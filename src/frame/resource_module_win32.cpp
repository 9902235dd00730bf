#include "frame/resource_module_win32.h"

#ifndef LOAD_LIBRARY_AS_IMAGE_RESOURCE
#define LOAD_LIBRARY_AS_IMAGE_RESOURCE 0x00000020
#endif

HMODULE load_resource_module(const char* path)
{
    // Mapped as an image, the resource section lies where the resource
    // functions expect it. Systems that predate the flag refuse it (with an
    // error that differs between versions); a plain data-file mapping serves
    // them the same resources, and refuses what is no module at all.
    HMODULE module = LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr) module = LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    return module;
}
