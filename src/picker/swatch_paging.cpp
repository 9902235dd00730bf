#include "picker/swatch_paging.h"

#include "colorlib/colorid.h"
#include "picker/picker_keys.h"
#include "picker/picker_run.h"

int32_t guide_page(int32_t index, const swatch_view& v) { return v.rows > 0 ? index / v.rows + 1 : 1; }

int32_t guide_row(int32_t index, const swatch_view& v) { return v.rows > 0 ? index % v.rows : 0; }

static int32_t index_of(colorid c) { return static_cast<int32_t>(colorid_index(c)); }

// The colorid of index n of the view's guide; no_color outside it.
static colorid view_color(picker_run& run, const swatch_view& v, int64_t n)
{
    if (n < 0 || n >= v.total) return no_color;
    return make_colorid(run.lib.catalogue, static_cast<uint32_t>(v.pub), static_cast<uint32_t>(n));
}

// First index of the screen that shows guide page `page` in the middle column.
static int64_t centred_first(int32_t page, const swatch_view& v)
{
    int64_t first = static_cast<int64_t>(page - (v.columns / 2 + 1)) * v.rows;
    if (first > v.total - v.per_screen) first = v.total - v.per_screen;
    if (first < 0) first = 0;
    return first;
}

int locate_on_screen(picker_run& run, colorid c, int32_t* row, int32_t* column, const swatch_view& v)
{
    const int32_t t = index_of(c);
    const int32_t f = index_of(run.lib.picker.first_colorid_displayed);
    const int32_t R = v.rows > 0 ? v.rows : 1;
    if (t == f) {
        *row = 0;
        *column = 0;
        return on_screen;
    }
    if (f < t && t < f + v.per_screen) {
        *column = (t - f) / R;
        *row = t - f - R * *column;
        return on_screen;
    }
    if (run.scroll_mode == scroll_centre) return centre_requested;
    if (t > f) {
        *column = (t - (f + v.per_screen)) / R + 1;
        *row = guide_row(t, v);
        return after_screen;
    }
    *column = (f - t - 1) / R + 1;
    *row = guide_row(t, v);
    return before_screen;
}

scroll_outcome scroll_to_show(picker_run& run, colorid c, swatch_view& v, bool apply)
{
    scroll_outcome out;
    if (!view_has_colors(v) || c == no_color) return out;
    const int32_t t = index_of(c);
    const int64_t f = index_of(run.lib.picker.first_colorid_displayed);
    // Rows and columns are always set, so no caller reads an unset place even
    // when a centring request leaves them to the second look.
    out.row = guide_row(t, v);
    out.column = 0;
    const int r = locate_on_screen(run, c, &out.row, &out.column, v);
    if (r == on_screen) {
        out.visible = true;
        return out;
    }

    int64_t first = 0;
    if (r == after_screen) {
        first = f + (run.scroll_mode == scroll_by_screen ? v.per_screen : static_cast<int64_t>(v.rows) * out.column);
        if (first > v.total - v.per_screen) first = v.total - v.per_screen;
    } else if (r == before_screen) {
        first = f - (run.scroll_mode == scroll_by_screen ? v.per_screen : static_cast<int64_t>(v.rows) * out.column);
        if (first < 0) first = 0;
    } else {
        first = centred_first(guide_page(t, v), v);
        run.scroll_mode = scroll_minimal;
    }

    const colorid n = view_color(run, v, first);
    if (n == no_color || !apply) return out;
    out.scrolled = run.lib.picker.first_colorid_displayed != n;
    run.lib.picker.first_colorid_displayed = n;
    out.row = guide_row(t, v);
    out.column = 0;
    out.visible = locate_on_screen(run, c, &out.row, &out.column, v) == on_screen;
    return out;
}

void center_on_color(picker_run& run, colorid c, const swatch_view& v)
{
    if (!view_has_colors(v) || c == no_color) return;
    run.lib.picker.first_colorid_displayed = view_color(run, v, centred_first(guide_page(index_of(c), v), v));
}

int32_t scroll_thumb(const picker_run& run, const swatch_view& v)
{
    const int32_t q = guide_page(index_of(run.lib.picker.first_colorid_displayed), v) + 1;
    const int32_t h = v.columns / 2 + 1;
    int32_t position = h > q ? 1 : q + h;
    if (position > v.pages) position = v.pages;
    return position;
}

// Out-of-range moves land on the selection's row of the first or last guide
// page, so a move never leaves the guide and never changes the row.
static int64_t kept_inside(int64_t n, int64_t lowest, int32_t r, const swatch_view& v)
{
    if (n < lowest) return r;
    if (n >= v.total) return v.total - (v.rows - r);
    return n;
}

colorid scroll_command_target(picker_run& run, int32_t code, int32_t position, const swatch_view& v)
{
    if (!view_has_colors(v) || run.lib.picker.selected_color == no_color) return run.lib.picker.selected_color;
    const int64_t i = index_of(run.lib.picker.selected_color);
    const int32_t R = v.rows;
    const int32_t r = guide_row(static_cast<int32_t>(i), v);
    int64_t n = 0;
    switch (code) {
    case scroll_line_left: n = i - R; break;
    case scroll_line_right: n = i + R; break;
    case scroll_page_left: n = i - static_cast<int64_t>(v.columns) * R; run.scroll_mode = scroll_by_screen; break;
    case scroll_page_right: n = i + static_cast<int64_t>(v.columns) * R; run.scroll_mode = scroll_by_screen; break;
    case scroll_thumb_position:
    case scroll_thumb_track: n = static_cast<int64_t>(R) * (position - 1) + run.selected_row; break;
    case scroll_top: n = 0; break;
    case scroll_bottom: n = v.total - 1; break;
    default: return run.lib.picker.selected_color;
    }
    const colorid c = view_color(run, v, kept_inside(n, 1, r, v));
    return c == no_color ? run.lib.picker.selected_color : c;
}

colorid navigation_target(picker_run& run, uint32_t key, const swatch_view& v)
{
    if (!view_has_colors(v) || run.lib.picker.selected_color == no_color) return no_color;
    const int64_t i = index_of(run.lib.picker.selected_color);
    const int32_t R = v.rows;
    const int32_t r = guide_row(static_cast<int32_t>(i), v);
    const int32_t last = R - 1;
    const int64_t screen = static_cast<int64_t>(R) * v.columns;
    int64_t n = 0;
    switch (key) {
    case key_prior: n = i - screen; break;
    case key_next: n = i + screen; break;
    case key_end: n = v.total - 1; break;
    case key_home: n = 0; break;
    case key_left: n = i - R; break;
    case key_up: n = r == 0 ? i + last : i - 1; break;
    case key_right: n = i + R; break;
    case key_down: n = r == last ? i - last : i + 1; break;
    default: return no_color;
    }
    return view_color(run, v, kept_inside(n, 0, r, v));
}

pixel_rect swatch_frame_rect(const swatch_view& v, int32_t row, int32_t column)
{
    const int32_t x = (v.gap_x + v.swatch_width) * column + v.gap_x + v.swatch_area.left;
    const int32_t y = (v.gap_y + v.swatch_height) * row + v.swatch_area.top + v.gap_y;
    return pixel_rect{x - 2, y - 1, x + v.swatch_width + 2, y + v.swatch_height + 3};
}

selection_outcome place_selection(picker_run& run, colorid c, swatch_view& v, bool apply)
{
    selection_outcome out;
    run.lib.picker.selected_color = c;
    out.place = scroll_to_show(run, c, v, apply);
    run.selected_row = out.place.row;
    if (out.place.visible) out.frame = swatch_frame_rect(v, out.place.row, out.place.column);
    run.scroll_mode = scroll_minimal;
    return out;
}

bool grid_position_holds_color(const picker_run& run, const swatch_view& v, int32_t k)
{
    if (run.lib.picker.first_colorid_displayed == no_color || k < 0) return false;
    return static_cast<int64_t>(index_of(run.lib.picker.first_colorid_displayed)) + k < v.total;
}
