#include "profiles/stored_profile_choice.h"

#include <cstring>

stored_profile_choice monitor_choice = {};
stored_profile_choice printer_choice = {};

void load_stored_profile(const char* stored, bool (*load)(const char*),
                         stored_profile_choice* choice)
{
    choice->kept[0] = '\0';
    if (!load(stored) && std::strlen(stored) < sizeof choice->kept)
        std::strcpy(choice->kept, stored);
    choice->loads_at_start = choice->loads;
}

const char* profile_to_store(const stored_profile_choice& choice, const char* current)
{
    return choice.kept[0] != '\0' && choice.loads == choice.loads_at_start ? choice.kept : current;
}
