// Where each painted part of a colour page and of the picker's footer goes:
// the window layer's painting loops over these places and only draws. All
// points are in the page child's client coordinates (the footer's in the
// picker window's).
#pragma once
#include <cstdint>

#include "colorlib/colorid.h"
#include "picker/picker_layout.h"
#include "picker/pixel_rect.h"
#include "picker/swatch_view.h"

// Grid position k, counted column by column, top to bottom, as the colours
// follow each other from first_colorid_displayed: the swatch rectangle (it
// starts one pixel below its cell's gap, so the selection frame fits round it).
pixel_rect swatch_rect(const swatch_view& v, int32_t k);

// Left end of column `column` and the top of its page label.
int32_t column_left(const swatch_view& v, int32_t column);

// The white ground of the swatch area and of the comparison area: the area with
// its left and top edges moved in past the etched frame.
pixel_rect white_ground(const picker_system_metrics& m, const pixel_rect& area);

// The lower half of the open frame: from the swatch area's bottom down past
// the scroll bar, so one frame encloses swatches, strip and scroll bar.
pixel_rect open_frame_lower(const picker_system_metrics& m, const swatch_view& v);

// Column i (0 .. strip_columns - 1) of the colour strip: its x and the colour
// it shows, the middle colour of the guide page at the same proportion of the
// guide. no_color when that colour is not in the guide.
struct strip_column {
    int32_t x = 0;
    colorid color = no_color;
};
int32_t strip_columns(const picker_system_metrics& m, const swatch_view& v);
strip_column strip_column_at(const picker_system_metrics& m, const swatch_view& v, int32_t i);

// A group box's caption: starts two frame widths in from the box's left edge
// and sits astride its top edge (caption height cy).
struct caption_origin {
    int32_t x = 0, y = 0;
};
caption_origin group_caption_origin(const picker_system_metrics& m, const pixel_rect& box, int32_t cy);

// The inner rectangle of a text box in which text wraps: in by two frame
// widths at the sides and three quarters of a line (height cy of "ABC") at
// top and bottom.
pixel_rect text_box_inner(const picker_system_metrics& m, const pixel_rect& box, int32_t cy);

// The footer between the tab control and the buttons: the notice line (its
// text height cy) and the band of the display profile's name (height cy of
// that name). Both end a margin before the OK button: the notice stands at
// the height of the buttons and must not run under them.
struct footer_places {
    pixel_rect notice;
    pixel_rect profile_band;
    int32_t profile_x = 0, profile_y = 0;
};
footer_places footer_layout(const frame_layout& f, int32_t notice_cy, int32_t profile_cy);

// The colour of a name written on a swatch or patch of colour (r, g, b): the
// label colour (0x00BBGGRR) where it stands out, black where it would not, so
// that the names on the palest colours can be read. A colour stands out when
// its contrast ratio with the swatch is at least 3 : 1, luminances taken as
// for the sRGB screen.
uint32_t swatch_name_color(int32_t r, int32_t g, int32_t b, uint32_t label);
