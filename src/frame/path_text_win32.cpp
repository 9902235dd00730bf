#include "frame/path_text_win32.h"

bool path_from_ansi(const char* text, wchar_t* out, int size)
{
    if (size < 1) return false;
    out[0] = L'\0';
    if (text == nullptr) return false;
    if (MultiByteToWideChar(CP_ACP, 0, text, -1, out, size) != 0) return true;
    out[0] = L'\0';
    return false;
}

bool path_to_ansi(const wchar_t* path, char* out, int size, bool* exact)
{
    if (size < 1) return false;
    out[0] = '\0';
    if (path == nullptr) return false;
    BOOL replaced = FALSE;
    // Multi-byte code pages take no replacement flag question; their
    // default character stands in all the same.
    CPINFO info;
    const bool single_byte = GetCPInfo(CP_ACP, &info) && info.MaxCharSize == 1;
    const int written = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path, -1, out, size, "?",
                                            single_byte ? &replaced : nullptr);
    if (written == 0) {
        out[0] = '\0';
        return false;
    }
    if (exact != nullptr) {
        // Without the flag's answer, a round trip tells whether the text
        // still names the same file.
        wchar_t back[MAX_PATH + 1];
        *exact = single_byte ? !replaced
                             : MultiByteToWideChar(CP_ACP, 0, out, -1, back, MAX_PATH + 1) != 0 &&
                                   lstrcmpW(back, path) == 0;
    }
    return true;
}

wide_argument widened(const char* text)
{
    wide_argument argument;
    argument.given = text != nullptr;
    argument.text[0] = L'\0';
    if (text == nullptr) return argument;
    // A text longer than the buffer stays too long: MAX_PATH characters
    // that name nothing, which every length check refuses as it refuses the
    // text itself.
    if (!path_from_ansi(text, argument.text, MAX_PATH + 1)) {
        for (int i = 0; i < MAX_PATH; ++i) argument.text[i] = L'?';
        argument.text[MAX_PATH] = L'\0';
    }
    return argument;
}

wide_argument copied(const wchar_t* text)
{
    wide_argument argument;
    argument.given = text != nullptr;
    argument.text[0] = L'\0';
    if (text != nullptr) lstrcpynW(argument.text, text, MAX_PATH + 1);
    return argument;
}
