#include "profiles/stored_profile_choice.h"

#include <cwchar>

void begin_stored_profile(stored_profile_choice* choice, const wchar_t* stored)
{
    choice->kept[0] = L'\0';
    const bool fits = std::wcslen(stored) < sizeof choice->stored / sizeof choice->stored[0];
    std::wcscpy(choice->stored, fits ? stored : L"");
}

void end_stored_profile(stored_profile_choice* choice, bool loaded)
{
    if (!loaded && choice->stored[0] != L'\0') std::wcscpy(choice->kept, choice->stored);
    choice->loads_at_start = choice->loads;
}

bool note_load(stored_profile_choice* choice, const wchar_t* path, bool loaded)
{
    ++choice->loads;
    if (!loaded && path != nullptr && choice->stored[0] != L'\0' && std::wcscmp(path, choice->stored) == 0) {
        std::wcscpy(choice->kept, choice->stored);
        choice->loads_at_start = choice->loads;
    }
    return loaded;
}

const wchar_t* profile_to_store(const stored_profile_choice& choice, const wchar_t* current)
{
    return choice.kept[0] != L'\0' && choice.loads == choice.loads_at_start ? choice.kept : current;
}
