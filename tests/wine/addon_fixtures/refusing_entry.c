/* The entry point of a module that refuses every load. The library must read
   such a module's resources without ever running it. */
#include <windows.h>

BOOL WINAPI refuse_every_load(HINSTANCE module, DWORD reason, LPVOID reserved)
{
    (void)module;
    (void)reserved;
    return reason != DLL_PROCESS_ATTACH;
}
