#include "colorlib/color_lookups.h"

#include <cstring>

#include "colorlib/color_tables.h"
#include "colorlib/guide_search.h"
#include "colorlib/publication_catalogue.h"
#include "colorlib/publications.h"
#include "display/display_state.h"

std::optional<rgb8> get_color_display_rgb(publication_catalogue& catalogue, display_state& display, colorid id,
                                          int32_t d50)
{
    const std::optional<measured_xyz> xyz = get_color_xyz(catalogue, id, d50 != 0 ? 1 : 0);
    if (!xyz) return std::nullopt;
    // Paper white stays pure white on every display model.
    if (xyz->Y >= 99.99 && xyz->Z >= 99.99 && xyz->X >= 99.99) return rgb8{255, 255, 255};
    return xyz_to_display_rgb(display, xyz->X, xyz->Y, xyz->Z);
}

status lookup_color_rgb(publication_catalogue& catalogue, display_state& display, const extended_color& record,
                        uint16_t rgb[3], int16_t d50)
{
    const colorid id = record_to_colorid(catalogue, &record);
    if (id == no_color) return status::no_color;
    // A publication without this measurement table (an incomplete add-on)
    // has no screen colour: report it like a record that names no colour
    // rather than hand back whatever the receivers held.
    const std::optional<rgb8> c = get_color_display_rgb(catalogue, display, id, d50 == 1 ? 1 : 0);
    if (!c) return status::no_color;
    rgb[0] = static_cast<uint16_t>(c->r << 8);
    rgb[1] = static_cast<uint16_t>(c->g << 8);
    rgb[2] = static_cast<uint16_t>(c->b << 8);
    return status::ok;
}

status lookup_color_xyz(publication_catalogue& catalogue, const extended_color& record, uint16_t xyz[3], int16_t d50)
{
    const colorid id = record_to_colorid(catalogue, &record);
    if (id == no_color) return status::no_color;
    const std::optional<measured_xyz> m = get_color_xyz(catalogue, id, d50 == 1 ? 1 : 0);
    if (!m) return status::no_color;
    const double v[3] = {m->X, m->Y, m->Z};
    for (int i = 0; i < 3; ++i) xyz[i] = static_cast<uint16_t>((v[i] > 100.0 ? 100.0 : v[i]) / 100.0 * 65535.0);
    return status::ok;
}

status found_color_record(publication_catalogue& catalogue, display_state& display, int16_t system, int16_t flag,
                          uint32_t index, extended_color* record)
{
    extended_color r = {0, 0, 0, 0};
    if (index > 0x7FFF) return status::no_color;
    const status s = encode_color(catalogue, system, flag, static_cast<int16_t>(index), &r);
    if (s != status::ok) return s;
    if (const std::optional<rgb8> c = get_color_display_rgb(catalogue, display, record_to_colorid(catalogue, &r), 1)) {
        r.red = static_cast<uint16_t>(r.red | (c->r & 0xFF) << 8);
        r.green = static_cast<uint16_t>(r.green | (c->g & 0xFF) << 8);
        r.blue = static_cast<uint16_t>(r.blue | (c->b & 0xFF) << 8);
    }
    *record = r;
    return status::ok;
}

status lookup_color_lab(publication_catalogue& catalogue, const extended_color& record, cie_lab* lab)
{
    const colorid id = record_to_colorid(catalogue, &record);
    if (id == no_color) return status::no_color;
    return color_lab_d50(catalogue, id, lab) ? status::ok : status::no_data;
}

// The name is made whole in a buffer of this call's own and copied out in
// one piece, so a host's buffer never holds half of it.
static int16_t lookup_name(publication_catalogue& catalogue, const extended_color& record, char* name, int mode)
{
    const colorid id = record_to_colorid(catalogue, &record);
    if (id == no_color) return -1;
    char composed[full_color_name_size + 1];
    const int len = get_color_name(catalogue, id, composed, full_color_name_size, mode);
    std::memcpy(name, composed, static_cast<size_t>(len) + 1);
    return static_cast<int16_t>(len);
}

int16_t lookup_color_name(publication_catalogue& catalogue, const extended_color& record, char* name)
{
    return lookup_name(catalogue, record, name, 0);
}

int16_t lookup_short_color_name(publication_catalogue& catalogue, const extended_color& record, char* name)
{
    return lookup_name(catalogue, record, name, -1);
}

status lookup_color_index(publication_catalogue& catalogue, const extended_color& record, uint32_t* index)
{
    const colorid id = record_to_colorid(catalogue, &record);
    if (id == no_color) return status::no_color;
    *index = colorid_index(id);
    return status::ok;
}

// The publication a pair selects, through the same record path a host's
// colour takes, or -1.
static int32_t pair_pub(publication_catalogue& catalogue, int16_t system, int16_t flag)
{
    extended_color record = {};
    if (encode_color(catalogue, system, flag, 0, &record) != status::ok) return -1;
    const colorid id = record_to_colorid(catalogue, &record);
    if (id == no_color) return -1;
    return static_cast<int32_t>(colorid_pub(id));
}

int32_t pair_colors_per_page(publication_catalogue& catalogue, int16_t system, int16_t flag)
{
    const int32_t n = pair_pub(catalogue, system, flag);
    return n < 0 ? -1 : static_cast<int32_t>(pub_colors_per_page(catalogue, static_cast<uint32_t>(n)));
}

int32_t pair_number_of_pages(publication_catalogue& catalogue, int16_t system, int16_t flag)
{
    const int32_t n = pair_pub(catalogue, system, flag);
    return n < 0 ? -1 : static_cast<int32_t>(pub_number_of_pages(catalogue, static_cast<uint32_t>(n)));
}
