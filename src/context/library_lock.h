// The library's one lock: recursive, so that a host's window procedure that
// the library's own call reaches on the same thread may call back in. Each
// build has its own (library_lock_win32.cpp: a critical section;
// library_lock_native.cpp: the standard library's recursive mutex). Only
// library_guard takes it.
#pragma once

// The Windows build makes its lock while the library attaches and lets go of
// it when a host unloads the library; the native build needs neither.
void start_library_lock();
void end_library_lock();

void enter_library();
void leave_library();
