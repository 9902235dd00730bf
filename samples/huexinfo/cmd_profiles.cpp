// huexinfo profiles [CLASS]: the profiles of the system colour directory by
// class (0 display, 1 input, 2 output, 3 colour space; all four when none is
// given), each with its description, and the current monitor and printer
// profiles.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "console_text.h"
#include "command_line.h"
#include "huex.h"

static void list_class(LONG classification)
{
    static const char* const titles[] = {"display", "input", "output", "colour space (XYZ data)"};
    out("%s profiles:\n", titles[classification]);
    HANDLE state = nullptr;
    WIN32_FIND_DATAW find_data = {};
    wchar_t path[260], description[256];
    LONG n;
    while ((n = enum_profiles_by_classificationW(classification, &state, &find_data, path, description,
                                                 sizeof description / sizeof description[0])) > 0)
        out("  %-40s %s\n", utf8_of(description).c_str(), utf8_of(path).c_str());
    if (n < 0) out("  (the walk stopped: the colour directory cannot be searched, or a profile in it is cut short)\n");
}

static void print_current(const char* label, short(WINAPI* getter)(WCHAR**))
{
    WCHAR* text = nullptr;
    if (getter(&text) == HUEX_OK) {
        WCHAR name[260] = L"";
        HUEX_GetProfileNameW(text, name);
        out("%s: %s (%s)\n", label, utf8_of(text).c_str(), utf8_of(name).c_str());
        HUEX_DisposeProfileW(text);
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
    print_current("monitor profile", HUEX_GetMonitorProfileW);
    print_current("printer profile", HUEX_GetPrinterProfileW);
    return 0;
}
