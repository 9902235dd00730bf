#include "matching/folder_watch_win32.h"

#include <cstring>
#include <initializer_list>

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

// The folder part of path ("C:\a\b.icc" gives "C:\a", "C:\b.icc" gives
// "C:\"); false when path names no folder.
bool folder_of(const char* path, char folder[MAX_PATH])
{
    const char* slash = std::strrchr(path, '\\');
    const char* forward = std::strrchr(path, '/');
    if (forward != nullptr && (slash == nullptr || forward > slash)) slash = forward;
    if (slash == nullptr || slash - path >= MAX_PATH - 1) return false;
    size_t length = static_cast<size_t>(slash - path);
    // A drive's root keeps its separator: "C:" alone is the drive's current folder.
    if (length == 2 && path[1] == ':') ++length;
    if (length == 0) return false;
    std::memcpy(folder, path, length);
    folder[length] = '\0';
    return true;
}

// The folders to watch and what to watch each for; one folder once.
struct watch_plan {
    char folders[4][MAX_PATH];
    DWORD filters[4];
    int count;
    void add(const char* folder, DWORD filter)
    {
        for (int i = 0; i < count; ++i)
            if (lstrcmpiA(folders[i], folder) == 0) return void(filters[i] |= filter);
        std::strcpy(folders[count], folder);
        filters[count++] = filter;
    }
};

}  // namespace

folder_watch* watch_folder(const char* folder, DWORD filter)
{
    folder_watch* w = static_cast<folder_watch*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(folder_watch)));
    if (w == nullptr) return nullptr;
    w->folder = CreateFileA(folder, FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
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

bool watch_files(const char* first, const char* second, file_watches* out)
{
    *out = file_watches{};
    watch_plan plan = {};
    for (const char* path : {first, second}) {
        char folder[MAX_PATH], parent[MAX_PATH];
        if (!folder_of(path, folder)) return false;
        plan.add(folder, file_changes);
        // A drive's root has no parent to watch.
        if (folder_of(folder, parent) && lstrcmpiA(parent, folder) != 0) plan.add(parent, FILE_NOTIFY_CHANGE_DIR_NAME);
    }
    for (int i = 0; i < plan.count; ++i) {
        out->watches[i] = watch_folder(plan.folders[i], plan.filters[i]);
        if (out->watches[i] == nullptr) {
            end_file_watches(out);
            return false;
        }
        out->count = i + 1;
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
