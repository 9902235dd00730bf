#include "lgicc/transformation_registry_win32.h"

namespace lgicc {

namespace {
SRWLOCK registry_lock = SRWLOCK_INIT;
transformation_object* live_list = nullptr;
uint32_t last_serial = 0;
}  // namespace

registry_guard::registry_guard() { AcquireSRWLockExclusive(&registry_lock); }
registry_guard::~registry_guard() { ReleaseSRWLockExclusive(&registry_lock); }

transformation_object* register_new_transformation()
{
    // A serial number is never handed out twice: once they are spent, no
    // object can be made.
    if (last_serial == UINT32_MAX) return nullptr;
    auto* t = static_cast<transformation_object*>(
        HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(transformation_object)));
    if (!t) return nullptr;
    t->source_space = color_space::unsupported;
    t->destination_space = color_space::unsupported;
    t->serial = ++last_serial;
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

}  // namespace lgicc
