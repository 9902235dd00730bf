// HUEX_GetColorCMYK: the printing values of a guide colour for the chosen
// printer. The built-in printer prints the guide's recipe; an ICC printer
// gets the colour's measurement matched from the XYZ profile in the colour
// folders, and the recipe whenever that route is closed.
#include "huex.h"

#include <cstring>

#include "colorlib/color_tables.h"
#include "colorlib/extended_color.h"
#include "frame/library_state.h"
#include "matching/cmyk_values.h"
#include "matching/matching_session.h"
#include "matching/printer_transform.h"
#include "profiles/profile_enumeration_win32.h"
#include "profiles/profile_settings.h"

namespace {

const char xyz_profile_name[] = "xyzprof.pf";

short recipe_route(colorid id, WORD cmyk[4])
{
    float ink[4];
    if (!get_color_cmyk_recipe(id, &ink[0], &ink[1], &ink[2], &ink[3])) return HUEX_NO_DATA;
    for (int i = 0; i < 4; ++i) cmyk[i] = recipe_value(ink[i]);
    return HUEX_OK;
}

// True with cmyk written when the measurement could be matched to printer.
bool matching_route(const double xyz[3], const char* printer, WORD cmyk[4])
{
    // A session the host left open ends here, as it always has with this call.
    end_matching_session();
    WORD element[4] = {xyz_element_value(xyz[0]), xyz_element_value(xyz[1]),
                       xyz_element_value(xyz[2]), 0};
    // The XYZ profile's place is looked up again only when the route through
    // the place found last closes: a look-up of both colour folders on every
    // colour would cost the file-system calls the kept transformation saves.
    static char source[MAX_PATH];
    if (source[0] == '\0' || !match_to_printer(source, printer, element)) {
        if (!find_in_color_directories(xyz_profile_name, source)) {
            source[0] = '\0';
            return false;
        }
        if (!match_to_printer(source, printer, element)) return false;
    }
    std::memcpy(cmyk, element, sizeof element);
    return true;
}

}  // namespace

extern "C" short WINAPI HUEX_GetColorCMYK(const extended_color* color, WORD* cmyk, short d50)
{
    if (color == nullptr || cmyk == nullptr) return HUEX_NO_COLOR;
    const colorid id = record_to_colorid(color);
    if (id == no_color) return HUEX_NO_COLOR;

    const char* printer = current_printer_profile();
    if (std::strcmp(printer, default_printer_profile_name) == 0) return recipe_route(id, cmyk);

    double xyz[3];
    if (!get_color_xyz(id, d50 == 1 ? 1 : 0, &xyz[0], &xyz[1], &xyz[2])) return HUEX_NO_DATA;
    if (is_paper_white(xyz[0], xyz[1], xyz[2])) return recipe_route(id, cmyk);
    if (matching_route(xyz, printer, cmyk)) return HUEX_OK;
    return recipe_route(id, cmyk);
}
