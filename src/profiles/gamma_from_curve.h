// One power-law exponent from an ICC tone curve ("curv"), for the display
// model's per-channel gamma.
#pragma once
#include <cstdint>

#include "frame/byte_span.h"
#include "icc/icc_directory.h"

// No entries (identity): 1.0. One entry: the stored u8Fixed8 gamma. Two
// entries: 1.8, whatever they hold. More: the mean of ln(v) / ln(x) over the
// inner samples (x = i / (n - 1), v = entry / 65535), leaving out every
// sample with v or x equal to 0 or 1. False, *gamma untouched, when a table
// leaves no sample to estimate from (then the caller keeps what it had).
bool gamma_from_curve(byte_span file, icc_tag_entry tag, double* gamma);

// A tone curve tag of either kind: a parametricCurveType ("para", what
// version 4 display profiles hold) gives its exponent g, for every function
// type (the offsets and linear segments of types 1 to 4 are left aside);
// any other type is read as a curveType by gamma_from_curve. A "para" tag
// that does not hold its exponent gives false, *gamma untouched.
bool tone_curve_gamma(byte_span file, icc_tag_entry tag, uint32_t type_signature, double* gamma);
