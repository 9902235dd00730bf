// User-interface texts by id (frame/text_ids.h), from the language module
// when one is loaded, else from the library's own string table.
#pragma once

#include "frame/text_ids.h"

// Loads text `id` into buffer (at most max - 1 characters and the NUL);
// returns its length, 0 when there is no such text.
int load_text(unsigned id, char* buffer, int max);
