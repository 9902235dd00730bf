#include "lgicc/transformation_registry_win32.h"

#include <cstdio>

namespace lgicc {

namespace {
SRWLOCK registry_lock = SRWLOCK_INIT;
transformation_object* live_list = nullptr;

// Serial numbers outlive this image. A host may unload the module and load
// it again while it still holds a value from before; were the count to start
// over with the new image, that value would name, and could delete, an
// object of the new load. The count is therefore the count of a semaphore
// named after this process (no other process ever opens it by mistake):
// releasing it adds one and tells the previous count in one step, also
// between two copies of the module loaded side by side. The load that makes
// the semaphore keeps its handle until the process ends, so that it lives as
// long as the process; later loads close theirs when they are unloaded.
constexpr LONG last_serial_number = 0x7FFFFFFF;  // the most a semaphore counts
HANDLE serial_count = nullptr;
bool serial_count_made_here = false;
// Where no such semaphore can be had (a name taken by an object of another
// kind, a sandbox without named objects), the module pins itself in the
// process instead: its image then stays, and its own count never restarts.
bool pinned = false;
uint32_t pinned_last_serial = 0;

bool open_serial_count()
{
    if (serial_count != nullptr || pinned) return true;
    char name[64];
    std::snprintf(name, sizeof name, "LgICC.dll transformation serials, process %lu", GetCurrentProcessId());
    SetLastError(ERROR_SUCCESS);
    HANDLE count = CreateSemaphoreA(nullptr, 0, last_serial_number, name);
    if (count != nullptr) {
        serial_count_made_here = GetLastError() != ERROR_ALREADY_EXISTS;
        serial_count = count;
        return true;
    }
    HMODULE self = nullptr;
    pinned = GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                                reinterpret_cast<LPCSTR>(&open_serial_count), &self) != FALSE;
    return pinned;
}

// The next serial number, never one handed out before in this process; 0
// once they are spent (then no object can be made).
uint32_t next_serial()
{
    if (!open_serial_count()) return 0;
    if (pinned) return pinned_last_serial == uint32_t(last_serial_number) ? 0 : ++pinned_last_serial;
    LONG previous = 0;
    if (!ReleaseSemaphore(serial_count, 1, &previous)) return 0;
    return uint32_t(previous) + 1;
}

}  // namespace

registry_guard::registry_guard() { AcquireSRWLockExclusive(&registry_lock); }
registry_guard::~registry_guard() { ReleaseSRWLockExclusive(&registry_lock); }

transformation_object* register_new_transformation()
{
    auto* t = static_cast<transformation_object*>(
        HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(transformation_object)));
    if (!t) return nullptr;
    // A serial number is never handed out twice: once they are spent, no
    // object can be made.
    t->serial = next_serial();
    if (t->serial == 0) {
        HeapFree(GetProcessHeap(), 0, t);
        return nullptr;
    }
    t->source_space = color_space::unsupported;
    t->destination_space = color_space::unsupported;
    t->next_live = live_list;
    live_list = t;
    return t;
}

lgo_transformation* handle_of(const transformation_object* t)
{
    return t ? reinterpret_cast<lgo_transformation*>(static_cast<uintptr_t>(t->serial)) : nullptr;
}

transformation_object* find_live(const lgo_transformation* handle)
{
    if (!handle) return nullptr;
    for (transformation_object* p = live_list; p; p = p->next_live)
        if (handle_of(p) == handle) return p;
    return nullptr;
}

void release_prepared(transformation_object* t)
{
    if (t->transform) DeleteColorTransform(t->transform);
    close_held_profile(&t->source);
    close_held_profile(&t->destination);
    t->transform = nullptr;
    t->options = 0;
    t->source_space = color_space::unsupported;
    t->destination_space = color_space::unsupported;
}

void destroy_transformation(transformation_object* t)
{
    for (transformation_object** link = &live_list; *link; link = &(*link)->next_live) {
        if (*link == t) {
            *link = t->next_live;
            break;
        }
    }
    release_prepared(t);
    HeapFree(GetProcessHeap(), 0, t);
}

void destroy_all_transformations()
{
    while (live_list) destroy_transformation(live_list);
}

void release_serial_count()
{
    if (serial_count != nullptr && !serial_count_made_here) CloseHandle(serial_count);
    serial_count = nullptr;
}

}  // namespace lgicc
