// The module's use of the platform colour system (MSCMS): opening a profile
// from a copy of its file's bytes and learning its colour space, building a
// two-profile transform, and converting colours held in the system's COLOR
// records.
#pragma once

#include <windows.h>
#include <icm.h>

#include <cstdint>

#include "lgicc/lgicc_contract.h"

namespace lgicc {

enum class open_result { ok, unreadable, unsupported_space, no_memory };

// A profile opened from memory, and the bytes it was opened from.
struct held_profile {
    HPROFILE handle;
    void* bytes;
};

// Largest profile file the module reads into memory.
constexpr DWORD max_profile_bytes = 64u << 20;

// Reads the profile file at path (absolute) into memory and opens that copy,
// so that no file stays open while a transformation lives: the library and
// other programs may read, replace or delete the file meanwhile. On ok,
// *profile is open and *space is its data colour space; otherwise nothing is
// held.
open_result open_profile_file(const wchar_t* path, held_profile* profile, color_space* space);
void close_held_profile(held_profile* profile);

// A transform from source to destination with the given ICC rendering
// intent, or null when the colour system refuses it.
HTRANSFORM build_transform(HPROFILE source, HPROFILE destination, uint32_t intent);

// Copies channels values into / out of a COLOR record of the given space.
void values_to_color(color_space space, const uint16_t* values, COLOR* color);
void color_to_values(color_space space, const COLOR& color, uint16_t* values);

bool translate(HTRANSFORM transform, color_space source, const COLOR* in, DWORD count,
               color_space destination, COLOR* out);

}  // namespace lgicc
