// Exports that list the publications.
#include <cstring>

#include "colorlib/color_system_codes.h"
#include "colorlib/publications.h"
#include "context/library_guard.h"
#include "huex.h"

static_assert(HUEX_SYSTEM_SOLID == solid_guides_code && HUEX_SYSTEM_PROCESS == process_guide_code,
              "the public header names the built-in guides' codes as the table does");

extern "C" int WINAPI HUEX_EnumPubs(short* system, short* flag, char* name)
{
    if (system == nullptr || flag == nullptr || name == nullptr) return 0;
    int16_t next_system = *system, next_flag = *flag;
    char desc[HUEX_PUB_NAME_SIZE];
    int len;
    {
        library_guard lib;
        len = enum_pubs(lib->catalogue, &next_system, &next_flag, desc);
    }
    if (len <= 0) return 0;
    std::memcpy(name, desc, static_cast<size_t>(len) + 1);
    *system = next_system;
    *flag = next_flag;
    return len;
}
