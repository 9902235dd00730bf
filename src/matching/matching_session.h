// The one matching session the library keeps with the colour-matching
// module, and the rendering intent the next session begins with. Plain
// process-wide values: the host calls the matching functions from one thread
// at a time, and the session is replaced, never nested.
#pragma once
#include <cstdint>

// Profile kinds as HUEX_GetProfileType reports them.
constexpr int16_t profile_kind_cmyk = 0;
constexpr int16_t profile_kind_rgb = 1;
constexpr int16_t profile_kind_xyz = 2;
constexpr int16_t profile_kind_other = -1;

struct matching_session {
    uint32_t options;              // the module's options word, built at begin
    void* transformation;          // the module's object; null when the session is idle
    int16_t source_kind;
    int16_t destination_kind;
    uint16_t source_channels;      // 0 when the kind cannot be a source
    uint16_t destination_channels; // 0 when the kind cannot be a destination
};

extern matching_session session;
extern int32_t rendering_intent;

// Idle session, intent 0: the state at load.
void reset_matching_state();

// Ends the session: the module's object is released and the session is
// idle. What HUEX_EndMatching does, and what every call that must not leave a
// host's session open calls.
void end_matching_session();
