#include "profiles/profile_file_win32.h"

#include "icc/mmf_file_access_win32.h"
#include "profiles/profile_header_codes.h"

bool open_profile(const wchar_t* path, opened_profile* profile)
{
    if (!open_profile_mapping(path, &profile->mapping, &profile->file)) return false;
    map_profile_view(profile->mapping, &profile->view);
    return true;
}

void close_profile(opened_profile* profile)
{
    release_profile_view(&profile->view);
    close_profile_mapping(profile->mapping, profile->file);
    profile->mapping = profile->file = nullptr;
}

bool read_profile_header(const wchar_t* path, icc_profile_header* header)
{
    if (path == nullptr) return false;
    opened_profile profile;
    if (!open_profile(path, &profile)) return false;
    const bool ok = icc_read_header(profile.view.file, header);
    close_profile(&profile);
    return ok;
}

int16_t profile_type_of(const wchar_t* path)
{
    icc_profile_header header;
    return read_profile_header(path, &header) ? profile_type_code(header.color_space) : -1;
}
