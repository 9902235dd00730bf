// The module's use of the platform colour system (MSCMS): opening a profile
// file and learning its colour space, building a two-profile transform, and
// converting colours held in the system's COLOR records.
#pragma once

#include <windows.h>
#include <icm.h>

#include <cstdint>

#include "lgicc/lgicc_contract.h"

namespace lgicc {

enum class open_result { ok, unreadable, unsupported_space };

// Opens the profile file at path (absolute) read-only. On ok, *profile is
// open and *space is its data colour space; otherwise nothing stays open.
open_result open_profile_file(const char* path, HPROFILE* profile, color_space* space);

// A transform from source to destination with the given ICC rendering
// intent, or null when the colour system refuses it.
HTRANSFORM build_transform(HPROFILE source, HPROFILE destination, uint32_t intent);

// Copies channels values into / out of a COLOR record of the given space.
void values_to_color(color_space space, const uint16_t* values, COLOR* color);
void color_to_values(color_space space, const COLOR& color, uint16_t* values);

bool translate(HTRANSFORM transform, color_space source, const COLOR* in, DWORD count,
               color_space destination, COLOR* out);

}  // namespace lgicc
