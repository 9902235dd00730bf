// The colour of another guide nearest in CIE XYZ, used when the selection
// moves between the solid and the process guides. One result is remembered
// per target guide in the run, so switching back and forth does not search
// again.
#pragma once
#include <cstdint>

#include "colorlib/colorid.h"

struct picker_run;

// c itself when it belongs to target; no_color when c is no colour or target
// holds no colours. Measured under D50 or D65 as the run's D50 option says.
colorid nearest_color_in_pub(picker_run& run, colorid c, uint32_t target);
