// A critical section: the system's own recursive lock, cheap when nobody
// else holds it, and without the thread runtime the standard mutexes would
// bring into the library (and leave behind at every unload).
#include <windows.h>

#include "context/library_lock.h"

static CRITICAL_SECTION library_lock;

// A call holds the lock for a fraction of a microsecond: a thread that finds it
// taken spins that long before it sleeps, rather than paying for a wait in
// the kernel (under Wine, in its server) every time two threads meet.
void start_library_lock() { InitializeCriticalSectionAndSpinCount(&library_lock, 4000); }
void end_library_lock() { DeleteCriticalSection(&library_lock); }
void enter_library() { EnterCriticalSection(&library_lock); }
void leave_library() { LeaveCriticalSection(&library_lock); }
