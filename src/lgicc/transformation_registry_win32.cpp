#include "lgicc/transformation_registry_win32.h"

namespace lgicc {

namespace {
SRWLOCK registry_lock = SRWLOCK_INIT;
lgo_transformation* live_list = nullptr;
uint32_t last_serial = 0;
}  // namespace

registry_guard::registry_guard() { AcquireSRWLockExclusive(&registry_lock); }
registry_guard::~registry_guard() { ReleaseSRWLockExclusive(&registry_lock); }

lgo_transformation* register_new_transformation()
{
    auto* t = static_cast<lgo_transformation*>(
        HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(lgo_transformation)));
    if (!t) return nullptr;
    t->source_space = color_space::unsupported;
    t->destination_space = color_space::unsupported;
    t->serial = ++last_serial;
    t->next_live = live_list;
    live_list = t;
    return t;
}

bool is_live(const lgo_transformation* t)
{
    if (!t) return false;
    for (const lgo_transformation* p = live_list; p; p = p->next_live)
        if (p == t) return true;
    return false;
}

void release_prepared(lgo_transformation* t)
{
    if (t->transform) DeleteColorTransform(t->transform);
    close_held_profile(&t->source);
    close_held_profile(&t->destination);
    t->transform = nullptr;
    t->options = 0;
    t->source_space = color_space::unsupported;
    t->destination_space = color_space::unsupported;
}

void destroy_transformation(lgo_transformation* t)
{
    for (lgo_transformation** link = &live_list; *link; link = &(*link)->next_live) {
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
