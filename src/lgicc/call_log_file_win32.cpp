// Call log of the recording test build: one line per call, appended to the
// file named by the environment variable LGICC_CALL_LOG, or to
// "lgicc_calls.log" beside the module. docs/lgicc.md describes the lines.
#include <windows.h>

#include <cstdarg>
#include <cstdio>

#include "lgicc/call_log.h"
#include "lgicc/lgicc_contract.h"

namespace lgicc {

namespace {

// Values of at most this many colours are written; the count is always there.
constexpr int32_t logged_colors = 16;

struct line_buffer {
    char text[8192];
    size_t used;
};

// Calls are logged under the module's lock, so one pending line is enough:
// a match fills it with its arguments and completes it with its outcome.
line_buffer pending;

void start_line() { pending.used = 0; pending.text[0] = '\0'; }

void append(const char* format, ...)
{
    if (pending.used >= sizeof pending.text - 1) return;
    va_list args;
    va_start(args, format);
    int n = std::vsnprintf(pending.text + pending.used, sizeof pending.text - pending.used, format, args);
    va_end(args);
    if (n < 0) return;
    size_t room = sizeof pending.text - pending.used - 1;
    pending.used += static_cast<size_t>(n) > room ? room : static_cast<size_t>(n);
}

void append_object(const char* key, logged_object t)
{
    if (!t.pointer) append(" %s=null", key);
    else if (t.serial == 0) append(" %s=unknown", key);
    else append(" %s=T%u", key, t.serial);
}

// Paths are quoted as given, cut at the longest length the module accepts.
void append_path(const char* key, const char* path)
{
    if (!path) {
        append(" %s=null", key);
        return;
    }
    size_t length = 0;
    while (length <= max_path_length && path[length] != '\0') ++length;
    append(" %s=\"%.*s\"", key, static_cast<int>(length), path);
}

void append_values(const char* key, const uint16_t* values, int32_t count, uint16_t channels)
{
    append(" %s=", key);
    if (!values || count < 1 || (channels != 3 && channels != 4)) {
        append("none");
        return;
    }
    int32_t shown = count < logged_colors ? count : logged_colors;
    for (int32_t i = 0; i < shown * channels; ++i) append(i ? ",%u" : "%u", values[i]);
}

void log_path(char* path, size_t size)
{
    DWORD n = GetEnvironmentVariableA("LGICC_CALL_LOG", path, static_cast<DWORD>(size));
    if (n > 0 && n < size) return;
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&log_path), &self);
    n = GetModuleFileNameA(self, path, static_cast<DWORD>(size));
    if (n == 0 || n >= size) {
        path[0] = '\0';
        return;
    }
    char* slash = path + n;
    while (slash > path && slash[-1] != '\\' && slash[-1] != '/') --slash;
    std::snprintf(slash, size - static_cast<size_t>(slash - path), "lgicc_calls.log");
}

void finish_line()
{
    append("\r\n");
    char path[MAX_PATH];
    log_path(path, sizeof path);
    if (!path[0]) return;
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, pending.text, static_cast<DWORD>(pending.used), &written, nullptr);
    CloseHandle(file);
}

}  // namespace

void log_set_options(uint32_t options, int32_t option, int32_t value, uint32_t result)
{
    start_line();
    append("SetOptions options=0x%08X option=%d value=%d result=0x%08X", options, option, value, result);
    finish_line();
}

void log_new_transform(logged_object result)
{
    start_line();
    append("LgoNewTransformPtr");
    append_object("result", result);
    finish_line();
}

namespace {

// A wide path as UTF-8 in out, cut where the module stops reading; null
// stays null.
const char* utf8_path(const wchar_t* path, char (&out)[4 * (max_path_length + 2)])
{
    if (!path) return nullptr;
    int length = 0;
    while (length <= static_cast<int>(max_path_length) && path[length] != 0) ++length;
    const int n = WideCharToMultiByte(CP_UTF8, 0, path, length, out, sizeof out - 1, nullptr, nullptr);
    out[n > 0 ? n : 0] = '\0';
    return out;
}

void log_create_call(const char* name, logged_object t, const char* source_path, const char* destination_path,
                     int32_t reserved1, uint32_t options, int32_t reserved2, int32_t reserved3,
                     int32_t sample_bytes, int32_t reserved4, int16_t status)
{
    start_line();
    append("%s", name);
    append_object("t", t);
    append_path("source", source_path);
    append_path("destination", destination_path);
    append(" arg4=%d options=0x%08X arg6=%d arg7=%d arg8=%d arg9=%d status=%d", reserved1, options,
           reserved2, reserved3, sample_bytes, reserved4, status);
    finish_line();
}

}  // namespace

void log_create(logged_object t, const char* source_path, const char* destination_path,
                int32_t reserved1, uint32_t options, int32_t reserved2, int32_t reserved3,
                int32_t sample_bytes, int32_t reserved4, int16_t status)
{
    log_create_call("LgoCreateMatchTransformation", t, source_path, destination_path, reserved1, options,
                    reserved2, reserved3, sample_bytes, reserved4, status);
}

void log_create(logged_object t, const wchar_t* source_path, const wchar_t* destination_path,
                int32_t reserved1, uint32_t options, int32_t reserved2, int32_t reserved3,
                int32_t sample_bytes, int32_t reserved4, int16_t status)
{
    char source[4 * (max_path_length + 2)], destination[4 * (max_path_length + 2)];
    log_create_call("LgoCreateMatchTransformationW", t, utf8_path(source_path, source),
                    utf8_path(destination_path, destination), reserved1, options, reserved2, reserved3,
                    sample_bytes, reserved4, status);
}

void log_match_arguments(logged_object t, uint32_t options, const uint16_t* input, int32_t count,
                         uint16_t source_channels, uint16_t destination_channels,
                         int32_t reserved1, int32_t reserved2, int32_t sample_bytes,
                         int32_t reserved3)
{
    start_line();
    append("LgoICCMatchColors");
    append_object("t", t);
    append(" options=0x%08X count=%d source_channels=%u destination_channels=%u"
           " arg8=%d arg9=%d arg10=%d arg11=%d",
           options, count, source_channels, destination_channels, reserved1, reserved2,
           sample_bytes, reserved3);
    append_values("in", input, count, source_channels);
}

void log_match_outcome(const uint16_t* output, int32_t count, uint16_t destination_channels,
                       int16_t status)
{
    append_values("out", output, count, destination_channels);
    append(" status=%d", status);
    finish_line();
}

void log_delete(logged_object t, int16_t status)
{
    start_line();
    append("LgoDeleteMatchTransformation");
    append_object("t", t);
    append(" status=%d", status);
    finish_line();
}

}  // namespace lgicc
