// Helpers for the Windows tests: folders laid out per case, copies of the
// built modules, child processes whose output the test reads, and the
// process's handle and memory counts for leak checks.
#pragma once
#include <windows.h>

#include <string>

// The folder of the running test program (the build's bin folder), with a
// trailing backslash.
std::string bin_dir();

// A fresh, empty folder for one case below the build's bin folder
// ("<bin>\cases\<name>\"); whatever it held before is removed.
std::string fresh_case_dir(const std::string& name);

// Copies bin_dir() + file (or an absolute path) into dir; true on success.
bool copy_into(const std::string& file, const std::string& dir, const std::string& new_name = "");

// Copies huex.dll and the colour-matching module it imports (LgICC.dll) into
// dir: the library does not load without it.
bool copy_library_into(const std::string& dir);

// Runs a command line in working directory cwd, waits, and returns its exit
// code (or -1); its standard output is appended to *output when given.
int run_process(const std::string& command_line, const std::string& cwd, std::string* output = nullptr);

// Deletes the library's settings key so that a case starts from nothing.
void delete_settings_key();

struct process_counts {
    DWORD handles;
    SIZE_T private_bytes;
};
process_counts current_process_counts();
