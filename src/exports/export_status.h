// The frozen return values of the exports are made here and nowhere else:
// the library's status numbers are the host's HUEX_* codes.
#pragma once
#include "frame/status.h"
#include "huex.h"

static_assert(static_cast<short>(status::ok) == HUEX_OK && static_cast<short>(status::no_color) == HUEX_NO_COLOR &&
                  static_cast<short>(status::no_publication) == HUEX_NO_PUBLICATION &&
                  static_cast<short>(status::no_data) == HUEX_NO_DATA &&
                  static_cast<short>(status::no_memory) == HUEX_NO_MEMORY &&
                  static_cast<short>(status::not_supported) == HUEX_NOT_SUPPORTED &&
                  static_cast<short>(status::default_in_force) == HUEX_DEFAULT_IN_FORCE &&
                  static_cast<short>(status::not_found) == HUEX_NOT_FOUND &&
                  static_cast<short>(status::invalid_argument) == HUEX_INVALID_ARGUMENT &&
                  static_cast<short>(status::not_a_value) == HUEX_NOT_A_VALUE,
              "the library's statuses are the host's codes");

inline short export_status(status s) { return static_cast<short>(s); }
