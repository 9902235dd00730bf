#include "picker/picker_result.h"

#include "colorlib/colorid.h"
#include "picker/picker_state.h"
#include "colorlib/color_lookups.h"

void confirm_picker_run() { run_confirmed = 1; }

colorid picker_run_result()
{
    if (!run_confirmed) {
        selected_color = no_color;
        current_view = nullptr;
        return no_color;
    }
    return selection_blank ? no_color : selected_color;
}

colorid initial_color_of(const extended_color* record)
{
    if (record == nullptr || !color_is_extended(record)) return no_color;
    return record_to_colorid(record);
}

bool write_picked_record(colorid c, int32_t d50, extended_color* record)
{
    int32_t r = 0, g = 0, b = 0;
    if (record == nullptr || get_color_display_rgb(c, &r, &g, &b, d50) != 1) return false;
    record->red = static_cast<uint16_t>((r & 0xFF) << 8);
    record->green = static_cast<uint16_t>((g & 0xFF) << 8);
    record->blue = static_cast<uint16_t>((b & 0xFF) << 8);
    const uint32_t pub = colorid_pub(c), index = colorid_index(c);
    if (pub <= 2) {
        record->color_system = solid_guides_code;
        set_color_flag(record, static_cast<int16_t>(pub));
    } else if (pub == process_pub) {
        record->color_system = process_guide_code;
        set_color_flag(record, static_cast<int16_t>(index >> 8));
    } else {
        return true;
    }
    set_index(record, 0, static_cast<int16_t>(index));
    return true;
}

uint32_t packed_display_rgb(colorid c, int32_t d50)
{
    int32_t r = 0, g = 0, b = 0;
    if (get_color_display_rgb(c, &r, &g, &b, d50) != 1) return 0;
    return static_cast<uint32_t>(r & 0xFF) | static_cast<uint32_t>(g & 0xFF) << 8 | static_cast<uint32_t>(b & 0xFF) << 16;
}
