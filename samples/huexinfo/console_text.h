// Texts huexinfo reads and writes. Inside, every text is UTF-8: the
// arguments come in as UTF-16 (wmain) and are turned into UTF-8 once, and a
// path goes back to UTF-16 where a file is opened, so that a path may hold
// any letter whatever the code page of the system. Written out, a text goes
// to a console as UTF-16 (WriteConsoleW, shown right in any console code
// page) and anywhere else (a file, a pipe) as UTF-8 bytes.
#pragma once
#include <windows.h>

#include <string>

std::string utf8_of(const wchar_t* text);
std::wstring wide_of(const std::string& utf8);
// A text of the library's in the ANSI code page (profile names, default
// names), as UTF-8.
std::string utf8_of_ansi(const char* text);
// The library's names and publication names are Windows-1252 text whatever
// the system's code page: as UTF-8, and a UTF-8 name typed by the user as the
// library compares it ('?' for a letter Windows-1252 lacks, which no name holds).
std::string utf8_of_name(const char* text);
std::string name_of_utf8(const char* utf8);

// printf to the standard output / the error output, the formatted text taken
// as UTF-8.
#if defined(__MINGW32__)
#define HUEXINFO_PRINTF __attribute__((format(__MINGW_PRINTF_FORMAT, 1, 2)))
#elif defined(__GNUC__)
#define HUEXINFO_PRINTF __attribute__((format(printf, 1, 2)))
#else
#define HUEXINFO_PRINTF
#endif
void out(const char* format, ...) HUEXINFO_PRINTF;
void err(const char* format, ...) HUEXINFO_PRINTF;
