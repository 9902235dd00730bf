#include "console_text.h"
#include "files.h"

#include <cstdio>

namespace {

// Through the handle, not the C library's stream: its text mode would turn
// every 0x0A byte of a binary colour book into 0x0D 0x0A.
DWORD write_standard_output(const void* bytes, size_t size)
{
    std::fflush(stdout);
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out == nullptr || out == INVALID_HANDLE_VALUE) return ERROR_INVALID_HANDLE;
    const char* at = static_cast<const char*>(bytes);
    while (size > 0) {
        DWORD written = 0;
        const DWORD chunk = size > 0x10000 ? 0x10000 : static_cast<DWORD>(size);
        if (!WriteFile(out, at, chunk, &written, nullptr)) return GetLastError();
        if (written == 0) return ERROR_WRITE_FAULT;
        at += written;
        size -= written;
    }
    return 0;
}

// Written under a temporary name in the target's folder and renamed at the
// end, so that a failure leaves no partial file and no broken old one.
DWORD write_whole_file(const std::string& path, const void* bytes, size_t size)
{
    std::string dir = path;
    const size_t slash = dir.find_last_of("\\/:");
    dir = slash == std::string::npos ? "." : dir.substr(0, slash + 1);
    const std::wstring wide_dir = wide_of(dir), wide_path = wide_of(path);
    wchar_t temp[MAX_PATH];
    if (GetTempFileNameW(wide_dir.c_str(), L"hx", 0, temp) == 0) {
        // Of a missing folder the system speaks as of the temporary file;
        // what is missing is the path to the target.
        const DWORD error = GetLastError(), folder = GetFileAttributesW(wide_dir.c_str());
        if (folder == INVALID_FILE_ATTRIBUTES) return ERROR_PATH_NOT_FOUND;
        return (folder & FILE_ATTRIBUTE_DIRECTORY) ? error : ERROR_DIRECTORY;
    }
    // A read-only file is refused as Windows refuses to replace it: the
    // rename alone replaces it under Wine.
    const DWORD old = GetFileAttributesW(wide_path.c_str());
    if (old != INVALID_FILE_ATTRIBUTES && (old & FILE_ATTRIBUTE_READONLY)) {
        DeleteFileW(temp);
        return ERROR_ACCESS_DENIED;
    }
    HANDLE f = CreateFileW(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD error = f == INVALID_HANDLE_VALUE ? GetLastError() : 0, written = 0;
    if (!error && !WriteFile(f, bytes, static_cast<DWORD>(size), &written, nullptr)) error = GetLastError();
    if (!error && written != size) error = ERROR_WRITE_FAULT;
    // On the disk before the rename: a rename within one folder does not wait
    // for the data, so a crash just after it could leave an empty or partial
    // file where the good old one was.
    if (!error && !FlushFileBuffers(f)) error = GetLastError();
    if (f != INVALID_HANDLE_VALUE && !CloseHandle(f) && !error) error = GetLastError();
    if (!error && !MoveFileExW(temp, wide_path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) error = GetLastError();
    if (error) DeleteFileW(temp);
    return error;
}

}  // namespace

std::string system_message(DWORD error)
{
    wchar_t text[512] = L"";
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                                        sizeof text / sizeof text[0], nullptr);
    text[length < 512 ? length : 511] = L'\0';
    std::string message = utf8_of(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' ')) message.pop_back();
    if (message.empty()) message = "error " + std::to_string(error);
    return message;
}

bool is_standard_output(const std::string& path) { return path == "-"; }

DWORD open_error(const char* path)
{
    HANDLE f = CreateFileW(wide_of(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return GetLastError();
    CloseHandle(f);
    return 0;
}

DWORD write_output(const std::string& path, const void* bytes, size_t size)
{
    return is_standard_output(path) ? write_standard_output(bytes, size) : write_whole_file(path, bytes, size);
}

int file_failure(const char* command, const char* verb, const std::string& path, DWORD error)
{
    err("huexinfo %s: cannot %s %s: %s\n", command, verb,
                 is_standard_output(path) ? "the standard output" : path.c_str(), system_message(error).c_str());
    return 1;
}
