// Exports that list the publications.
#include "colorlib/color_system_codes.h"
#include "colorlib/publications.h"
#include "huex.h"

static_assert(HUEX_SYSTEM_SOLID == solid_guides_code && HUEX_SYSTEM_PROCESS == process_guide_code,
              "the public header names the built-in guides' codes as the table does");

extern "C" int WINAPI HUEX_EnumPubs(short* system, short* flag, char* name)
{
    if (system == nullptr || flag == nullptr || name == nullptr) return 0;
    return enum_pubs(system, flag, name);
}
