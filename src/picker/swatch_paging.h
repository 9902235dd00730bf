// Selection and screen arithmetic of a colour page. A guide is the sequence of
// colour indexes 0 .. total - 1 cut into guide pages of `rows` colours; the
// screen is the window of per_screen consecutive indexes that starts at
// first_colorid_displayed, kept at the start of a guide page so that each
// column is one guide page. Nothing here touches a window: the window layer
// calls these and turns the outcomes into drawing, SetScrollPos and focus.
#pragma once
#include <cstdint>

#include "colorlib/colorid.h"
#include "picker/pixel_rect.h"
#include "picker/swatch_view.h"

struct picker_run;

// 1-based guide page and 0-based row of a colour index in the view's guide.
int32_t guide_page(int32_t index, const swatch_view& v);
int32_t guide_row(int32_t index, const swatch_view& v);

// locate_on_screen results.
constexpr int on_screen = 0;
constexpr int after_screen = 1;    // column = guide pages to scroll forward
constexpr int before_screen = 2;   // column = guide pages to scroll back
constexpr int centre_requested = 3;

int locate_on_screen(picker_run& run, colorid c, int32_t* row, int32_t* column, const swatch_view& v);

struct scroll_outcome {
    bool visible = false;    // row and column are the colour's place on the screen
    bool scrolled = false;   // first_colorid_displayed moved: the grid needs drawing
    int32_t row = 0, column = 0;
};

// Moves the screen (only when apply is true) so that c is visible, as
// scroll_mode asks: minimally, by whole screens, or centred.
scroll_outcome scroll_to_show(picker_run& run, colorid c, swatch_view& v, bool apply);

// Puts the colour's guide page in the middle column, within the guide.
void center_on_color(picker_run& run, colorid c, const swatch_view& v);

// The scroll-bar position that shows the screen: the last visible guide
// page, or 1 while the screen starts at the first.
int32_t scroll_thumb(const picker_run& run, const swatch_view& v);

// The colour a scroll-bar command selects; selected_color when it selects
// nothing. The page commands ask for scrolling by whole screens.
colorid scroll_command_target(picker_run& run, int32_t code, int32_t position, const swatch_view& v);

// The colour a navigation key (Page Up/Down, End, Home, arrows) selects, or
// no_color when the key moves nothing.
colorid navigation_target(picker_run& run, uint32_t key, const swatch_view& v);

// The selection part of select_and_show once the right page is shown:
// selected_color = c, the screen scrolled to it (when apply), selected_row,
// and where its frame goes. Ends with scroll_mode back at minimal.
struct selection_outcome {
    scroll_outcome place;
    pixel_rect frame;        // meaningful when place.visible
};
selection_outcome place_selection(picker_run& run, colorid c, swatch_view& v, bool apply);

// The one-pixel outline two pixels outside the swatch at (row, column).
pixel_rect swatch_frame_rect(const swatch_view& v, int32_t row, int32_t column);

// Whether grid position k (column by column, top to bottom) of the screen
// holds a colour; positions past the guide's end are left blank.
bool grid_position_holds_color(const picker_run& run, const swatch_view& v, int32_t k);
