// Transformation objects and the set of live ones. Every export looks its
// pointer up here before touching it, so a null, foreign or already deleted
// pointer is refused with a status instead of being dereferenced.
#pragma once

#include <windows.h>
#include <icm.h>

#include <cstdint>

#include "lgicc/color_system_win32.h"
#include "lgicc/lgicc_contract.h"

struct lgo_transformation {
    lgicc::held_profile source;
    lgicc::held_profile destination;
    HTRANSFORM transform;          // null while the object is not prepared
    uint32_t options;              // the word the transform was built with
    lgicc::color_space source_space;
    lgicc::color_space destination_space;
    uint32_t serial;               // 1, 2, ... in order of creation; names the object in logs
    lgo_transformation* next_live;
};

namespace lgicc {

// Holds the module's one lock for the lifetime of the guard. Each export runs
// entirely under it, so no object can be deleted while another call uses it.
struct registry_guard {
    registry_guard();
    ~registry_guard();
    registry_guard(const registry_guard&) = delete;
    registry_guard& operator=(const registry_guard&) = delete;
};

// A new, unprepared, registered object, or null when no memory is left.
lgo_transformation* register_new_transformation();

// True when t is a registered object (call under a registry_guard).
bool is_live(const lgo_transformation* t);

// Releases what a prepared object holds; the object stays registered.
void release_prepared(lgo_transformation* t);

// Releases everything and unregisters t, which must be live.
void destroy_transformation(lgo_transformation* t);

// Releases every live object (the module is being unloaded by its host).
void destroy_all_transformations();

}  // namespace lgicc
