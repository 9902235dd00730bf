// One read of a profile through its mapping handle: a read-only view of the
// whole file, made for the read and released before the export returns.
#pragma once
#include <windows.h>

#include "frame/byte_span.h"

struct mmf_view {
    void* base = nullptr;
    byte_span file; // the file's bytes, exactly as many as the file holds
};

// False (nothing mapped) for a zero handle or when the system refuses a view.
bool map_profile_view(HANDLE mapping, mmf_view* view);
void release_profile_view(mmf_view* view);
