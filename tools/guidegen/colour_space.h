// Colour values the guide generator works with, and the few conversions it
// needs between them. XYZ is on the scale on which the perfect white diffuser
// has Y = 1; the tables store hundredths of Y = 100 (see guide_tables.h).
#pragma once

struct xyz_value {
    double x, y, z;
};

struct lab_value {
    double l, a, b;
};

// Ink coverages 0..1 (a recipe of 1000 tenths of a percent is 1.0).
struct cmyk_value {
    double c, m, y, k;
};

xyz_value lab_to_xyz_d50(const lab_value& lab);
lab_value xyz_to_lab_d50(const xyz_value& xyz);
lab_value xyz_to_lab_d65(const xyz_value& xyz);

// A measurement under D50 as the same surface seen under D65: Bradford
// chromatic adaptation, as ICC practice does for the second illuminant.
xyz_value adapt_d50_to_d65(const xyz_value& xyz);

// Lightness, chroma and hue (degrees) to CIELAB and back.
lab_value lch_to_lab(double l, double c, double h_degrees);
double lab_chroma(const lab_value& lab);
double lab_hue_degrees(const lab_value& lab);

double delta_e76(const lab_value& p, const lab_value& q);
