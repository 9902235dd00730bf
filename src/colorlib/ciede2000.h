// The CIEDE2000 colour difference (kL = kC = kH = 1): how far apart two
// colours look, in the units a printer's tolerances are given in.
#pragma once

#include "exchange/cie_lab.h"

double ciede2000(const cie_lab& a, const cie_lab& b);

// What no pair with these two lightnesses can go below, whatever their a and
// b: the lightness term alone. Cheap enough to skip a candidate with.
double ciede2000_lightness_bound(double L1, double L2);
