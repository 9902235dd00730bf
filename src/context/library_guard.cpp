#include "context/library_guard.h"

#include "context/library_lock.h"

// The library's state: one per process, reached only through a guard.
static library_context the_library;

library_guard::library_guard() : context_(the_library)
{
    enter_library();
    // Cleared before it runs: its steps take guards of their own.
    if (void (*finish)(library_context&) = the_library.pending_start_up) {
        the_library.pending_start_up = nullptr;
        finish(the_library);
    }
}

library_guard::~library_guard() { leave_library(); }

library_context& library_context_at_detach() { return the_library; }
