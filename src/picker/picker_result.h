// What a picker run hands back to its caller, in the three forms the picker
// exports give: the host's colour record rewritten, or packed RGB and a name.
#pragma once
#include <cstdint>

#include "colorlib/extended_color.h"

struct display_state;
struct picker_run;
struct publication_catalogue;

// OK and its equivalents (Enter on OK, a double-click on a swatch): the run
// ends with the selection as its choice.
void confirm_picker_run(picker_run& run);

// The colour a finished run chose: no_color when it ended without OK, or the
// selection shows as blank white (a position that holds no colour). A run
// that ended any other way than OK counts as cancelled: the selection is
// cleared, as Cancel clears it.
colorid picker_run_result(picker_run& run);

// The colour the record names, or no_color for a record that is not extended
// or does not decode: the picker then opens without an initial colour.
colorid initial_color_of(publication_catalogue& catalogue, const extended_color* record);

// Rewrites the record for colour c: its display RGB (with the D50 option d50)
// in the high bytes, and for the guides the picker shows the colour-system
// code, flag and index. For any other publication only the colour words
// change. false, record untouched, when c has no display colour.
bool write_picked_record(publication_catalogue& catalogue, display_state& display, colorid c, int32_t d50,
                         extended_color* record);

// Red in bits 0-7, green 8-15, blue 16-23; 0 when c has no display colour.
uint32_t packed_display_rgb(publication_catalogue& catalogue, display_state& display, colorid c, int32_t d50);
