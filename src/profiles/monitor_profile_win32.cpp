// Making a monitor profile current: the display model, path and name.
#include <windows.h>

#include "display/display_characterization.h"
#include "display/display_rgb.h"
#include "frame/library_state.h"
#include "profiles/monitor_profile_tags.h"
#include "profiles/profile_load_win32.h"
#include "profiles/profile_settings.h"
#include "profiles/stored_profile_choice.h"

namespace {

void read_monitor_tags(byte_span file)
{
    apply_monitor_profile_tags(file, &display_characterization, monitor_profile_name,
                               sizeof monitor_profile_name);
}

}  // namespace

bool load_monitor_profile(const char* path)
{
    invalidate_display_matrix();
    // Every load starts from the built-in model: what a profile lacks is the
    // same whatever was loaded before it, in this process or the last one.
    apply_default_display();
    return note_load(&monitor_choice, path,
                     load_chosen_profile(path, default_display_name, monitor_profile_path,
                                         monitor_profile_name, read_monitor_tags));
}
