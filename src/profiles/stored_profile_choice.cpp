#include "profiles/stored_profile_choice.h"

#include <cstring>

void begin_stored_profile(stored_profile_choice* choice, const char* stored)
{
    choice->kept[0] = '\0';
    const bool fits = std::strlen(stored) < sizeof choice->stored;
    std::strcpy(choice->stored, fits ? stored : "");
}

void end_stored_profile(stored_profile_choice* choice, bool loaded)
{
    if (!loaded && choice->stored[0] != '\0') std::strcpy(choice->kept, choice->stored);
    choice->loads_at_start = choice->loads;
}

bool note_load(stored_profile_choice* choice, const char* path, bool loaded)
{
    ++choice->loads;
    if (!loaded && path != nullptr && choice->stored[0] != '\0' && std::strcmp(path, choice->stored) == 0) {
        std::strcpy(choice->kept, choice->stored);
        choice->loads_at_start = choice->loads;
    }
    return loaded;
}

const char* profile_to_store(const stored_profile_choice& choice, const char* current)
{
    return choice.kept[0] != '\0' && choice.loads == choice.loads_at_start ? choice.kept : current;
}
