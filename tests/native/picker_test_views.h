// Shared set-up of the picker tests: a clean state and a colour page laid out
// over a known swatch area, showing one of the real built-in guides.
#pragma once
#include "colorlib/colorid.h"
#include "frame/library_state.h"
#include "picker/nearest_color.h"
#include "picker/picker_state.h"
#include "picker/swatch_view.h"

inline void reset_picker_for_test()
{
    reset_library_state();
    reset_picker_state();
    reset_nearest_color_cache();
}

// The 440 x 250 swatch area of the layout examples, with room for the strip
// below it and the usual system metrics of a 96 dpi display.
inline swatch_view& open_view_for_test(uint32_t pub, int32_t page)
{
    picker_metrics.cx_border = 1;
    picker_metrics.cx_hscroll = 17;
    picker_metrics.cy_hscroll = 17;
    swatch_view& v = pub == process_pub ? process_view : solid_view;
    v.swatch_area = pixel_rect{10, 20, 450, 270};
    v.scroll_y = 282;
    v.columns = 5;
    v.label_height = 10;
    setup_view(pub, v);
    current_page = page;
    return v;
}

inline colorid color_of(uint32_t pub, uint32_t index) { return make_colorid(pub, index); }
