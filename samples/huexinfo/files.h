// The files huexinfo reads and writes, and the system's own words for a
// failure: the one place where a name given on the command line becomes a
// file, so that the commands never open one themselves. Paths are UTF-8
// (console_text.h).
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

// The name that stands for the standard output.
bool is_standard_output(const std::string& path);

// 0 when PATH opens for reading, else the system's error code.
DWORD open_error(const char* path);

// The bytes as the whole of PATH, or as the standard output for "-", byte
// for byte. 0, or the system's error code.
DWORD write_output(const std::string& path, const void* bytes, size_t size);

// The system's text for an error code (FormatMessage), on one line.
std::string system_message(DWORD error);

// "huexinfo COMMAND: cannot VERB PATH: <the system's words>" on the error
// output; returns 1, the exit code of a failure.
int file_failure(const char* command, const char* verb, const std::string& path, DWORD error);
