#include "picker/picker_run.h"

#include "colorlib/colorid.h"
#include "colorlib/palette_records.h"
#include "colorlib/publications.h"

// Only the built-in guides and the palettes have a page in the picker, so
// only their colours can be shown; make_colorid also checks that the index
// exists and that the high bits hold nothing but the publication number.
static bool showable_color(publication_catalogue& catalogue, colorid c)
{
    if (c == no_color) return false;
    const uint32_t pub = c >> 16;
    if (pub > process_pub && palette_place(catalogue, pub) < 0) return false;
    return make_colorid(catalogue, pub, colorid_index(c)) == c;
}

// The screen starts at a guide page and shows a full screen of colours, or
// starts at 0 when the guide has fewer pages than the screen has columns.
static bool valid_first_displayed(publication_catalogue& catalogue, colorid c)
{
    if (!showable_color(catalogue, c)) return false;
    const uint32_t pub = colorid_pub(c);
    const int64_t rows = pub_colors_per_page(catalogue, pub);
    const int64_t total = rows * pub_number_of_pages(catalogue, pub);
    const int64_t per_screen = rows * swatch_view{}.columns;
    const int64_t index = colorid_index(c);
    if (rows <= 0 || index % rows != 0) return false;
    return index == 0 || index <= total - per_screen;
}

void sanitize_picker_settings(picker_settings& settings, publication_catalogue& catalogue)
{
    // A palette removed since the settings were stored leaves the first guide.
    if (settings.color_type > 2 && palette_place(catalogue, settings.color_type) < 0) settings.color_type = 0;
    if (!showable_color(catalogue, settings.selected_color)) settings.selected_color = no_color;
    if (!valid_first_displayed(catalogue, settings.first_colorid_displayed))
        settings.first_colorid_displayed = no_color;
}
