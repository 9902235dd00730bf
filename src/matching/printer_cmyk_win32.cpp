#include "matching/printer_cmyk.h"

#include <windows.h>

#include <cstring>
#include <cwchar>

#include "colorlib/color_tables.h"
#include "colorlib/kept_tables.h"
#include "frame/platform_values.h"
#include "matching/cmyk_values.h"
#include "matching/kept_cmyk_answers.h"
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

// The match elements of every colour of a publication that the matching route
// takes (a measurement, not paper white), and their indices; their number.
uint32_t publication_elements(publication_catalogue& catalogue, uint32_t pub, bool d50, uint32_t count,
                              uint16_t (*elements)[4], uint32_t* indices)
{
    const byte_span table = locate_color_table(catalogue, pub, d50 ? table_cie50 : table_cie65);
    uint32_t n = 0;
    for (uint32_t i = 0; i < count; ++i) {
        const std::optional<measured_xyz> xyz = read_color_xyz(table, i);
        if (!xyz || is_paper_white(xyz->X, xyz->Y, xyz->Z)) continue;
        elements[n][0] = xyz_element_value(xyz->X);
        elements[n][1] = xyz_element_value(xyz->Y);
        elements[n][2] = xyz_element_value(xyz->Z);
        elements[n][3] = 0;
        indices[n++] = i;
    }
    return n;
}

// The colour alone matched through the ready transformation into cmyk.
bool match_colour(publication_catalogue& catalogue, matching_state& matching, colorid id, bool d50, uint16_t cmyk[4])
{
    const std::optional<measured_xyz> xyz = get_color_xyz(catalogue, id, d50 ? 1 : 0);
    if (!xyz) return false;
    uint16_t element[1][4] = {{xyz_element_value(xyz->X), xyz_element_value(xyz->Y), xyz_element_value(xyz->Z), 0}};
    if (!match_ready(matching, element, 1)) return false;
    std::memcpy(cmyk, element[0], sizeof element[0]);
    return true;
}

// The first colour asked of a publication under the ready transformation
// matches all of the publication's colours in one call and keeps them; where
// memory for that runs short, the colour alone is matched.
bool match_publication(publication_catalogue& catalogue, matching_state& matching, colorid id, bool d50,
                       uint16_t cmyk[4])
{
    const descriptor_facts* facts = publication_facts(catalogue, colorid_pub(id));
    const uint64_t colours = facts == nullptr ? 0 : uint64_t{facts->number_of_pages} * facts->colors_per_page;
    const uint32_t count = colours > 0x10000 ? 0x10000 : uint32_t(colours);
    void* memory = count == 0 ? nullptr : HeapAlloc(GetProcessHeap(), 0, size_t{count} * (sizeof(uint16_t[4]) + sizeof(uint32_t)));
    kept_publication_cmyk* list =
        memory == nullptr ? nullptr : keep_publication_cmyk(matching.cmyk_answers, colorid_pub(id), d50, count);
    if (list == nullptr) {
        if (memory != nullptr) HeapFree(GetProcessHeap(), 0, memory);
        return match_colour(catalogue, matching, id, d50, cmyk);
    }
    uint16_t(*elements)[4] = static_cast<uint16_t(*)[4]>(memory);
    uint32_t* indices = reinterpret_cast<uint32_t*>(elements + count);
    const uint32_t n = publication_elements(catalogue, colorid_pub(id), d50, count, elements, indices);
    const bool ok = n > 0 && match_ready(matching, elements, n);
    // A failed match let go of the transformation, and the list with it.
    if (ok)
        for (uint32_t i = 0; i < n; ++i) keep_cmyk(*list, indices[i], elements[i]);
    HeapFree(GetProcessHeap(), 0, memory);
    if (!ok) return false;
    const uint16_t* kept = kept_cmyk_of(matching.cmyk_answers, colorid_pub(id), d50, colorid_index(id));
    if (kept == nullptr) return match_colour(catalogue, matching, id, d50, cmyk);
    std::memcpy(cmyk, kept, sizeof(uint16_t[4]));
    return true;
}

// True with cmyk written when the route from source to printer is open.
bool answer_through(publication_catalogue& catalogue, matching_state& matching, const wchar_t* source,
                    const wchar_t* printer, colorid id, bool d50, uint16_t cmyk[4])
{
    if (!ready_printer_transform(matching, source, printer)) return false;
    if (const uint16_t* kept = kept_cmyk_of(matching.cmyk_answers, colorid_pub(id), d50, colorid_index(id))) {
        std::memcpy(cmyk, kept, sizeof(uint16_t[4]));
        return true;
    }
    return match_publication(catalogue, matching, id, d50, cmyk);
}

// True with cmyk written when the colour's measurement could be matched to
// printer.
bool matching_route(publication_catalogue& catalogue, const platform_values& platform, matching_state& matching,
                    colorid id, bool d50, const wchar_t* printer, uint16_t cmyk[4])
{
    end_matching_session(matching.session);
    // The XYZ profile's place is looked up again only when the route through
    // the place found last closes: a look-up of both colour folders on every
    // colour would cost the file-system calls the kept transformation saves.
    wchar_t* source = matching.xyz_profile;
    if (source[0] == L'\0' || !answer_through(catalogue, matching, source, printer, id, d50, cmyk)) {
        if (!find_in_color_directories(platform, xyz_profile_name, source)) {
            source[0] = L'\0';
            return false;
        }
        if (!answer_through(catalogue, matching, source, printer, id, d50, cmyk)) return false;
    }
    return true;
}

}  // namespace

status printer_cmyk(publication_catalogue& catalogue, const profile_state& profiles, const platform_values& platform,
                    matching_state& matching, colorid id, uint16_t cmyk[4], int16_t d50)
{
    const wchar_t* printer = profiles.printer_profile_path;
    if (std::wcscmp(printer, platform.default_printer_profile_path) == 0) return recipe_route(catalogue, id, cmyk);

    // Only colours with a measurement that is not white are kept, and the
    // tables never change: a kept colour's measurement is not read again. Its
    // answer stands while the transformation does, whose names cannot have
    // changed: the printer's changes only through choose_printer_profile,
    // which drops it, and the XYZ profile's place is looked for again only
    // after the route through it closed, which dropped it too.
    if (const uint16_t* kept = kept_cmyk_of(matching.cmyk_answers, colorid_pub(id), d50 == 1, colorid_index(id))) {
        end_matching_session(matching.session);
        if (kept_transformation_stands(matching)) {
            std::memcpy(cmyk, kept, sizeof(uint16_t[4]));
            return status::ok;
        }
    } else {
        const std::optional<measured_xyz> xyz = get_color_xyz(catalogue, id, d50 == 1 ? 1 : 0);
        if (!xyz) return status::no_data;
        if (is_paper_white(xyz->X, xyz->Y, xyz->Z)) return recipe_route(catalogue, id, cmyk);
    }
    if (matching_route(catalogue, platform, matching, id, d50 == 1, printer, cmyk)) return status::ok;
    return recipe_route(catalogue, id, cmyk);
}

bool choose_printer_profile(matching_state& matching, profile_state& profiles, const platform_values& platform,
                            const wchar_t* path)
{
    drop_printer_transform(matching);
    return load_printer_profile(profiles, platform, path);
}
