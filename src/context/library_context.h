// The library's state, all of it: one record, one per process, reached only
// through library_guard (library_guard.h). Each subsystem keeps its part in a
// record of its own and its functions take that part as a parameter, so a
// function's signature says what it reads and writes; only the exports, the
// picker and the entry point see the whole.
#pragma once

#include "colorlib/publication_catalogue.h"
#include "context/picker_settings.h"
#include "display/display_state.h"
#include "frame/platform_values.h"
#include "matching/matching_state.h"
#include "profiles/profile_state.h"

struct picker_run;

struct library_context {
    platform_values platform;        // start-up facts, read only after attach
    publication_catalogue catalogue; // built-in guides and add-ons, tables found once
    display_state display;           // the display model and its cached conversion
    profile_state profiles;          // the current monitor and printer profiles
    matching_state matching;         // the host's session and the kept printer transformation
    picker_settings picker;          // the picker's lasting choices
    picker_run* open_picker = nullptr;   // the run whose window is open, on its own thread
    bool settings_were_read = false;     // start-up got as far as the stored settings
    void* common_controls = nullptr;     // the control library, mapped at the first picker opening
    void* accessibility = nullptr;       // the screen-reader calls, mapped at a reader's first question
    // The start-up steps that wait for the library's first use (the entry
    // point's); the first guard taken after the attach runs them once.
    void (*pending_start_up)(library_context& lib) = nullptr;
};
