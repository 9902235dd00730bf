#include "picker/swatch_list_items.h"

#include <cstdio>
#include <cstring>
#include <optional>

#include "colorlib/color_lookups.h"
#include "colorlib/color_tables.h"
#include "exchange/cie_lab.h"
#include "exchange/srgb_from_d50.h"
#include "picker/paint_geometry.h"
#include "picker/picker_run.h"
#include "picker/swatch_hits.h"
#include "picker/swatch_paging.h"

// The three items after the grid, counted from per_screen.
constexpr int32_t original_offset = 1;
constexpr int32_t new_offset = 2;
constexpr int32_t value_map_offset = 3;
constexpr int32_t items_after_grid = 3;

int32_t list_item_count(const swatch_view& v) { return (v.per_screen > 0 ? v.per_screen : 0) + items_after_grid; }

list_item list_item_of_id(const swatch_view& v, int32_t id)
{
    const int32_t grid = v.per_screen > 0 ? v.per_screen : 0;
    if (id == 0) return list_item{list_item_kind::page, -1};
    if (id >= 1 && id <= grid) return list_item{list_item_kind::swatch, id - 1};
    if (id == grid + original_offset) return list_item{list_item_kind::original_patch, -1};
    if (id == grid + new_offset) return list_item{list_item_kind::new_patch, -1};
    if (id == grid + value_map_offset) return list_item{list_item_kind::value_map, -1};
    return list_item{};
}

int32_t list_item_id_of_color(const picker_run& run, const swatch_view& v, colorid c)
{
    const colorid first = run.lib.picker.first_colorid_displayed;
    if (c == no_color || first == no_color || colorid_pub(c) != colorid_pub(first)) return 0;
    const int64_t k = static_cast<int64_t>(colorid_index(c)) - colorid_index(first);
    if (k < 0 || k >= v.per_screen || !grid_position_holds_color(run, v, static_cast<int32_t>(k))) return 0;
    return static_cast<int32_t>(k) + 1;
}

colorid list_item_color(picker_run& run, const swatch_view& v, const list_item& item)
{
    switch (item.kind) {
    case list_item_kind::swatch: {
        if (item.position >= v.per_screen || !grid_position_holds_color(run, v, item.position)) return no_color;
        const int64_t index = static_cast<int64_t>(colorid_index(run.lib.picker.first_colorid_displayed)) + item.position;
        return make_colorid(run.lib.catalogue, static_cast<uint32_t>(v.pub), static_cast<uint32_t>(index));
    }
    case list_item_kind::original_patch: return run.lib.picker.original_color;
    case list_item_kind::new_patch: return run.lib.picker.selected_color;
    default: return no_color;
    }
}

bool list_item_blank(picker_run& run, const swatch_view& v, const list_item& item)
{
    const colorid c = list_item_color(run, v, item);
    if (c == no_color) return true;
    const std::optional<rgb8> rgb =
        get_color_display_rgb(run.lib.catalogue, run.lib.display, c, static_cast<int32_t>(run.lib.picker.D50FLAG));
    return !rgb || (rgb->r == 255 && rgb->g == 255 && rgb->b == 255);
}

uint32_t list_item_states(picker_run& run, const swatch_view& v, const list_item& item, bool page_has_focus)
{
    switch (item.kind) {
    case list_item_kind::page: return item_focusable;
    case list_item_kind::swatch: {
        if (list_item_blank(run, v, item)) return item_invisible;
        uint32_t s = item_selectable | item_focusable;
        if (list_item_color(run, v, item) == run.lib.picker.selected_color) {
            s |= item_selected;
            if (page_has_focus) s |= item_focused;
        }
        return s;
    }
    case list_item_kind::original_patch:
    case list_item_kind::new_patch: return list_item_blank(run, v, item) ? item_invisible : 0;
    case list_item_kind::value_map: return run.palette_device ? item_invisible : 0;
    default: return item_invisible;
    }
}

// snprintf's length, as far as the buffer took it.
static int written(int n, int size) { return n < 0 ? 0 : (n < size ? n : size - 1); }

int list_item_name(picker_run& run, const swatch_view& v, const list_item& item, const char* caption, char* buffer,
                   int size)
{
    if (buffer == nullptr || size <= 0) return 0;
    buffer[0] = 0;
    if (item.kind == list_item_kind::value_map) return written(std::snprintf(buffer, static_cast<size_t>(size), "%s", caption ? caption : ""), size);
    const colorid c = list_item_color(run, v, item);
    char name[full_color_name_size + 1] = "";
    if (c != no_color) get_color_name(run.lib.catalogue, c, name, full_color_name_size, 0);
    if (item.kind == list_item_kind::swatch) return written(std::snprintf(buffer, static_cast<size_t>(size), "%s", name), size);
    if (item.kind == list_item_kind::original_patch || item.kind == list_item_kind::new_patch)
        return written(std::snprintf(buffer, static_cast<size_t>(size), "%s: %s", caption ? caption : "", name), size);
    return 0;
}

// A colour's guide page as its label shows it ("Page 65"), else "Page N".
static int page_text(picker_run& run, colorid c, char* buffer, int size)
{
    char label[page_label_size + 1] = "";
    if (get_page_label(run.lib.catalogue, c, label, page_label_size) > 0)
        return written(std::snprintf(buffer, static_cast<size_t>(size), "%s", label), size);
    return written(std::snprintf(buffer, static_cast<size_t>(size), "Page %u", color_page_number(run.lib.catalogue, c)), size);
}

static int color_value(picker_run& run, colorid c, char* buffer, int size)
{
    int n = page_text(run, c, buffer, size);
    const std::optional<measured_xyz> m = get_color_xyz(run.lib.catalogue, c, 1);
    if (!m) return n;
    uint16_t hundredths[3];
    const double xyz[3] = {m->X, m->Y, m->Z};
    for (int i = 0; i < 3; ++i) {
        const double h = xyz[i] * 100.0 + 0.5;
        hundredths[i] = static_cast<uint16_t>(h < 0 ? 0 : (h > 65535.0 ? 65535.0 : h));
    }
    uint8_t rgb[3];
    srgb_from_d50_hundredths(hundredths, rgb);
    const cie_lab lab = lab_from_d50_xyz(m->X / 100.0, m->Y / 100.0, m->Z / 100.0);
    n += written(std::snprintf(buffer + n, static_cast<size_t>(size - n), ", #%02X%02X%02X, Lab %.1f %.1f %.1f", rgb[0], rgb[1],
                               rgb[2], lab.L, lab.a, lab.b), size - n);
    return n;
}

int list_item_value(picker_run& run, const swatch_view& v, const list_item& item, char* buffer, int size)
{
    if (buffer == nullptr || size <= 0) return 0;
    buffer[0] = 0;
    if (item.kind == list_item_kind::value_map) {
        const colorid s = run.lib.picker.selected_color;
        if (s == no_color || !view_has_colors(v) || colorid_pub(s) != static_cast<uint32_t>(v.pub)) return 0;
        return written(std::snprintf(buffer, static_cast<size_t>(size), "Page %d of %d",
                                     guide_page(static_cast<int32_t>(colorid_index(s)), v), v.pages), size);
    }
    const colorid c = list_item_color(run, v, item);
    return c == no_color ? 0 : color_value(run, c, buffer, size);
}

pixel_rect list_item_rect(const picker_run& run, const swatch_view& v, const list_item& item)
{
    switch (item.kind) {
    case list_item_kind::swatch: return swatch_rect(v, item.position);
    case list_item_kind::original_patch: return v.original_patch;
    case list_item_kind::new_patch: return v.new_patch;
    case list_item_kind::value_map:
        return run.palette_device ? pixel_rect{} : pixel_rect{v.swatch_area.left, v.swatch_area.bottom, v.swatch_area.right, v.scroll_y};
    default: return pixel_rect{};
    }
}

int32_t list_item_id_at(const picker_run& run, const swatch_view& v, int32_t x, int32_t y)
{
    const int32_t k = grid_position_at(v, x, y);
    if (k >= 0 && k < v.per_screen) return k + 1;
    for (int32_t offset = original_offset; offset <= items_after_grid; ++offset) {
        const int32_t id = v.per_screen + offset;
        if (list_item_rect(run, v, list_item_of_id(v, id)).contains(x, y)) return id;
    }
    return 0;
}

list_change describe_list_change(const picker_run& run, const swatch_view& v, colorid selected_before,
                                 colorid first_before)
{
    list_change change;
    change.selection_moved = run.lib.picker.selected_color != selected_before;
    change.reordered = run.lib.picker.first_colorid_displayed != first_before;
    change.selected_id = list_item_id_of_color(run, v, run.lib.picker.selected_color);
    return change;
}
