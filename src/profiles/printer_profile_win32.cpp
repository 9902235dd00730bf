// Making a printer profile current: only its path and description are kept;
// matching reads the file itself.
#include <windows.h>

#include "frame/platform_values.h"
#include "icc/icc_directory.h"
#include "profiles/profile_description.h"
#include "profiles/profile_load_win32.h"
#include "profiles/profile_settings.h"
#include "profiles/profile_state.h"

bool load_printer_profile(profile_state& profiles, const platform_values& platform, const wchar_t* path)
{
    const char* default_name = platform.default_printer_profile_name;
    lstrcpynW(profiles.printer_profile_path, platform.default_printer_profile_path, MAX_PATH);
    lstrcpynA(profiles.printer_profile_name, default_name, sizeof profiles.printer_profile_name);
    opened_profile profile;
    const bool loaded = open_chosen_profile(path, platform.default_printer_profile_path, profiles.printer_profile_path,
                                            profiles.printer_profile_name, &profile);
    if (profile.mapping != nullptr) {
        // Every description tag in directory order: the last readable one wins.
        const byte_span file = profile.view.file;
        icc_for_each_tag(file, [&](const icc_tag_entry& tag, uint32_t type) {
            if (tag.signature == icc_tag_desc)
                read_description_tag(file, tag, type, profiles.printer_profile_name,
                                     sizeof profiles.printer_profile_name);
            return true;
        });
        close_profile(&profile);
    }
    return note_load(&profiles.printer_choice, path, loaded);
}
