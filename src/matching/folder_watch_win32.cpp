#include "matching/folder_watch_win32.h"

#include <cstring>
#include <cwchar>

struct folder_watch {
    HANDLE folder;
    OVERLAPPED request;   // hEvent is set once the system has written the status
    // What changed is never read: a change too large for the record still
    // completes the request, which is all that is asked of it.
    DWORD record[64];
};

namespace {

// A cancelled request completes at once on a local folder; one that has not
// after this long (its thread blocked elsewhere) keeps its memory for good,
// so that a late status lands where nothing else lives.
constexpr DWORD cancel_wait_ms = 5000;

constexpr DWORD file_changes =
    FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE;

bool separator(wchar_t c) { return c == '\\' || c == '/'; }

// How much of path its folders keep at the top: "X:\\" of a drive,
// "\\\\server\\share" of a share (nothing above a share opens as a folder).
size_t root_length(const wchar_t* path)
{
    if (path[0] != L'\0' && path[1] == L':' && separator(path[2])) return 3;
    if (!separator(path[0]) || !separator(path[1])) return 0;
    size_t at = 2;
    while (path[at] != L'\0' && !separator(path[at])) ++at;
    if (path[at] != L'\0') ++at;
    while (path[at] != L'\0' && !separator(path[at])) ++at;
    return at;
}

// The length of the folder part of path's first length characters
// ("C:\\a\\b.icc" gives "C:\\a", "C:\\b.icc" gives "C:\\"); 0 when there is none.
size_t folder_length(const wchar_t* path, size_t length)
{
    while (length > 0 && !separator(path[length - 1])) --length;
    if (length == 0) return 0;
    --length;
    // A drive's root keeps its separator: "C:" alone is the drive's current folder.
    if (length == 2 && path[1] == L':') ++length;
    return length;
}

// The folder holding the folder of path's first length characters; 0 at the
// root.
size_t parent_length(const wchar_t* path, size_t length)
{
    const size_t parent = folder_length(path, length);
    return parent < length && parent >= root_length(path) ? parent : 0;
}

// The folders to watch, as leading parts of the two paths, and what to watch
// each for; one folder once.
struct watch_plan {
    struct folder {
        const wchar_t* path;
        size_t length;
        DWORD filter;
        bool needed;   // the files' own folders and their parents
    } folders[max_file_watches];
    int count;

    bool add(const wchar_t* path, size_t length, DWORD filter, bool needed)
    {
        for (int i = 0; i < count; ++i) {
            folder& f = folders[i];
            if (f.length == length && CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, f.path, int(length), path,
                                                     int(length)) == CSTR_EQUAL) {
                f.filter |= filter;
                f.needed = f.needed || needed;
                return true;
            }
        }
        if (count == max_file_watches) return !needed;
        folders[count++] = folder{path, length, filter, needed};
        return true;
    }

    bool make(const wchar_t* first, const wchar_t* second)
    {
        const wchar_t* const paths[2] = {first, second};
        size_t parents[2];
        // Each file's folder and its parent first, so that they always find
        // room; then the folders above, while there is room.
        for (int p = 0; p < 2; ++p) {
            const size_t length = folder_length(paths[p], std::wcslen(paths[p]));
            if (length == 0 || length >= MAX_PATH || !add(paths[p], length, file_changes, true)) return false;
            parents[p] = parent_length(paths[p], length);
            if (parents[p] != 0 && !add(paths[p], parents[p], FILE_NOTIFY_CHANGE_DIR_NAME, true)) return false;
        }
        for (int p = 0; p < 2; ++p)
            for (size_t length = parents[p]; length != 0 && (length = parent_length(paths[p], length)) != 0;)
                add(paths[p], length, FILE_NOTIFY_CHANGE_DIR_NAME, false);
        return true;
    }
};

}  // namespace

folder_watch* watch_folder(const wchar_t* folder, DWORD filter)
{
    folder_watch* w = static_cast<folder_watch*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(folder_watch)));
    if (w == nullptr) return nullptr;
    w->folder = CreateFileW(folder, FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr);
    w->request.hEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (w->folder != INVALID_HANDLE_VALUE && w->request.hEvent != nullptr &&
        ReadDirectoryChangesW(w->folder, w->record, sizeof w->record, FALSE, filter, nullptr, &w->request, nullptr))
        return w;
    if (w->folder != INVALID_HANDLE_VALUE) CloseHandle(w->folder);
    if (w->request.hEvent != nullptr) CloseHandle(w->request.hEvent);
    HeapFree(GetProcessHeap(), 0, w);
    return nullptr;
}

bool folder_changed(const folder_watch* watch)
{
    // Written by the system when the request completes, at any moment.
    return *static_cast<const volatile ULONG_PTR*>(&watch->request.Internal) != STATUS_PENDING;
}

void end_folder_watch(folder_watch* watch)
{
    if (watch == nullptr) return;
    CancelIoEx(watch->folder, &watch->request);
    const bool done = WaitForSingleObject(watch->request.hEvent, cancel_wait_ms) == WAIT_OBJECT_0;
    CloseHandle(watch->folder);
    CloseHandle(watch->request.hEvent);
    if (done) HeapFree(GetProcessHeap(), 0, watch);
}

bool watch_files(const wchar_t* first, const wchar_t* second, file_watches* out)
{
    *out = file_watches{};
    watch_plan plan = {};
    if (!plan.make(first, second)) return false;
    for (int i = 0; i < plan.count; ++i) {
        const watch_plan::folder& f = plan.folders[i];
        wchar_t folder[MAX_PATH];
        std::wmemcpy(folder, f.path, f.length);
        folder[f.length] = L'\0';
        folder_watch* watch = watch_folder(folder, f.filter);
        if (watch != nullptr) {
            out->watches[out->count++] = watch;
        } else if (f.needed) {
            end_file_watches(out);
            return false;
        }
    }
    return true;
}

bool files_changed(const file_watches& watches)
{
    for (int i = 0; i < watches.count; ++i)
        if (folder_changed(watches.watches[i])) return true;
    return false;
}

void end_file_watches(file_watches* watches)
{
    for (int i = 0; i < watches->count; ++i) end_folder_watch(watches->watches[i]);
    *watches = file_watches{};
}
