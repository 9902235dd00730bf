#include "colorlib/color_lookups.h"

#include <cstring>

#include "colorlib/color_tables.h"
#include "colorlib/colorid.h"
#include "colorlib/publications.h"
#include "display/display_rgb.h"

int get_color_display_rgb(colorid id, int32_t* R, int32_t* G, int32_t* B, int32_t d50)
{
    double X, Y, Z;
    if (!get_color_xyz(id, d50 != 0 ? 1 : 0, &X, &Y, &Z)) return -1;
    // Paper white stays pure white on every display model.
    if (Y >= 99.99 && Z >= 99.99 && X >= 99.99) {
        *R = *G = *B = 255;
        return 1;
    }
    return xyz_to_display_rgb(X, Y, Z, R, G, B);
}

int16_t lookup_color_rgb(const extended_color* record, uint16_t rgb[3], int16_t d50)
{
    const colorid id = record_to_colorid(record);
    if (id == no_color) return lookup_no_color;
    int32_t r, g, b;
    // A publication without this measurement table (an incomplete add-on)
    // has no screen colour: report it like a record that names no colour
    // rather than hand back whatever the receivers held.
    if (get_color_display_rgb(id, &r, &g, &b, d50 == 1 ? 1 : 0) != 1) return lookup_no_color;
    rgb[0] = static_cast<uint16_t>(r << 8);
    rgb[1] = static_cast<uint16_t>(g << 8);
    rgb[2] = static_cast<uint16_t>(b << 8);
    return lookup_done;
}

int16_t lookup_color_xyz(const extended_color* record, uint16_t xyz[3], int16_t d50)
{
    const colorid id = record_to_colorid(record);
    if (id == no_color) return lookup_no_color;
    double v[3];
    if (!get_color_xyz(id, d50 == 1 ? 1 : 0, &v[0], &v[1], &v[2])) return lookup_no_color;
    for (int i = 0; i < 3; ++i) {
        if (v[i] > 100.0) v[i] = 100.0;
        xyz[i] = static_cast<uint16_t>(v[i] / 100.0 * 65535.0);
    }
    return lookup_done;
}

static int16_t lookup_name(const extended_color* record, char* name, int mode)
{
    const colorid id = record_to_colorid(record);
    if (id == no_color) return 0;
    const int len = get_color_name(id, text_scratch, sizeof text_scratch - 1, mode);
    std::memcpy(name, text_scratch, static_cast<size_t>(len) + 1);
    return static_cast<int16_t>(len);
}

int16_t lookup_color_name(const extended_color* record, char* name) { return lookup_name(record, name, 0); }

int16_t lookup_short_color_name(const extended_color* record, char* name) { return lookup_name(record, name, -1); }

int16_t lookup_color_index(const extended_color* record, uint32_t* index)
{
    const colorid id = record_to_colorid(record);
    if (id == no_color) return lookup_no_color;
    *index = colorid_index(id);
    return lookup_done;
}

// The publication a pair selects, through the same record path a host's
// colour takes, or -1.
static int32_t pair_pub(int16_t system, int16_t flag)
{
    extended_color record = {};
    if (encode_color(system, flag, 0, &record) != encode_done) return -1;
    const colorid id = record_to_colorid(&record);
    if (id == no_color) return -1;
    return static_cast<int32_t>(colorid_pub(id));
}

int32_t pair_colors_per_page(int16_t system, int16_t flag)
{
    const int32_t n = pair_pub(system, flag);
    return n < 0 ? -1 : static_cast<int32_t>(pub_colors_per_page(static_cast<uint32_t>(n)));
}

int32_t pair_number_of_pages(int16_t system, int16_t flag)
{
    const int32_t n = pair_pub(system, flag);
    return n < 0 ? -1 : static_cast<int32_t>(pub_number_of_pages(static_cast<uint32_t>(n)));
}
