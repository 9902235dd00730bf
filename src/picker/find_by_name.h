// Find-by-name: the colour of the guide shown whose name is the text typed
// into the page's name edit box, or else the one nearest to the colour value
// typed there, and the accelerator letters of the interface texts. The
// searches themselves are the colour library's, which the hosts' look-ups ask
// as well.
#pragma once
#include <cstdint>

#include "colorlib/color_by_name.h"
#include "colorlib/colorid.h"
#include "exchange/cie_lab.h"
#include "picker/swatch_view.h"

struct picker_run;

// The first colour in guide order whose short or full name equals text,
// letter case ignored (color_by_name.h); no_color when none does, on the
// settings page (no view) and for an empty text, which names no colour.
colorid find_color_by_name(picker_run& run, const char* text, const swatch_view* view);

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
