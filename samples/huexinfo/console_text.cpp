#include "console_text.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

std::string utf8_of(const wchar_t* text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return std::string();
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &utf8[0], size, nullptr, nullptr);
    utf8.resize(static_cast<size_t>(size - 1));
    return utf8;
}

std::wstring wide_of(const std::string& utf8)
{
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    if (size <= 1) return std::wstring();
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, &wide[0], size);
    wide.resize(static_cast<size_t>(size - 1));
    return wide;
}

static std::string utf8_of_code_page(UINT code_page, const char* text)
{
    const int size = MultiByteToWideChar(code_page, 0, text, -1, nullptr, 0);
    if (size <= 1) return std::string();
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(code_page, 0, text, -1, &wide[0], size);
    return utf8_of(wide.c_str());
}

std::string utf8_of_ansi(const char* text) { return utf8_of_code_page(CP_ACP, text); }

const UINT names_code_page = 1252;

std::string utf8_of_name(const char* text) { return utf8_of_code_page(names_code_page, text); }

std::string name_of_utf8(const char* utf8)
{
    const std::wstring wide = wide_of(utf8);
    const int size = WideCharToMultiByte(names_code_page, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, nullptr, 0, "?", nullptr);
    if (size <= 1) return std::string();
    std::string text(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(names_code_page, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, &text[0], size, "?", nullptr);
    text.resize(static_cast<size_t>(size - 1));
    return text;
}

namespace {

void write_text(FILE* stream, DWORD which, const char* format, va_list args)
{
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    if (length <= 0) {
        va_end(again);
        return;
    }
    std::vector<char> text(static_cast<size_t>(length) + 1);
    std::vsnprintf(text.data(), text.size(), format, again);
    va_end(again);
    HANDLE handle = GetStdHandle(which);
    DWORD mode = 0;
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
        std::fflush(stream);
        const std::wstring wide = wide_of(text.data());
        DWORD written = 0;
        WriteConsoleW(handle, wide.c_str(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    std::fwrite(text.data(), 1, static_cast<size_t>(length), stream);
    // Errors go out at once, as the C library's own error stream does,
    // ahead of the output it keeps until the end.
    if (stream == stderr) std::fflush(stream);
}

}  // namespace

void out(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    write_text(stdout, STD_OUTPUT_HANDLE, format, args);
    va_end(args);
}

void err(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    write_text(stderr, STD_ERROR_HANDLE, format, args);
    va_end(args);
}
