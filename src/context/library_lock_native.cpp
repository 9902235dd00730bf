// Native builds (tests, tools, benchmarks) guard the context with the
// standard recursive mutex, which ThreadSanitizer understands.
#include <mutex>

#include "context/library_lock.h"

static std::recursive_mutex library_lock;

void start_library_lock() {}
void end_library_lock() {}
void enter_library() { library_lock.lock(); }
void leave_library() { library_lock.unlock(); }
