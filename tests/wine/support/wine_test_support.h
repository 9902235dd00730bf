// Helpers for the Windows tests: case folders, module copies, child processes, leak counts.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "test_files.h"

// The folder of the running program (the build's bin folder), with a trailing backslash.
std::string bin_dir();
// A fresh, empty folder "<bin>\cases\<name>\"; whatever it held before is removed.
std::string fresh_case_dir(const std::string& name);
// Copies bin_dir() + file (or an absolute path) into dir; true on success.
bool copy_into(const std::string& file, const std::string& dir, const std::string& new_name = "");
// huex.dll and the colour-matching module it imports, without which it does not load.
bool copy_library_into(const std::string& dir);
// Runs a command line (UTF-8) in cwd (UTF-8); its exit code (or -1), its output appended to *output.
int run_process(const std::string& command_line, const std::string& cwd, std::string* output = nullptr);
// The lines of a program's output that start with prefix, without line ends; the first of them, or "(no line PREFIX)".
std::vector<std::string> lines_starting(const std::string& out, const std::string& prefix);
std::string line_for(const std::string& out, const std::string& prefix);
// The colour system's folder and the one under system32 read after it, each with a trailing backslash.
std::string colour_directory();
std::string old_colour_directory();
// Deletes the library's settings key so that a case starts from nothing.
void delete_settings_key();

// "xyzprof.pf" from source (none: "") in a colour folder while the object lives; what lay there before comes back.
struct installed_xyz_profile {
    const std::string folder, path = folder + "xyzprof.pf";
    const std::vector<uint8_t> before = read_file_bytes(path);
    explicit installed_xyz_profile(const std::string& source, const std::string& in = colour_directory());
    ~installed_xyz_profile();
};

// Heap bytes in use, committed memory, and the next handle value (the lowest free slot: a leak raises it).
struct process_counts {
    size_t heap_bytes;
    size_t committed_bytes;
    uintptr_t next_handle;
};
process_counts current_process_counts();

// Fails the running test on any handle left open or memory beyond ordinary fluctuation.
void expect_no_growth(const process_counts& before, const process_counts& after,
                      size_t heap_slack = 64 * 1024, size_t committed_slack = 1024 * 1024);
