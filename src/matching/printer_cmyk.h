// The printing values of a guide colour for the chosen printer: the built-in
// printer prints the guide's recipe; an ICC printer gets the colour's
// measurement matched from the XYZ profile in the colour folders, and the
// recipe whenever that route is closed.
#pragma once
#include <cstdint>

#include "colorlib/colorid.h"
#include "frame/status.h"

struct matching_state;
struct platform_values;
struct profile_state;
struct publication_catalogue;

// ok with cmyk written (65535 for 100 % ink); no_data when the colour has
// neither the measurement the printer needs nor a recipe. A session the host
// left open ends here, as it always has with this look-up.
status printer_cmyk(publication_catalogue& catalogue, const profile_state& profiles, const platform_values& platform,
                    matching_state& matching, colorid id, uint16_t cmyk[4], int16_t d50);

// Makes path the printer profile, letting go first of what matching kept
// prepared for the one before, so that its files and folders are free when
// the load returns. What load_printer_profile answers.
bool choose_printer_profile(matching_state& matching, profile_state& profiles, const platform_values& platform,
                            const wchar_t* path);
