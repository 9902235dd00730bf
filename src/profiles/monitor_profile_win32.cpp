// Making a monitor profile current: the display model, path and name.
#include <windows.h>

#include "display/display_state.h"
#include "frame/platform_values.h"
#include "profiles/monitor_profile_tags.h"
#include "profiles/profile_load_win32.h"
#include "profiles/profile_settings.h"
#include "profiles/profile_state.h"

bool load_monitor_profile(profile_state& profiles, display_state& display, const platform_values& platform,
                          const wchar_t* path)
{
    // Every load starts from the built-in model: what a profile lacks is the
    // same whatever was loaded before it, in this process or the last one.
    apply_default_display(display);
    lstrcpynW(profiles.monitor_profile_path, platform.default_display_path, MAX_PATH);
    lstrcpynA(profiles.monitor_profile_name, platform.default_display_name, sizeof profiles.monitor_profile_name);
    opened_profile profile;
    const bool loaded = open_chosen_profile(path, platform.default_display_path, profiles.monitor_profile_path,
                                            profiles.monitor_profile_name, &profile);
    if (profile.mapping != nullptr) {
        apply_monitor_profile_tags(profile.view.file, &display.display_characterization, profiles.monitor_profile_name,
                                   sizeof profiles.monitor_profile_name);
        close_profile(&profile);
    }
    return note_load(&profiles.monitor_choice, path, loaded);
}
