// F5, F6 and F7 on the picker step through the display profiles: the list is
// the hidden sorted list box's contents (item 0 the default display, then the
// display profiles' descriptions in sorted order), which the window layer
// fills and reads; the choice of item is made here.
#pragma once
#include <cstdint>

// The list box index of the profile to make current, or -1 for the default
// display (F7, or an empty list). F5 moves forward and wraps to item 0 after
// the last item; F6 moves back and wraps from item 0 to the last. A current
// name that is not in the list (its file was removed) gives item 0.
int32_t step_profile_choice(uint32_t key, const char* const* items, int32_t count, const char* current);
