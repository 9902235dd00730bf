// Paths between the two forms the exports take them in. The library keeps
// every path as UTF-16, the form the file system names files in; the ANSI
// exports convert on the way in and out, in the process's ANSI code page,
// as the system's own A functions do.
#pragma once
#include <windows.h>

// An ANSI text as UTF-16 in out (size characters, terminator included).
// False, out empty, when it does not fit or cannot be converted.
bool path_from_ansi(const char* text, wchar_t* out, int size);

// A UTF-16 path in the ANSI code page, in out (size bytes, terminator
// included). A letter the code page lacks becomes '?', never a look-alike
// letter that could name another file. False, out empty, when it does not
// fit; true with *exact false when a letter was replaced.
bool path_to_ansi(const wchar_t* path, char* out, int size, bool* exact = nullptr);

// An ANSI text read into a UTF-16 buffer one character longer than the
// library's path fields hold, so that a text too long to be used still reads
// as one; path is null when the host gave none.
struct wide_argument {
    wchar_t text[MAX_PATH + 1];
    bool given;
    const wchar_t* path() const { return given ? text : nullptr; }
};
wide_argument widened(const char* text);
// The same for a UTF-16 text the host gave.
wide_argument copied(const wchar_t* text);
