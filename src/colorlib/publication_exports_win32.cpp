// Exports that list the publications.
#include "colorlib/publications.h"
#include "huex.h"

extern "C" int WINAPI HUEX_EnumPubs(short* system, short* flag, char* name)
{
    if (system == nullptr || flag == nullptr || name == nullptr) return 0;
    return enum_pubs(system, flag, name);
}
