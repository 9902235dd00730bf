// huexinfo: shows what huex.dll knows, through its exports only.
#include <cstdio>
#include <cstring>

#include "commands.h"

static int usage()
{
    std::fprintf(stderr, "usage: huexinfo COMMAND [ARGS]\n");
    for (const auto& c : huexinfo_commands) std::fprintf(stderr, "  huexinfo %s\n", c.usage);
    return 2;
}

int main(int argc, char** argv)
{
    if (argc < 2) return usage();
    for (const auto& c : huexinfo_commands)
        if (std::strcmp(argv[1], c.name) == 0) return c.run(argc - 1, argv + 1);
    return usage();
}
