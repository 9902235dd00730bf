// The guides' press model as the two tables of a CMYK output profile:
// CMYK to Lab forward through the model, Lab to CMYK through its inverse
// (the same black generation and ink limit as the guides' recipes).
#pragma once

#include <lcms2.h>

// Grid points per axis of the two tables.
constexpr int press_forward_grid = 9;
constexpr int press_inverse_grid = 17;

// New pipelines for the AToB0 and BToA0 tags of a version 2 profile (Lab in
// the version 2 encoding); null when Little CMS cannot make one.
cmsPipeline* press_cmyk_to_lab_pipeline();
cmsPipeline* press_lab_to_cmyk_pipeline();

// The paper's XYZ (D50, Y of the perfect diffuser 1): the media white point.
cmsCIEXYZ press_paper_white();
