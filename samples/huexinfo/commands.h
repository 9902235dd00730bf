// The subcommands of huexinfo: one function and one table line each.
#pragma once

int cmd_pubs(int argc, char** argv);
int cmd_profile(int argc, char** argv);
int cmd_addon_check(int argc, char** argv);
int cmd_color(int argc, char** argv);
int cmd_dump(int argc, char** argv);
int cmd_profiles(int argc, char** argv);
int cmd_export(int argc, char** argv);
int cmd_match(int argc, char** argv);

struct huexinfo_command {
    const char* name;
    const char* synopsis;  // the arguments, as the usage line writes them after "huexinfo "
    const char* summary;
    int (*run)(int argc, char** argv);
};

// argv[0] of run() is the subcommand's name. Exit codes: 0 done, 1 a failure
// (a file, a publication, the library), 2 a command line it cannot read.
static const huexinfo_command huexinfo_commands[] = {
    {"pubs", "pubs", "list the publications", cmd_pubs},
    {"color", "color NAME", "a colour by its name (short or full) in every publication", cmd_color},
    {"match", "match VALUE [--pub N] [-n COUNT] [--tsv]", "the nearest colours to #RRGGBB, #RGB, rgb(r, g, b) or L a b (D50)", cmd_match},
    {"dump", "dump PUB", "publication PUB (0 = the first of `pubs`) as CSV", cmd_dump},
    {"profile", "profile PATH", "dump an ICC profile: header, tags, descriptions, XYZ, curves, luts", cmd_profile},
    {"profiles", "profiles [CLASS]", "installed profiles by class (0 display, 1 input, 2 output, 3 colour space), and the current ones", cmd_profiles},
    {"export", "export PUB --format icc|ase|gpl [-o FILE|-]", "publication PUB as a colour book for other programs (- for standard output)", cmd_export},
    {"addon-check", "addon-check FILE", "check an add-on publication file against the add-on contract", cmd_addon_check},
};
