// A stored profile that could not be used. The stored path names the user's
// choice; a failure to open it may pass (a network folder not there yet, a
// file another program holds or replaces for a moment), so the default
// stands in for this process only and the stored path goes back to the
// registry, unless another profile is loaded while the process runs.
#pragma once
#include <cstdint>

struct stored_profile_choice {
    uint32_t loads;           // loads of this kind of profile so far in this process
    uint32_t loads_at_start;  // loads when the stored path was last refused (or start-up ended)
    wchar_t stored[260];      // the path start-up read; empty when it did not fit
    wchar_t kept[260];        // the stored path a load refused; empty when none
};

// Start-up, around the load of the stored path: before it, the choice
// learns the path; after it, whether the load took it.
void begin_stored_profile(stored_profile_choice* choice, const wchar_t* stored);
void end_stored_profile(stored_profile_choice* choice, bool loaded);

// Every load of path ends here with its outcome, which it returns. Asking
// again for the stored path is no new choice: when it is refused now (a host
// putting back what it had switched away from), that is the passing failure
// start-up may meet, and the stored path is kept as start-up keeps it.
bool note_load(stored_profile_choice* choice, const wchar_t* path, bool loaded);

// What goes back to the registry: the kept path while nothing was loaded
// after it was refused, else the current path.
const wchar_t* profile_to_store(const stored_profile_choice& choice, const wchar_t* current);
