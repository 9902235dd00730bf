#include "profiles/profile_file_win32.h"

#include "huex.h"

bool open_profile(const char* path, opened_profile* profile)
{
    if (!MMF_open_profile_file(path, &profile->mapping, &profile->file)) return false;
    map_profile_view(profile->mapping, &profile->view);
    return true;
}

void close_profile(opened_profile* profile)
{
    release_profile_view(&profile->view);
    MMF_close_profile_file(profile->mapping, profile->file);
    profile->mapping = profile->file = nullptr;
}
