#include "matching/printer_transform.h"

#include <windows.h>

#include <cstring>
#include <cwchar>

#include "lgicc/lgicc.h"
#include "matching/folder_watch_win32.h"
#include "matching/full_profile_path_win32.h"
#include "matching/matching_element.h"
#include "matching/matching_state.h"
#include "profiles/profile_file_win32.h"

namespace {

// What identifies the contents of a file without reading it, for folders
// that cannot be watched: the same size, last write and change time is taken
// for the same bytes. The change time moves when the file is rewritten and
// when another file is put in its place, even a copy that keeps its own
// last-write time; it stands in for the volume serial and file index, whose
// query costs milliseconds under Wine (a volume look-up each time), more than
// preparing the transformation afresh. A same-size rewrite inside one tick of
// the file system's clock goes unseen: watched folders compare the bytes.
struct file_stamp {
    LARGE_INTEGER written, changed, size;
};

// Shared for reading like the module's own read, so that opening fails
// exactly where preparing would.
HANDLE open_for_reading(const wchar_t* path)
{
    return CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool stamp_of(const wchar_t* path, file_stamp* stamp)
{
    HANDLE file = open_for_reading(path);
    if (file == INVALID_HANDLE_VALUE) return false;
    FILE_BASIC_INFO basic;
    FILE_STANDARD_INFO standard;
    const bool ok =
        GetFileInformationByHandleEx(file, FileBasicInfo, &basic, sizeof basic) &&
        GetFileInformationByHandleEx(file, FileStandardInfo, &standard, sizeof standard);
    CloseHandle(file);
    if (!ok) return false;
    *stamp = file_stamp{basic.LastWriteTime, basic.ChangeTime, standard.EndOfFile};
    return true;
}

bool same_stamp(const file_stamp& a, const file_stamp& b)
{
    return a.written.QuadPart == b.written.QuadPart && a.changed.QuadPart == b.changed.QuadPart &&
           a.size.QuadPart == b.size.QuadPart;
}

// A file's bytes as they were when the transformation was prepared.
struct held_bytes {
    uint8_t* data;
    DWORD size;
};

// The profiles' own size limit: the module reads nothing larger.
constexpr LONGLONG max_held_bytes = 64ll << 20;

bool hold_bytes(const wchar_t* path, held_bytes* held)
{
    HANDLE file = open_for_reading(path);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size;
    DWORD read = 0;
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart > 0 && size.QuadPart <= max_held_bytes;
    if (ok) {
        held->size = static_cast<DWORD>(size.QuadPart);
        held->data = static_cast<uint8_t*>(HeapAlloc(GetProcessHeap(), 0, held->size));
        ok = held->data != nullptr && ReadFile(file, held->data, held->size, &read, nullptr) && read == held->size;
    }
    CloseHandle(file);
    return ok;
}

void release_bytes(held_bytes* held)
{
    if (held->data != nullptr) HeapFree(GetProcessHeap(), 0, held->data);
    *held = held_bytes{};
}

bool same_bytes(const wchar_t* path, const held_bytes& held)
{
    HANDLE file = open_for_reading(path);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size;
    bool same = GetFileSizeEx(file, &size) && size.QuadPart == held.size;
    uint8_t chunk[4096];
    for (DWORD at = 0; same && at < held.size;) {
        DWORD read = 0;
        const DWORD want = held.size - at < sizeof chunk ? held.size - at : DWORD(sizeof chunk);
        same = ReadFile(file, chunk, want, &read, nullptr) && read == want && std::memcmp(chunk, held.data + at, want) == 0;
        at += want;
    }
    CloseHandle(file);
    return same;
}

}  // namespace

struct kept_printer_transform {
    lgo_transformation* transformation;  // null when nothing is prepared
    uint32_t options;
    int32_t intent;
    int16_t source_kind;
    uint16_t source_channels, destination_channels;
    wchar_t named_source[MAX_PATH], named_destination[MAX_PATH];   // as the caller named them
    wchar_t source[MAX_PATH], destination[MAX_PATH];               // absolute
    file_watches watches;       // none: the folders could not be watched, the stamps tell
    file_stamp source_stamp, destination_stamp;
    held_bytes source_bytes, destination_bytes;   // watched folders only
};

namespace {

// A name without drive and root, or with a drive but no root, resolves
// against the current directory of the moment: it is looked at every time.
bool fully_qualified(const wchar_t* path)
{
    return (path[0] != L'\0' && path[1] == L':' && (path[2] == L'\\' || path[2] == L'/')) ||
           (path[0] == L'\\' && path[1] == L'\\');
}

bool copy_path(const wchar_t* path, wchar_t out[MAX_PATH])
{
    if (path == nullptr || std::wcslen(path) >= MAX_PATH) return false;
    std::wcscpy(out, path);
    return true;
}

// Absolute paths of what the caller named; false when one cannot be made.
bool resolve(const wchar_t* source, const wchar_t* destination, wchar_t full_source[MAX_PATH],
             wchar_t full_destination[MAX_PATH])
{
    wchar_t source_buffer[MAX_PATH], destination_buffer[MAX_PATH];
    return copy_path(full_profile_path(source, source_buffer), full_source) &&
           copy_path(full_profile_path(destination, destination_buffer), full_destination);
}

bool same_files_named(const kept_printer_transform& prepared, const wchar_t* source, const wchar_t* destination)
{
    if (fully_qualified(source) && fully_qualified(destination) && std::wcscmp(source, prepared.named_source) == 0 &&
        std::wcscmp(destination, prepared.named_destination) == 0)
        return true;
    wchar_t full_source[MAX_PATH], full_destination[MAX_PATH];
    return resolve(source, destination, full_source, full_destination) &&
           std::wcscmp(full_source, prepared.source) == 0 && std::wcscmp(full_destination, prepared.destination) == 0;
}

// What the transformation was prepared from is what lies there now. In
// watched folders nothing is looked at until the system reports a change;
// then the bytes are compared, which also sees a rewrite of the same size
// inside one tick of the file system's clock.
bool files_unchanged(kept_printer_transform& prepared)
{
    if (prepared.watches.count == 0) {
        file_stamp source_stamp, destination_stamp;
        return stamp_of(prepared.source, &source_stamp) && stamp_of(prepared.destination, &destination_stamp) &&
               same_stamp(prepared.source_stamp, source_stamp) &&
               same_stamp(prepared.destination_stamp, destination_stamp);
    }
    if (!files_changed(prepared.watches)) return true;
    // Watched again before looking: a change made while looking is
    // reported at the next call. A folder that can no longer be watched
    // (gone) prepares afresh, which decides how to follow the files.
    end_file_watches(&prepared.watches);
    return watch_files(prepared.source, prepared.destination, &prepared.watches) &&
           same_bytes(prepared.source, prepared.source_bytes) &&
           same_bytes(prepared.destination, prepared.destination_bytes);
}

bool kept_for(kept_printer_transform& prepared, int32_t intent, const wchar_t* source, const wchar_t* destination)
{
    return prepared.transformation != nullptr && prepared.intent == intent &&
           same_files_named(prepared, source, destination) && files_unchanged(prepared);
}

// What preparing reads is fixed first (stamps taken, watches set, bytes
// held), so a file that changes while the module reads it is prepared again
// at the next call, never kept under a newer look. Then the same checks and
// module calls as a matching session's begin.
bool prepare(kept_printer_transform& prepared, int32_t intent, const wchar_t* named_source,
             const wchar_t* named_destination)
{
    if (!resolve(named_source, named_destination, prepared.source, prepared.destination) ||
        !copy_path(named_source, prepared.named_source) || !copy_path(named_destination, prepared.named_destination) ||
        !stamp_of(prepared.source, &prepared.source_stamp) ||
        !stamp_of(prepared.destination, &prepared.destination_stamp))
        return false;
    if (watch_files(prepared.source, prepared.destination, &prepared.watches) &&
        (!hold_bytes(prepared.source, &prepared.source_bytes) ||
         !hold_bytes(prepared.destination, &prepared.destination_bytes)))
        return false;
    const wchar_t* source = prepared.source;
    const wchar_t* destination = prepared.destination;
    prepared.source_kind = profile_type_of(source);
    prepared.source_channels = source_channels_of(prepared.source_kind);
    prepared.destination_channels = destination_channels_of(profile_type_of(destination));
    if (prepared.source_channels == 0 || prepared.destination_channels == 0) return false;
    prepared.intent = intent;
    prepared.options = SetOptions(SetOptions(0, LGICC_OPTION_INTENT, intent),
                                  LGICC_OPTION_XYZ_ENCODING, LGICC_XYZ_ICC);
    prepared.transformation = LgoNewTransformPtr();
    return prepared.transformation != nullptr &&
           LgoCreateMatchTransformationW(prepared.transformation, source, destination, LGICC_RESERVED,
                                        prepared.options, LGICC_RESERVED, LGICC_RESERVED, LGICC_SAMPLE_BYTES,
                                        LGICC_RESERVED) == LGICC_OK;
}

// The record lives from the first match to the drop that follows it.
kept_printer_transform* kept_record(matching_state& matching)
{
    if (matching.printer_transform == nullptr) {
        void* memory = HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(kept_printer_transform));
        matching.printer_transform = static_cast<kept_printer_transform*>(memory);
    }
    return matching.printer_transform;
}

}  // namespace

bool ready_printer_transform(matching_state& matching, const wchar_t* source, const wchar_t* destination)
{
    if (source == nullptr || destination == nullptr) return drop_printer_transform(matching), false;
    kept_printer_transform* prepared = kept_record(matching);
    if (prepared == nullptr) return false;
    if (kept_for(*prepared, matching.rendering_intent, source, destination)) return true;
    drop_printer_transform(matching);
    prepared = kept_record(matching);
    if (prepared == nullptr) return false;
    if (!prepare(*prepared, matching.rendering_intent, source, destination))
        return drop_printer_transform(matching), false;
    return true;
}

bool kept_transformation_stands(matching_state& matching)
{
    kept_printer_transform* prepared = matching.printer_transform;
    if (prepared == nullptr || prepared->transformation == nullptr || prepared->intent != matching.rendering_intent ||
        !fully_qualified(prepared->named_source) || !fully_qualified(prepared->named_destination))
        return false;
    if (files_unchanged(*prepared)) return true;
    drop_printer_transform(matching);
    return false;
}

bool match_ready(matching_state& matching, uint16_t (*elements)[4], uint32_t count)
{
    const kept_printer_transform* prepared = matching.printer_transform;
    if (prepared == nullptr || prepared->transformation == nullptr || count == 0 || count > 0x7FFFFFFF / 4) return false;
    // The module takes the colours packed, each with its own channel count.
    uint16_t one[2][4];
    uint16_t* buffer = one[0];
    if (count > 1) {
        buffer = static_cast<uint16_t*>(HeapAlloc(GetProcessHeap(), 0, size_t{count} * 2 * sizeof(uint16_t[4])));
        if (buffer == nullptr) return false;
    }
    uint16_t* const input = buffer;
    uint16_t* const output = buffer + size_t{count} * 4;
    const uint16_t in = prepared->source_channels, out = prepared->destination_channels;
    for (uint32_t i = 0; i < count; ++i) {
        uint16_t values[4];
        module_input(prepared->source_kind, elements[i], values);
        std::memcpy(input + size_t{i} * in, values, in * sizeof(uint16_t));
    }
    bool ok = LgoICCMatchColors(prepared->transformation, prepared->options, input, output, int32_t(count), in, out,
                                LGICC_RESERVED, LGICC_RESERVED, LGICC_SAMPLE_BYTES, LGICC_RESERVED) == LGICC_OK;
    for (uint32_t i = 0; ok && i < count; ++i) {
        uint16_t values[4] = {0, 0, 0, 0};
        std::memcpy(values, output + size_t{i} * out, out * sizeof(uint16_t));
        ok = write_back(out, values, elements[i]);
    }
    if (buffer != one[0]) HeapFree(GetProcessHeap(), 0, buffer);
    if (!ok) drop_printer_transform(matching);
    return ok;
}

bool match_to_printer(matching_state& matching, const wchar_t* source, const wchar_t* destination,
                      uint16_t element[4])
{
    uint16_t(*elements)[4] = reinterpret_cast<uint16_t(*)[4]>(element);
    return ready_printer_transform(matching, source, destination) && match_ready(matching, elements, 1);
}

void drop_printer_transform(matching_state& matching)
{
    kept_printer_transform* prepared = matching.printer_transform;
    if (prepared == nullptr) return;
    if (prepared->transformation != nullptr) LgoDeleteMatchTransformation(prepared->transformation);
    end_file_watches(&prepared->watches);
    release_bytes(&prepared->source_bytes);
    release_bytes(&prepared->destination_bytes);
    HeapFree(GetProcessHeap(), 0, prepared);
    matching.printer_transform = nullptr;
    forget_cmyk_answers(matching.cmyk_answers);
}
