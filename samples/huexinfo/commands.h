// The subcommands of huexinfo: one function and one table line each.
#pragma once

int cmd_pubs(int argc, char** argv);
int cmd_profile(int argc, char** argv);

struct huexinfo_command {
    const char* name;
    const char* usage;
    int (*run)(int argc, char** argv);
};

// argv[0] of run() is the subcommand's name.
static const huexinfo_command huexinfo_commands[] = {
    {"pubs", "pubs                 list the publications", cmd_pubs},
    {"profile", "profile PATH         dump an ICC profile: header, tags, descriptions, XYZ, curves, luts", cmd_profile},
};
