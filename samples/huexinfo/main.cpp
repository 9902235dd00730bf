// huexinfo: shows what huex.dll knows, through its exports only.
#include <cstdio>
#include <cstring>

#include "commands.h"
#include "huex_version.h"

namespace {

bool asks_help(const char* argument) { return std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0; }

int help()
{
    std::printf("usage: huexinfo COMMAND [ARGS]    shows what huex.dll knows, through its exports\n\n");
    for (const auto& c : huexinfo_commands) std::printf("  huexinfo %s\n      %s\n", c.synopsis, c.summary);
    std::printf("\n  huexinfo COMMAND --help    that command alone\n  huexinfo --version\n\n"
                "Exit code: 0 done, 1 a failure (a file, a publication, the library), 2 a command line it cannot read.\n");
    return 0;
}

}  // namespace

// The one place that takes the process's arguments: every command gets them
// from here, as they came.
int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: huexinfo COMMAND [ARGS]   (huexinfo --help lists the commands)\n");
        return 2;
    }
    if (asks_help(argv[1])) return help();
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("huexinfo %s\n", HUEX_VERSION_TEXT);
        return 0;
    }
    for (const auto& c : huexinfo_commands) {
        if (std::strcmp(argv[1], c.name) != 0) continue;
        if (argc == 3 && asks_help(argv[2])) {
            std::printf("usage: huexinfo %s\n      %s\n", c.synopsis, c.summary);
            return 0;
        }
        return c.run(argc - 1, argv + 1);
    }
    std::fprintf(stderr, "huexinfo: no command \"%s\"   (huexinfo --help lists the commands)\n", argv[1]);
    return 2;
}
