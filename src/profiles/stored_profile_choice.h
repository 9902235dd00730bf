// A stored profile that start-up could not use. The stored path names the
// user's choice; a failure at start-up may pass (a network folder not there
// yet, a file another program holds for a moment), so the default stands in
// for this process only and the stored path goes back to the registry,
// unless a profile is chosen while the process runs.
#pragma once
#include <cstdint>

struct stored_profile_choice {
    uint32_t loads;           // loads of this kind of profile so far in this process
    uint32_t loads_at_start;  // loads when start-up had made the stored one current
    char kept[260];           // the stored path start-up could not use; empty when none
};

// Counted by load_monitor_profile and load_printer_profile.
extern stored_profile_choice monitor_choice;
extern stored_profile_choice printer_choice;

// Start-up: makes the stored path current through load and keeps it when
// load refuses it.
void load_stored_profile(const char* stored, bool (*load)(const char*),
                         stored_profile_choice* choice);

// What goes back to the registry: the kept path while nothing was loaded
// after start-up, else the current path.
const char* profile_to_store(const stored_profile_choice& choice, const char* current);
