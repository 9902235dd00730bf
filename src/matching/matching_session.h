// The one matching session the library keeps with the colour-matching
// module for the host (HUEX_BeginMatchingSession ... HUEX_EndMatching): the
// module's object and what its colours need. Replaced, never nested.
#pragma once
#include <cstdint>

// Profile kinds as HUEX_GetProfileType reports them.
constexpr int16_t profile_kind_cmyk = 0;
constexpr int16_t profile_kind_rgb = 1;
constexpr int16_t profile_kind_xyz = 2;
constexpr int16_t profile_kind_other = -1;

struct matching_session {
    uint32_t options = 0;                        // the module's options word, built at begin
    void* transformation = nullptr;              // the module's object; null when the session is idle
    int16_t source_kind = profile_kind_other;
    int16_t destination_kind = profile_kind_other;
    uint16_t source_channels = 0;                // 0 when the kind cannot be a source
    uint16_t destination_channels = 0;           // 0 when the kind cannot be a destination
};

// Ends the session: the module's object is released and the session is
// idle. What HUEX_EndMatching does, and what every call that must not leave a
// host's session open calls.
void end_matching_session(matching_session& session);
