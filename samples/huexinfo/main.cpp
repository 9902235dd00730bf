// huexinfo: shows what huex.dll knows, through its exports only.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "console_text.h"
#include "commands.h"
#include "huex_version.h"

namespace {

bool asks_help(const char* argument) { return std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0; }

int help()
{
    out("usage: huexinfo COMMAND [ARGS]    shows what huex.dll knows, through its exports\n\n");
    for (const auto& c : huexinfo_commands) out("  huexinfo %s\n      %s\n", c.synopsis, c.summary);
    out("\n  huexinfo COMMAND --help    that command alone\n  huexinfo --version\n\n"
                "Exit code: 0 done, 1 a failure (a file, a publication, the library), 2 a command line it cannot read.\n"
        "Paths may hold any letter. Written to a console, text is shown as Unicode whatever the console's code\n"
        "page; written to a file or a pipe, it is UTF-8.\n");
    return 0;
}

}  // namespace

// The one place that takes the process's arguments: every command gets them
// from here, as they came, in UTF-8 (console_text.h).
int wmain(int argc, wchar_t** wide_argv)
{
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i) arguments.push_back(utf8_of(wide_argv[i]));
    std::vector<char*> pointers;
    for (std::string& a : arguments) pointers.push_back(&a[0]);
    pointers.push_back(nullptr);
    char** argv = pointers.data();
    if (argc < 2) {
        err("usage: huexinfo COMMAND [ARGS]   (huexinfo --help lists the commands)\n");
        return 2;
    }
    if (asks_help(argv[1])) return help();
    if (std::strcmp(argv[1], "--version") == 0) {
        out("huexinfo %s\n", HUEX_VERSION_TEXT);
        return 0;
    }
    for (const auto& c : huexinfo_commands) {
        if (std::strcmp(argv[1], c.name) != 0) continue;
        if (argc == 3 && asks_help(argv[2])) {
            out("usage: huexinfo %s\n      %s\n", c.synopsis, c.summary);
            return 0;
        }
        return c.run(argc - 1, argv + 1);
    }
    err("huexinfo: no command \"%s\"   (huexinfo --help lists the commands)\n", argv[1]);
    return 2;
}
