// Which tab page shows which guide, and what the selection and the screen
// become when a colour page is shown or the solid guide is changed. The window
// layer moves and shows the child windows, sets the combo box and the scroll
// thumb from what these leave in the picker state.
#pragma once
#include <cstdint>

#include "colorlib/colorid.h"
#include "picker/swatch_view.h"

struct picker_run;
struct publication_catalogue;

// Publications 0 to 2 and the palettes are shown on the solid page, 3 on the
// process page; any other number maps to page 2, where no guide is shown.
int32_t page_of_pub(int32_t pub);

// none (-1) -> 0, solid guides -> 1, the process guide -> 2, a palette -> 3,
// any other -> -1.
int32_t pub_class(int32_t pub);
int32_t color_class(colorid c);

// The opening of a picker run: the selection to show (the last one, else the
// original, else the first colour of the first guide), the "Original" patch
// (the caller's colour when it gave one) and the page to open on.
void begin_picker_run(picker_run& run, colorid initial);

// Adapts selected_color and first_colorid_displayed to the view's guide.
void sync_selection_to_view(picker_run& run, swatch_view& view);

// Makes colour page 0 or 1 current (setup_view, selection sync); the window
// layer then shows the child, selects the tab and combo entry and sets the
// thumb to scroll_thumb(*current_view). Returns the view.
swatch_view* enter_color_page(picker_run& run, int32_t page);

// The settings page: no current view; keeps the names option for Cancel.
void enter_settings_page(picker_run& run);

// For select_and_show: the page to show before c can be selected, -1 when c
// belongs to the view's own guide. For a colour of another solid guide that
// guide becomes the solid page's choice, so the page shows the colour's own
// guide. A colour that no page shows (an add-on's) gives page_refused:
// selecting it changes nothing.
constexpr int32_t page_refused = -2;
int32_t switch_page_for_selection(picker_run& run, colorid c, const swatch_view& view);

// The colour-type combo box lists the three solid guides, then the palettes
// in the publication list's order; the solid page shows whichever is chosen.
// The place of a publication in that box, or -1 for one it does not list.
int32_t solid_choice_place(const publication_catalogue& catalogue, uint32_t pub);

// The colour-type combo box chose another entry: between solid guides the
// colour index stays and takes the new guide; to or from a palette the
// nearest colour is taken. Returns the colour to select, or no_color when the
// choice lists nothing (the selection then stays as it was).
colorid change_solid_guide(picker_run& run, int32_t choice);
