#include "colorlib/extended_color.h"

#include "colorlib/publication_catalogue.h"
#include "colorlib/publications.h"

namespace {

constexpr uint16_t flag_bits = 0x000F;
constexpr uint16_t field0_high_bits = 0x00C0;
constexpr uint16_t field1_high_bits = 0x0030;

}  // namespace

int color_is_extended(const extended_color* record) { return (record->color_system & 0xFF) != 0 ? 1 : 0; }

void set_color_flag(extended_color* record, int16_t flag)
{
    record->red = static_cast<uint16_t>((record->red & ~flag_bits) | (flag & flag_bits));
}

int16_t get_color_flag(const extended_color* record) { return static_cast<int16_t>(record->red & flag_bits); }

void set_index(extended_color* record, int16_t which, int16_t index)
{
    const uint16_t v = static_cast<uint16_t>(index);
    if (which == 0) {
        record->red = static_cast<uint16_t>((record->red & ~field0_high_bits) | ((v >> 2) & field0_high_bits));
        record->green = static_cast<uint16_t>((record->green & 0xFF00) | (v & 0xFF));
    } else if (which == 1) {
        record->red = static_cast<uint16_t>((record->red & ~field1_high_bits) | ((v >> 4) & field1_high_bits));
        record->blue = static_cast<uint16_t>((record->blue & 0xFF00) | (v & 0xFF));
    }
}

int16_t get_index(const extended_color* record, int16_t which)
{
    if (which == 0) return static_cast<int16_t>(((record->red & field0_high_bits) << 2) | (record->green & 0xFF));
    if (which == 1) return static_cast<int16_t>(((record->red & field1_high_bits) << 4) | (record->blue & 0xFF));
    return 0;
}

status encode_color(publication_catalogue& catalogue, int16_t system, int16_t flag, int16_t index,
                    extended_color* record)
{
    const int32_t n = system_to_pub(system, flag);
    if (!pub_exists(catalogue, n)) return status::no_publication;
    const uint64_t count = static_cast<uint64_t>(pub_number_of_pages(catalogue, static_cast<uint32_t>(n))) *
                           pub_colors_per_page(catalogue, static_cast<uint32_t>(n));
    if (index < 0 || count <= static_cast<uint64_t>(index)) return status::no_color;
    // An index the code's fields cannot hold would come back as another
    // colour; refuse it rather than report success.
    if (index > largest_storable_index(system)) return status::no_color;

    record->color_system = static_cast<uint16_t>(system);
    switch (encoding_of(system)) {
    case 1:
        set_color_flag(record, flag);
        set_index(record, 0, index);
        break;
    case 2:
        set_color_flag(record, static_cast<int16_t>(index >> 8));
        set_index(record, 0, index);
        break;
    case 3:
        set_color_flag(record, flag);
        set_index(record, 0, index);
        set_index(record, 1, static_cast<int16_t>(index >> 10));
        break;
    }
    return status::ok;
}

status decode_color(int16_t* system, int16_t* flag, int16_t* index, const extended_color* record)
{
    const int16_t code = static_cast<int16_t>(record->color_system);
    *system = code;
    switch (encoding_of(code)) {
    case 1:
        *flag = get_color_flag(record);
        *index = get_index(record, 0);
        return status::ok;
    case 2:
        *flag = 0;
        *index = static_cast<int16_t>(get_index(record, 0) | (get_color_flag(record) << 8));
        return status::ok;
    case 3:
        *flag = get_color_flag(record);
        *index = static_cast<int16_t>(static_cast<uint16_t>(get_index(record, 0) | (get_index(record, 1) << 10)));
        return status::ok;
    default:
        return status::no_color;
    }
}

colorid record_to_colorid(publication_catalogue& catalogue, const extended_color* record)
{
    if (!color_is_extended(record)) return no_color;
    int16_t system, flag, index;
    if (decode_color(&system, &flag, &index, record) != status::ok) return no_color;
    const int32_t n = system_to_pub(system, flag);
    if (n < 0) return no_color;
    // A negative index, sign-extended, is far beyond every publication.
    return make_colorid(catalogue, static_cast<uint32_t>(n), static_cast<uint32_t>(static_cast<int32_t>(index)));
}
