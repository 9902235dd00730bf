#include "picker/profile_stepping.h"

#include "picker/find_by_name.h"
#include "picker/picker_keys.h"

int32_t step_profile_choice(uint32_t key, const char* const* items, int32_t count, const char* current)
{
    if (key == key_f7 || count <= 0 || items == nullptr) return -1;
    // The list box's exact search ignores letter case.
    int32_t i = -1;
    for (int32_t k = 0; k < count && current != nullptr; ++k)
        if (items[k] != nullptr && names_equal_ignoring_case(items[k], current)) {
            i = k;
            break;
        }
    if (key == key_f5) return (i < 0 || i == count - 1) ? 0 : i + 1;
    if (key == key_f6) {
        if (i < 0) return 0;
        return i == 0 ? count - 1 : i - 1;
    }
    return -1;
}
