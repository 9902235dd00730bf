#include "picker/page_switch.h"

#include "colorlib/color_system_codes.h"
#include "colorlib/colorid.h"
#include "colorlib/palette_records.h"
#include "picker/nearest_color.h"
#include "picker/picker_run.h"
#include "picker/swatch_paging.h"

int32_t page_of_pub(int32_t pub)
{
    if (pub >= 0 && pub <= 2) return solid_page;
    if (pub >= 0 && is_palette_pub(static_cast<uint32_t>(pub))) return solid_page;
    if (pub == static_cast<int32_t>(process_pub)) return process_page;
    return settings_page;
}

int32_t pub_class(int32_t pub)
{
    if (pub == -1) return 0;
    if (pub >= 0 && pub <= 2) return 1;
    if (pub == static_cast<int32_t>(process_pub)) return 2;
    if (pub >= 0 && is_palette_pub(static_cast<uint32_t>(pub))) return 3;
    return -1;
}

int32_t color_class(colorid c) { return c == no_color ? 0 : pub_class(static_cast<int32_t>(colorid_pub(c))); }

void begin_picker_run(picker_run& run, colorid initial)
{
    picker_settings& s = run.lib.picker;
    sanitize_picker_settings(s, run.lib.catalogue);
    run.run_confirmed = 0;
    run.nested_dialogs_open = 0;
    if (s.selected_color == no_color) s.selected_color = s.original_color != no_color ? s.original_color : 0;
    // A caller's colour of a guide the picker cannot show stays in the
    // "Original" patch only; the selection must be one the pages can show.
    if (color_class(s.selected_color) <= 0) s.selected_color = 0;
    s.original_color = initial != no_color ? initial : s.selected_color;
    run.solid_pub_choice = colorid_pub(s.selected_color);
    run.current_page = run.previous_page = page_of_pub(static_cast<int32_t>(run.solid_pub_choice));
}

// The selection carried into a guide: the same colour, the same index of
// another solid guide, or the nearest colour of the other kind of guide.
static colorid adopt_selection(picker_run& run, colorid c, const swatch_view& v)
{
    const uint32_t pub = static_cast<uint32_t>(v.pub);
    if (c == no_color || colorid_pub(c) == pub) return c;
    if (color_class(c) == pub_class(v.pub)) return make_colorid(run.lib.catalogue, pub, colorid_index(c));
    return nearest_color_in_pub(run, c, pub);
}

void sync_selection_to_view(picker_run& run, swatch_view& v)
{
    picker_settings& s = run.lib.picker;
    publication_catalogue& catalogue = run.lib.catalogue;
    const uint32_t pub = static_cast<uint32_t>(v.pub);
    if (s.first_colorid_displayed != no_color && colorid_pub(s.first_colorid_displayed) != pub) {
        if (color_class(s.first_colorid_displayed) != pub_class(v.pub)) {
            s.selected_color = nearest_color_in_pub(run, s.selected_color, pub);
            center_on_color(run, s.selected_color, v);
            run.selection_frame = pixel_rect{};
        } else {
            s.selected_color = make_colorid(catalogue, pub, colorid_index(s.selected_color));
            s.first_colorid_displayed = make_colorid(catalogue, pub, colorid_index(s.first_colorid_displayed));
        }
    } else if (s.first_colorid_displayed == no_color) {
        if (s.selected_color == no_color) {
            s.selected_color = make_colorid(catalogue, pub, 0);
            s.first_colorid_displayed = s.selected_color;
        } else {
            s.selected_color = adopt_selection(run, s.selected_color, v);
            center_on_color(run, s.selected_color, v);
        }
    }
    // Whatever came in (a selection of another guide than the screen's, an
    // index this guide does not hold), the page leaves here with a selection
    // and a screen inside its own guide.
    if (s.selected_color == no_color || colorid_pub(s.selected_color) != pub) {
        s.selected_color = adopt_selection(run, s.selected_color, v);
        if (s.selected_color == no_color) s.selected_color = make_colorid(catalogue, pub, 0);
    }
    if (s.first_colorid_displayed == no_color || colorid_pub(s.first_colorid_displayed) != pub)
        center_on_color(run, s.selected_color, v);
}

swatch_view* enter_color_page(picker_run& run, int32_t page)
{
    picker_settings& s = run.lib.picker;
    swatch_view* v = nullptr;
    if (page == solid_page) {
        if (solid_choice_place(run.lib.catalogue, run.solid_pub_choice) < 0)
            run.solid_pub_choice = solid_choice_place(run.lib.catalogue, s.color_type) >= 0 ? s.color_type : 0;
        setup_view(run, run.solid_pub_choice, run.solid_view);
        s.color_type = run.solid_pub_choice;
        v = &run.solid_view;
    } else {
        setup_view(run, process_pub, run.process_view);
        v = &run.process_view;
    }
    run.current_page = page == solid_page ? solid_page : process_page;
    run.current_view = v;
    sync_selection_to_view(run, *v);
    run.selection_frame = pixel_rect{};
    return v;
}

void enter_settings_page(picker_run& run)
{
    picker_settings& s = run.lib.picker;
    run.current_page = settings_page;
    run.current_view = nullptr;
    run.display_names_copy = s.OPTION_DISPLAY_COLOR_NAMES;
}

int32_t switch_page_for_selection(picker_run& run, colorid c, const swatch_view& view)
{
    if (c == no_color) return page_refused;
    if (colorid_pub(c) == static_cast<uint32_t>(view.pub)) return -1;
    switch (color_class(c)) {
    case 1:
    case 3: run.solid_pub_choice = colorid_pub(c); return solid_page;
    case 2: return process_page;
    default: return page_refused;
    }
}

int32_t solid_choice_place(const publication_catalogue& catalogue, uint32_t pub)
{
    if (pub <= 2) return static_cast<int32_t>(pub);
    const int place = palette_place(catalogue, pub);
    return place < 0 ? -1 : 3 + place;
}

colorid change_solid_guide(picker_run& run, int32_t choice)
{
    picker_settings& s = run.lib.picker;
    if (choice < 0) return no_color;
    const int32_t pub = choice <= 2 ? choice : palette_pub_at(run.lib.catalogue, choice - 3);
    if (pub < 0) return no_color;
    const colorid from = s.selected_color;
    run.solid_pub_choice = static_cast<uint32_t>(pub);
    if (from == no_color) return no_color;
    // Between the solid guides an index is the same ink on another paper; a
    // palette shares no numbering with anything, so the nearest colour is
    // taken, as between the solid and the process guide.
    if (color_class(from) == 1 && pub <= 2) {
        s.selected_color = make_colorid(run.lib.catalogue, run.solid_pub_choice, colorid_index(from));
    } else {
        s.selected_color = nearest_color_in_pub(run, from, run.solid_pub_choice);
        if (s.selected_color == no_color) s.selected_color = make_colorid(run.lib.catalogue, run.solid_pub_choice, 0);
    }
    return s.selected_color;
}
