#include "console_text.h"
#include "command_line.h"

#include <cstdio>
#include <cstring>

#include "commands.h"

int usage_error(const char* command)
{
    for (const auto& c : huexinfo_commands)
        if (std::strcmp(c.name, command) == 0) err("usage: huexinfo %s\n", c.synopsis);
    return 2;
}

bool same_word(const char* a, const char* b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    for (; *a && lower(*a) == lower(*b); ++a, ++b) {}
    return lower(*a) == lower(*b);
}
