#include "picker/picker_result.h"

#include "colorlib/color_lookups.h"
#include "picker/picker_run.h"

void confirm_picker_run(picker_run& run) { run.run_confirmed = 1; }

colorid picker_run_result(picker_run& run)
{
    if (!run.run_confirmed) {
        run.lib.picker.selected_color = no_color;
        run.current_view = nullptr;
        return no_color;
    }
    return run.selection_blank ? no_color : run.lib.picker.selected_color;
}

colorid initial_color_of(publication_catalogue& catalogue, const extended_color* record)
{
    if (record == nullptr || !color_is_extended(record)) return no_color;
    return record_to_colorid(catalogue, record);
}

bool write_picked_record(publication_catalogue& catalogue, display_state& display, colorid c, int32_t d50,
                         extended_color* record)
{
    const std::optional<rgb8> rgb = get_color_display_rgb(catalogue, display, c, d50);
    if (record == nullptr || !rgb) return false;
    record->red = static_cast<uint16_t>((rgb->r & 0xFF) << 8);
    record->green = static_cast<uint16_t>((rgb->g & 0xFF) << 8);
    record->blue = static_cast<uint16_t>((rgb->b & 0xFF) << 8);
    const uint32_t pub = colorid_pub(c), index = colorid_index(c);
    if (pub <= 2) {
        record->color_system = solid_guides_code;
        set_color_flag(record, static_cast<int16_t>(pub));
    } else if (pub == process_pub) {
        record->color_system = process_guide_code;
        set_color_flag(record, static_cast<int16_t>(index >> 8));
    } else if (is_palette_pub(pub)) {
        record->color_system = static_cast<uint16_t>(palette_code(pub));
        set_color_flag(record, 0);
        set_index(record, 1, static_cast<int16_t>(index >> 10));
    } else {
        return true;
    }
    set_index(record, 0, static_cast<int16_t>(index));
    return true;
}

uint32_t packed_display_rgb(publication_catalogue& catalogue, display_state& display, colorid c, int32_t d50)
{
    const std::optional<rgb8> rgb = get_color_display_rgb(catalogue, display, c, d50);
    if (!rgb) return 0;
    return static_cast<uint32_t>(rgb->r & 0xFF) | static_cast<uint32_t>(rgb->g & 0xFF) << 8 |
           static_cast<uint32_t>(rgb->b & 0xFF) << 16;
}
