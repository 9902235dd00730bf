// Matching's part of the library's state: the host's session, the intent
// sessions begin with, and the transformation kept between CMYK look-ups.
#pragma once
#include <cstdint>

#include "matching/kept_cmyk_answers.h"
#include "matching/matching_session.h"

// The prepared transformation to the printer profile and what it was
// prepared from (printer_transform_win32.cpp); none in native builds.
struct kept_printer_transform;

struct matching_state {
    matching_session session;
    int32_t rendering_intent = 0;
    kept_printer_transform* printer_transform = nullptr;   // null: nothing prepared
    kept_cmyk_answers cmyk_answers;   // matched through it; go with it
    // Where the XYZ profile was found last; looked for again only when the
    // route through it closes. Empty: not looked for yet.
    wchar_t xyz_profile[260] = L"";
};
