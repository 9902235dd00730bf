// What a monitor profile's tags make of the display model: chromaticities of
// the colorants and the white point, a gamma per tone curve, and the
// description. No Windows here; load_monitor_profile hands in the file.
#pragma once
#include <cstdint>

#include "display/display_characterization.h"
#include "frame/byte_span.h"
#include "icc/icc_directory.h"

// x = X / (X + Y + Z), y = Y / (X + Y + Z) of a raw XYZ number. False
// (nothing written) when the sum is 0: there is no chromaticity then.
bool chromaticity_of(const icc_xyz_raw& xyz, double* x, double* y);

// Visits the tag directory in order and applies each colorant ("rXYZ",
// "gXYZ", "bXYZ"), white point ("wtpt", which also sets Yw to 1), tone curve
// ("rTRC", "gTRC", "bTRC", table or parametric) and description ("desc", into name) to the model;
// a later tag of the same signature wins. A field whose tag is missing,
// unreadable or degenerate (XYZ summing to 0, a table curve with no usable
// sample) keeps its value. The header is not consulted.
void apply_monitor_profile_tags(byte_span file, display_model* model, char* name,
                                int32_t name_size);
