// huexinfo profiles [CLASS]: the profiles of the system colour directory by
// class (0 display, 1 input, 2 output, 3 colour space; all four when none is
// given), each with its description, and the current monitor and printer
// profiles.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "command_line.h"
#include "huex.h"

static void list_class(LONG classification)
{
    static const char* const titles[] = {"display", "input", "output", "colour space (XYZ data)"};
    std::printf("%s profiles:\n", titles[classification]);
    HANDLE state = nullptr;
    WIN32_FIND_DATAA find_data = {};
    char path[260], description[256];
    LONG n;
    while ((n = enum_profiles_by_classification(classification, &state, &find_data, path, description,
                                                sizeof description)) > 0)
        std::printf("  %-40s %s\n", description, path);
    if (n < 0) std::printf("  (the walk stopped: the colour directory cannot be searched, or a profile in it is cut short)\n");
}

static void print_current(const char* label, short(WINAPI* getter)(char**))
{
    char* text = nullptr;
    if (getter(&text) == HUEX_OK) {
        char name[260] = "";
        HUEX_GetProfileName(text, name);
        std::printf("%s: %s (%s)\n", label, text, name);
        HUEX_DisposeProfile(text);
    }
}

int cmd_profiles(int argc, char** argv)
{
    if (argc > 2) return usage_error("profiles");
    if (argc == 2) {
        char* end = nullptr;
        const long classification = std::strtol(argv[1], &end, 10);
        if (end == argv[1] || *end != 0 || classification < 0 || classification > 3) return usage_error("profiles");
        list_class(classification);
    } else {
        for (LONG c = 0; c <= 3; ++c) list_class(c);
    }
    print_current("monitor profile", HUEX_GetMonitorProfile);
    print_current("printer profile", HUEX_GetPrinterProfile);
    return 0;
}
