// What a colour page tells a screen reader: the page is a list whose items
// are the swatch positions of the screen, followed by the two patches and the
// value map. Item ids are what the window layer hands out as child ids: 0 is
// the page itself, 1 .. per_screen the grid positions column by column, then
// the Original patch, the New patch and the strip. Everything an item says
// (kind, colour, texts, states, place) is decided here; the window layer only
// turns it into its interface's types.
#pragma once
#include <cstdint>

#include "colorlib/colorid.h"
#include "picker/pixel_rect.h"
#include "picker/swatch_view.h"

struct picker_run;

enum class list_item_kind { page, swatch, original_patch, new_patch, value_map, none };

struct list_item {
    list_item_kind kind = list_item_kind::none;
    int32_t position = -1;   // grid position, swatches only
};

// Items of the page (the page itself not counted).
int32_t list_item_count(const swatch_view& v);
list_item list_item_of_id(const swatch_view& v, int32_t id);
// The id of the swatch that shows c on the screen, 0 when none does.
int32_t list_item_id_of_color(const picker_run& run, const swatch_view& v, colorid c);

// The colour an item shows: a swatch's position colour, a patch's colour;
// no_color for a position past the guide's end, the page and the value map.
colorid list_item_color(picker_run& run, const swatch_view& v, const list_item& item);

// A swatch position shows nothing when no colour lies there or its colour
// displays as paper white (such a colour cannot be picked).
bool list_item_blank(picker_run& run, const swatch_view& v, const list_item& item);

constexpr uint32_t item_selectable = 1;
constexpr uint32_t item_focusable = 2;
constexpr uint32_t item_selected = 4;
constexpr uint32_t item_focused = 8;
constexpr uint32_t item_invisible = 16;
// The state bits of an item; focused only while the page holds the focus.
uint32_t list_item_states(picker_run& run, const swatch_view& v, const list_item& item, bool page_has_focus);

// Texts, each cut to `size` bytes with its NUL; the length written.
// Name: a swatch's full colour name; a patch's caption (the picker's own
// "Original" / "New", passed in) and the name; the value map's caption.
int list_item_name(picker_run& run, const swatch_view& v, const list_item& item, const char* caption, char* buffer,
                   int size);
// Value: "Page N, #RRGGBB, Lab L a b" for a colour (sRGB and Lab of its D50
// measurement, parts without a measurement left out); the value map says the
// guide page of the selection "Page N of M".
int list_item_value(picker_run& run, const swatch_view& v, const list_item& item, char* buffer, int size);

// Where the item is drawn, in the page child's client coordinates; empty for
// the page itself and for ids that name nothing.
pixel_rect list_item_rect(const picker_run& run, const swatch_view& v, const list_item& item);

// The item under a client point: a swatch's whole cell, a patch, the strip;
// 0 (the page) elsewhere.
int32_t list_item_id_at(const picker_run& run, const swatch_view& v, int32_t x, int32_t y);

// What a selection change means to a listener: the new selection's item (0
// when off the screen) and whether the screen now shows other colours.
struct list_change {
    bool selection_moved = false;
    bool reordered = false;
    int32_t selected_id = 0;
};
list_change describe_list_change(const picker_run& run, const swatch_view& v, colorid selected_before,
                                 colorid first_before);
