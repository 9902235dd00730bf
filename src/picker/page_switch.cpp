#include "picker/page_switch.h"

#include "colorlib/colorid.h"
#include "picker/nearest_color.h"
#include "picker/picker_state.h"
#include "picker/swatch_paging.h"

int32_t page_of_pub(int32_t pub)
{
    if (pub >= 0 && pub <= 2) return solid_page;
    if (pub == static_cast<int32_t>(process_pub)) return process_page;
    return settings_page;
}

int32_t pub_class(int32_t pub)
{
    if (pub == -1) return 0;
    if (pub >= 0 && pub <= 2) return 1;
    if (pub == static_cast<int32_t>(process_pub)) return 2;
    return -1;
}

int32_t color_class(colorid c) { return c == no_color ? 0 : pub_class(static_cast<int32_t>(colorid_pub(c))); }

void begin_picker_run(colorid initial)
{
    sanitize_persisted_picker_state();
    run_confirmed = 0;
    nested_dialogs_open = 0;
    if (selected_color == no_color) selected_color = original_color != no_color ? original_color : 0;
    // A caller's colour of a guide the picker cannot show stays in the
    // "Original" patch only; the selection must be one the pages can show.
    if (color_class(selected_color) <= 0) selected_color = 0;
    original_color = initial != no_color ? initial : selected_color;
    solid_pub_choice = colorid_pub(selected_color);
    current_page = previous_page = page_of_pub(static_cast<int32_t>(solid_pub_choice));
}

// The selection carried into a guide: the same colour, the same index of
// another solid guide, or the nearest colour of the other kind of guide.
static colorid adopt_selection(colorid c, const swatch_view& v)
{
    const uint32_t pub = static_cast<uint32_t>(v.pub);
    if (c == no_color || colorid_pub(c) == pub) return c;
    if (color_class(c) == pub_class(v.pub)) return make_colorid(pub, colorid_index(c));
    return nearest_color_in_pub(c, pub);
}

void sync_selection_to_view(swatch_view& v)
{
    const uint32_t pub = static_cast<uint32_t>(v.pub);
    if (first_colorid_displayed != no_color && colorid_pub(first_colorid_displayed) != pub) {
        if (color_class(first_colorid_displayed) != pub_class(v.pub)) {
            selected_color = nearest_color_in_pub(selected_color, pub);
            center_on_color(selected_color, v);
            selection_frame = pixel_rect{};
        } else {
            selected_color = make_colorid(pub, colorid_index(selected_color));
            first_colorid_displayed = make_colorid(pub, colorid_index(first_colorid_displayed));
        }
    } else if (first_colorid_displayed == no_color) {
        if (selected_color == no_color) {
            selected_color = make_colorid(pub, 0);
            first_colorid_displayed = selected_color;
        } else {
            selected_color = adopt_selection(selected_color, v);
            center_on_color(selected_color, v);
        }
    }
    // Whatever came in (a selection of another guide than the screen's, an
    // index this guide does not hold), the page leaves here with a selection
    // and a screen inside its own guide.
    if (selected_color == no_color || colorid_pub(selected_color) != pub) {
        selected_color = adopt_selection(selected_color, v);
        if (selected_color == no_color) selected_color = make_colorid(pub, 0);
    }
    if (first_colorid_displayed == no_color || colorid_pub(first_colorid_displayed) != pub)
        center_on_color(selected_color, v);
}

swatch_view* enter_color_page(int32_t page)
{
    swatch_view* v = nullptr;
    if (page == solid_page) {
        if (solid_pub_choice > 2) solid_pub_choice = color_type <= 2 ? color_type : 0;
        setup_view(solid_pub_choice, solid_view);
        color_type = solid_pub_choice;
        v = &solid_view;
    } else {
        setup_view(process_pub, process_view);
        v = &process_view;
    }
    current_page = page == solid_page ? solid_page : process_page;
    current_view = v;
    sync_selection_to_view(*v);
    selection_frame = pixel_rect{};
    return v;
}

void enter_settings_page()
{
    current_page = settings_page;
    current_view = nullptr;
    display_names_copy = OPTION_DISPLAY_COLOR_NAMES;
}

int32_t switch_page_for_selection(colorid c, const swatch_view& view)
{
    if (c == no_color) return page_refused;
    if (colorid_pub(c) == static_cast<uint32_t>(view.pub)) return -1;
    switch (color_class(c)) {
    case 1: solid_pub_choice = colorid_pub(c); return solid_page;
    case 2: return process_page;
    default: return page_refused;
    }
}

colorid change_solid_guide(int32_t choice)
{
    if (choice < 0 || choice > 2) return no_color;
    solid_pub_choice = static_cast<uint32_t>(choice);
    if (selected_color == no_color) return no_color;
    selected_color = make_colorid(solid_pub_choice, colorid_index(selected_color));
    return selected_color;
}
