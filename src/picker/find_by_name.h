// Find-by-name: the colour of the guide shown whose short name is the text
// typed into the page's name edit box, or else the one nearest to the colour
// value typed there, and the accelerator letters of the interface texts.
#pragma once
#include <cstdint>

#include "colorlib/colorid.h"
#include "exchange/cie_lab.h"
#include "picker/swatch_view.h"

struct picker_run;
struct publication_catalogue;

// Equality of two names with letter case ignored, for the single-byte Western
// character set (ASCII and the accented letters of Windows-1252).
bool names_equal_ignoring_case(const char* a, const char* b);

// The first colour in guide order whose short name equals text, letter case
// ignored; no_color when none does, on the settings page (no view) and for an
// empty text, which names no colour.
colorid find_color_by_name(picker_run& run, const char* text, const swatch_view* view);

// The colour of publication pub_no nearest to target among those with a D50
// measurement; no_color when it holds none.
colorid nearest_color_by_value(publication_catalogue& catalogue, const cie_lab& target, uint32_t pub_no);

// The colour of the guide shown nearest to the colour value text stands for
// (see color_value.h); no_color when text is no value or on the settings page.
colorid find_color_by_value(picker_run& run, const char* text, const swatch_view* view);

// find_typed_name without the edit box: the box's whole text, blanks around
// it left out, decides.
enum class find_outcome {
    unchanged,   // the text is the name the box showed: nothing to search
    found,       // selected_color is the colour found, to be centred
    not_found,   // beep and select the text; the selection stays
};
find_outcome resolve_typed_name(picker_run& run, const char* typed);

// The character after the first "&" of an interface text, or 0.
char accelerator_char(const char* text);
