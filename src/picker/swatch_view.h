// The geometry and counts of one colour page of the picker: where the swatch
// columns go and how large they are, and how many colours the guide shown
// holds. Painting, hit tests and paging all work from this record. The page's
// window handles (scroll bar, name edit, combo box, palette) belong to the
// window layer, which keeps them beside the view.
#pragma once
#include <cstdint>

#include "picker/pixel_rect.h"

struct swatch_view {
    pixel_rect swatch_area;      // swatch columns; the page-label line is its bottom part
    pixel_rect name_line;        // "Color Reference:" group with the selected colour's full name
    pixel_rect new_patch;        // the selected colour
    pixel_rect original_patch;   // original_color
    int32_t columns = 5;         // guide pages side by side
    int32_t rows = 0;            // colours per guide page
    int32_t label_y = 0;         // top of the page-label line
    int32_t gap_x = 0;           // gap before each column
    int32_t gap_y = 0;           // gap before each swatch
    int32_t swatch_height = 0;
    int32_t swatch_width = 0;
    int32_t scroll_y = 0;        // top of the scroll bar; the colour strip lies above it
    int32_t palette_count = 0;   // swatch entries of the page palette (palette displays only)
    int32_t pub = 0;             // publication shown
    int32_t pages = 0;           // guide pages of the publication
    int32_t per_screen = 0;      // colours visible at once
    int32_t total = 0;           // colours of the publication
    int32_t label_height = 0;    // measured height of the page-label text
};

struct picker_run;

// Makes the view the run's current one, then computes the counts and the
// swatch geometry for the publication.
void setup_view(picker_run& run, uint32_t pub, swatch_view& view);

// The swatch sizes and gaps from swatch_area, columns, rows and label_height.
void compute_swatch_geometry(swatch_view& view);

// Whether the guide has anything to page through; every paging operation does
// nothing on a view that has not.
inline bool view_has_colors(const swatch_view& v) { return v.rows > 0 && v.total > 0 && v.columns > 0; }
