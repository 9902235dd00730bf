// The texts some exports hand out by pointer (sz_signature, sz_XYZNumber,
// sz_xy_from_XYZNumber): each thread has its own, valid until that thread's
// next call that writes the same text, so one thread's call never changes
// what another is reading. Not library state: no guard is needed.
#pragma once

#include "icc/icc_numbers.h"

struct thread_texts {
    char signature[icc_signature_text_size];
    char number[icc_number_text_size];   // shared by the XYZ and the chromaticity text
    thread_texts* next;                  // Windows: every thread's block, to free at an unload
};

// The calling thread's texts; nullptr only when no memory could be had.
thread_texts* this_thread_texts();

// Windows: made while the library attaches; a thread's texts go when it
// ends, the rest when a host unloads the library.
void start_thread_texts();
void end_thread_texts_of_this_thread();
void end_thread_texts();
