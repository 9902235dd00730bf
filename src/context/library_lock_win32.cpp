// A critical section: the system's own recursive lock, cheap when nobody
// else holds it, and without the thread runtime the standard mutexes would
// bring into the library (and leave behind at every unload).
#include <windows.h>

#include "context/library_lock.h"

static CRITICAL_SECTION library_lock;

void start_library_lock() { InitializeCriticalSection(&library_lock); }
void end_library_lock() { DeleteCriticalSection(&library_lock); }
void enter_library() { EnterCriticalSection(&library_lock); }
void leave_library() { LeaveCriticalSection(&library_lock); }
