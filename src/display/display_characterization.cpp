#include "display/display_characterization.h"

#include <cstring>

#include "frame/library_state.h"

display_model display_characterization = default_display_model;

void apply_default_display()
{
    std::memcpy(monitor_profile_path, default_display_name, sizeof monitor_profile_path);
    std::memcpy(monitor_profile_name, default_display_name, sizeof monitor_profile_name);
    monitor_profile_path[sizeof monitor_profile_path - 1] = 0;
    monitor_profile_name[sizeof monitor_profile_name - 1] = 0;
    display_characterization = default_display_model;
}
