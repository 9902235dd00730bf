#include "matching/printer_cmyk.h"

#include <windows.h>

#include <cstring>
#include <cwchar>

#include "colorlib/color_tables.h"
#include "frame/platform_values.h"
#include "matching/cmyk_values.h"
#include "matching/matching_state.h"
#include "matching/printer_transform.h"
#include "profiles/profile_enumeration_win32.h"
#include "profiles/profile_settings.h"
#include "profiles/profile_state.h"

namespace {

const wchar_t xyz_profile_name[] = L"xyzprof.pf";

status recipe_route(publication_catalogue& catalogue, colorid id, uint16_t cmyk[4])
{
    const std::optional<cmyk_recipe> ink = get_color_cmyk_recipe(catalogue, id);
    if (!ink) return status::no_data;
    cmyk[0] = recipe_value(ink->C);
    cmyk[1] = recipe_value(ink->M);
    cmyk[2] = recipe_value(ink->Y);
    cmyk[3] = recipe_value(ink->K);
    return status::ok;
}

// True with cmyk written when the measurement could be matched to printer.
bool matching_route(const platform_values& platform, matching_state& matching, const measured_xyz& xyz,
                    const wchar_t* printer, uint16_t cmyk[4])
{
    end_matching_session(matching.session);
    uint16_t element[4] = {xyz_element_value(xyz.X), xyz_element_value(xyz.Y), xyz_element_value(xyz.Z), 0};
    // The XYZ profile's place is looked up again only when the route through
    // the place found last closes: a look-up of both colour folders on every
    // colour would cost the file-system calls the kept transformation saves.
    wchar_t* source = matching.xyz_profile;
    if (source[0] == L'\0' || !match_to_printer(matching, source, printer, element)) {
        if (!find_in_color_directories(platform, xyz_profile_name, source)) {
            source[0] = L'\0';
            return false;
        }
        if (!match_to_printer(matching, source, printer, element)) return false;
    }
    std::memcpy(cmyk, element, sizeof element);
    return true;
}

}  // namespace

status printer_cmyk(publication_catalogue& catalogue, const profile_state& profiles, const platform_values& platform,
                    matching_state& matching, colorid id, uint16_t cmyk[4], int16_t d50)
{
    const wchar_t* printer = profiles.printer_profile_path;
    if (std::wcscmp(printer, platform.default_printer_profile_path) == 0) return recipe_route(catalogue, id, cmyk);

    const std::optional<measured_xyz> xyz = get_color_xyz(catalogue, id, d50 == 1 ? 1 : 0);
    if (!xyz) return status::no_data;
    if (is_paper_white(xyz->X, xyz->Y, xyz->Z)) return recipe_route(catalogue, id, cmyk);
    if (matching_route(platform, matching, *xyz, printer, cmyk)) return status::ok;
    return recipe_route(catalogue, id, cmyk);
}

bool choose_printer_profile(matching_state& matching, profile_state& profiles, const platform_values& platform,
                            const wchar_t* path)
{
    drop_printer_transform(matching);
    return load_printer_profile(profiles, platform, path);
}
