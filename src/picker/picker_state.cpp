#include "picker/picker_state.h"

#include <cstring>

#include "colorlib/colorid.h"
#include "colorlib/publications.h"

uint32_t solid_pub_choice = 0;
int32_t current_page = 0, previous_page = 0;
swatch_view* current_view = nullptr;
int32_t scroll_mode = scroll_minimal;
int32_t selected_row = 0;
pixel_rect selection_frame;
int32_t selection_blank = 0;
uint8_t palette_device = 0;
picker_system_metrics picker_metrics;
swatch_view solid_view, process_view;
uint32_t shift_down = 0;
int32_t nested_dialogs_open = 0;
int32_t run_confirmed = 0;
uint32_t display_names_copy = 1;
char find_text[find_text_size];
uint32_t find_name_max = 0;

void reset_picker_state()
{
    solid_pub_choice = 0;
    current_page = previous_page = 0;
    current_view = nullptr;
    scroll_mode = scroll_minimal;
    selected_row = 0;
    selection_frame = pixel_rect{};
    selection_blank = 0;
    palette_device = 0;
    picker_metrics = picker_system_metrics{};
    solid_view = swatch_view{};
    process_view = swatch_view{};
    shift_down = 0;
    nested_dialogs_open = 0;
    run_confirmed = 0;
    display_names_copy = 1;
    std::memset(find_text, 0, sizeof find_text);
    find_name_max = 0;
    picker_view_pub = -1;
}

// Only the built-in guides have a page in the picker, so only their colours
// can be shown; make_colorid also checks that the index exists and that the
// high bits hold nothing but the publication number.
static bool showable_color(colorid c)
{
    if (c == no_color) return false;
    const uint32_t pub = c >> 16;
    if (pub > process_pub) return false;
    return make_colorid(pub, colorid_index(c)) == c;
}

// The screen starts at a guide page and shows a full screen of colours, or
// starts at 0 when the guide has fewer pages than the screen has columns.
static bool valid_first_displayed(colorid c)
{
    if (!showable_color(c)) return false;
    const uint32_t pub = colorid_pub(c);
    const int64_t rows = pub_colors_per_page(pub);
    const int64_t total = rows * pub_number_of_pages(pub);
    const int64_t per_screen = rows * swatch_view{}.columns;
    const int64_t index = colorid_index(c);
    if (rows <= 0 || index % rows != 0) return false;
    return index == 0 || index <= total - per_screen;
}

void sanitize_persisted_picker_state()
{
    if (color_type > 2) color_type = 0;
    if (!showable_color(selected_color)) selected_color = no_color;
    if (!valid_first_displayed(first_colorid_displayed)) first_colorid_displayed = no_color;
}
