#include "colour_space.h"

#include <lcms2.h>

#include <cmath>

namespace {

const double pi = 3.14159265358979323846;

// D65 from its standard chromaticity rather than from a colour temperature,
// so every build adapts to exactly the same white.
cmsCIEXYZ d65_white()
{
    cmsCIExyY xyy = {0.3127, 0.3290, 1.0};
    cmsCIEXYZ white;
    cmsxyY2XYZ(&white, &xyy);
    return white;
}

cmsCIEXYZ to_cms(const xyz_value& v) { return cmsCIEXYZ{v.x, v.y, v.z}; }

lab_value xyz_to_lab_under(const cmsCIEXYZ& white, const xyz_value& xyz)
{
    cmsCIEXYZ in = to_cms(xyz);
    cmsCIELab out;
    cmsXYZ2Lab(&white, &out, &in);
    return lab_value{out.L, out.a, out.b};
}

}  // namespace

xyz_value lab_to_xyz_d50(const lab_value& lab)
{
    cmsCIELab in = {lab.l, lab.a, lab.b};
    cmsCIEXYZ out;
    cmsLab2XYZ(cmsD50_XYZ(), &out, &in);
    return xyz_value{out.X, out.Y, out.Z};
}

lab_value xyz_to_lab_d50(const xyz_value& xyz) { return xyz_to_lab_under(*cmsD50_XYZ(), xyz); }

lab_value xyz_to_lab_d65(const xyz_value& xyz) { return xyz_to_lab_under(d65_white(), xyz); }

xyz_value adapt_d50_to_d65(const xyz_value& xyz)
{
    cmsCIEXYZ d65 = d65_white();
    cmsCIEXYZ in = to_cms(xyz);
    cmsCIEXYZ out;
    cmsAdaptToIlluminant(&out, cmsD50_XYZ(), &d65, &in);
    return xyz_value{out.X, out.Y, out.Z};
}

lab_value lch_to_lab(double l, double c, double h_degrees)
{
    double h = h_degrees * pi / 180.0;
    return lab_value{l, c * std::cos(h), c * std::sin(h)};
}

double lab_chroma(const lab_value& lab) { return std::sqrt(lab.a * lab.a + lab.b * lab.b); }

double lab_hue_degrees(const lab_value& lab)
{
    double h = std::atan2(lab.b, lab.a) * 180.0 / pi;
    return h < 0 ? h + 360.0 : h;
}

double delta_e76(const lab_value& p, const lab_value& q)
{
    double dl = p.l - q.l, da = p.a - q.a, db = p.b - q.b;
    return std::sqrt(dl * dl + da * da + db * db);
}
