// The colour library's part of the library's state: which publications
// exist (the built-in guides and the add-ons found at start-up) and their
// descriptors and tables once found. Finding a resource walks a module's
// resource directory by name, which cost more than the look-ups themselves,
// so what is found is kept; a loaded module's resources never change.
#pragma once
#include <cstdint>

#include "colorlib/addons.h"
#include "colorlib/kept_tables.h"

constexpr uint32_t builtin_pub_count = 4;

struct publication_catalogue {
    // Highest number of the built-in publications; a larger one is looked
    // for among the add-ons.
    uint32_t last_builtin_pub = builtin_pub_count - 1;
    // The add-on records: the first in place, the others allocated by the
    // scan; addon_list is null while addon_count is 0.
    addon_record first_addon = {};
    addon_record* addon_list = nullptr;
    uint32_t addon_count = 0;
    // The built-in guides' tables and descriptor facts, found at first use.
    byte_span builtin_tables[builtin_pub_count][table_kind_count] = {};
    descriptor_facts builtin_facts[builtin_pub_count] = {};

    publication_catalogue() = default;
    // The list points into the record itself.
    publication_catalogue(const publication_catalogue&) = delete;
    publication_catalogue& operator=(const publication_catalogue&) = delete;
};
