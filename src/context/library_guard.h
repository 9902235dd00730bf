// The one way into the library's state. An export, a picker message handler
// and the keyboard hook each hold a library_guard for their own duration
// only: it takes the library's lock and hands out the context. Never hold one
// across a modal loop, a nested dialog, a call into the host or a message
// sent to a window of another thread: that thread may be waiting for the lock.
#pragma once
#include "context/library_context.h"

class library_guard {
public:
    library_guard();
    ~library_guard();
    library_guard(const library_guard&) = delete;
    library_guard& operator=(const library_guard&) = delete;

    library_context& operator*() const { return context_; }
    library_context* operator->() const { return &context_; }

private:
    library_context& context_;
};

// At process end every other thread is gone, one of them perhaps while it
// held the lock, and a host that unloads the library has stopped calling it:
// the entry point's detach reads the context without taking the lock.
library_context& library_context_at_detach();
