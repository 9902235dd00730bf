// Making a monitor profile current: the display model, path and name.
#include <windows.h>

#include <cstring>

#include "frame/library_state.h"
#include "profiles/display_characterization.h"
#include "profiles/display_rgb.h"
#include "profiles/monitor_profile_tags.h"
#include "profiles/profile_file_win32.h"
#include "profiles/profile_settings.h"

bool load_monitor_profile(const char* path)
{
    invalidate_display_matrix();
    if (path == nullptr || std::strlen(path) > max_profile_path_length) {
        apply_default_display();
        return false;
    }
    lstrcpyA(monitor_profile_path, path);
    if (lstrcmpA(path, default_display_name) == 0) {
        apply_default_display();
        return true;
    }
    opened_profile profile;
    if (!open_profile(path, &profile)) {
        apply_default_display();
        return false;
    }
    apply_monitor_profile_tags(profile.view.file, &display_characterization, monitor_profile_name,
                               sizeof monitor_profile_name);
    close_profile(&profile);
    return true;
}
