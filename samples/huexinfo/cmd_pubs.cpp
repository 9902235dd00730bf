#include <cstdio>

#include "console_text.h"
#include "huex.h"

int cmd_pubs(int, char**)
{
    short system = -1, flag = 0;
    char name[256];
    out("%-40s %6s %4s\n", "publication", "code", "flag");
    while (HUEX_EnumPubs(&system, &flag, name) > 0) out("%-40s %6d %4d\n", utf8_of_name(name).c_str(), system, flag);
    return 0;
}
