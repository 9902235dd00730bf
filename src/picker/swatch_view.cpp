#include "picker/swatch_view.h"

#include "colorlib/publications.h"
#include "picker/picker_run.h"

// A colorid holds a 16-bit index, so no guide can usefully hold more colours;
// capping here keeps every product of the paging arithmetic inside 32 bits
// whatever a descriptor says.
static constexpr int64_t max_colors = 0x10000;

static int32_t capped(int64_t v)
{
    if (v < 0) return 0;
    return v > max_colors ? static_cast<int32_t>(max_colors) : static_cast<int32_t>(v);
}

void compute_swatch_geometry(swatch_view& v)
{
    const int32_t w = v.swatch_area.width();
    const int32_t columns = v.columns > 0 ? v.columns : 1;
    v.swatch_width = static_cast<int32_t>(w * 0.9 / columns);
    v.gap_x = (w - columns * v.swatch_width) / (columns + 1);

    const int32_t l = static_cast<int32_t>(v.label_height * 1.2);
    const int32_t a = v.swatch_area.height() - l;
    v.swatch_height = a / (v.rows + 2);
    v.gap_y = (a - v.swatch_height * v.rows) / (v.rows + 1);
    v.label_y = v.swatch_area.bottom - l;
}

void setup_view(picker_run& run, uint32_t pub, swatch_view& v)
{
    publication_catalogue& catalogue = run.lib.catalogue;
    run.current_view = &v;
    v.pub = static_cast<int32_t>(pub);
    run.find_name_max = pub_color_name_size(catalogue, pub);

    v.rows = capped(pub_colors_per_page(catalogue, pub));
    v.pages = capped(pub_number_of_pages(catalogue, pub));
    v.total = capped(static_cast<int64_t>(v.rows) * v.pages);
    compute_swatch_geometry(v);
    v.per_screen = v.columns * v.rows;
    if (run.palette_device) v.palette_count = v.per_screen;
}
