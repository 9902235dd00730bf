// Transformation objects and the set of live ones. A host never sees an
// object's address: it holds a value that names the object, a serial number
// handed out once per process, also across unloading and loading the module
// again. Every export looks that value up here before touching anything, so
// a null, foreign, deleted or earlier load's value is refused with a status,
// and the value of a deleted object stays refused even when a new object is
// given the same memory.
#pragma once

#include <windows.h>
#include <icm.h>

#include <cstdint>

#include "lgicc/color_system_win32.h"
#include "lgicc/lgicc_contract.h"

namespace lgicc {

struct transformation_object {
    held_profile source;
    held_profile destination;
    HTRANSFORM transform;          // null while the object is not prepared
    uint32_t options;              // the word the transform was built with
    color_space source_space;
    color_space destination_space;
    uint32_t serial;               // 1, 2, ... in order of creation in the process: the host's value and the log's name
    transformation_object* next_live;
};

// Holds the module's one lock for the lifetime of the guard. Each export runs
// entirely under it, so no object can be deleted while another call uses it.
struct registry_guard {
    registry_guard();
    ~registry_guard();
    registry_guard(const registry_guard&) = delete;
    registry_guard& operator=(const registry_guard&) = delete;
};

// A new, unprepared, registered object, or null when no memory (or no unused
// serial number) is left.
transformation_object* register_new_transformation();

// The value a host holds for an object, and the live object a value names
// (null for any other value); call under a registry_guard.
lgo_transformation* handle_of(const transformation_object* t);
transformation_object* find_live(const lgo_transformation* handle);

// Releases what a prepared object holds; the object stays registered.
void release_prepared(transformation_object* t);

// Releases everything and unregisters t, which must be live.
void destroy_transformation(transformation_object* t);

// Releases every live object (the module is being unloaded by its host).
void destroy_all_transformations();

// Lets go of this load's hold on the process's serial count (the module is
// being unloaded); the count itself lives on for the next load.
void release_serial_count();

}  // namespace lgicc
