#include "exchange/cie_lab.h"

#include <cmath>

namespace {

const double d50_white[3] = {0.9642, 1.0, 0.8249};

double lab_f(double t)
{
    const double epsilon = 216.0 / 24389.0;
    const double kappa = 24389.0 / 27.0;
    return t > epsilon ? std::cbrt(t) : (kappa * t + 16.0) / 116.0;
}

double lab_f_inverse(double f)
{
    const double epsilon = 6.0 / 29.0;
    return f > epsilon ? f * f * f : (116.0 * f - 16.0) * 27.0 / 24389.0;
}

uint16_t clamped_word(double v)
{
    if (!(v > 0.0)) return 0;
    if (v >= 65535.0) return 0xFFFF;
    return static_cast<uint16_t>(std::floor(v + 0.5));
}

}  // namespace

double lightness_from_y(double Y)
{
    return 116.0 * lab_f(Y / d50_white[1]) - 16.0;
}

cie_lab lab_from_d50_xyz(double X, double Y, double Z)
{
    const double fx = lab_f(X / d50_white[0]), fy = lab_f(Y / d50_white[1]), fz = lab_f(Z / d50_white[2]);
    return cie_lab{116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

void xyz_from_lab_d50(const cie_lab& lab, double xyz[3])
{
    const double fy = (lab.L + 16.0) / 116.0;
    xyz[0] = d50_white[0] * lab_f_inverse(fy + lab.a / 500.0);
    xyz[1] = d50_white[1] * lab_f_inverse(fy);
    xyz[2] = d50_white[2] * lab_f_inverse(fy - lab.b / 200.0);
}

cie_lab lab_from_d50_hundredths(const uint16_t xyz[3])
{
    return lab_from_d50_xyz(xyz[0] / 10000.0, xyz[1] / 10000.0, xyz[2] / 10000.0);
}

void lab_to_icc_v2_words(const cie_lab& lab, uint16_t words[3])
{
    const double L = lab.L > 100.0 ? 100.0 : lab.L;
    words[0] = clamped_word(L * 652.8);
    words[1] = clamped_word((lab.a + 128.0) * 256.0);
    words[2] = clamped_word((lab.b + 128.0) * 256.0);
}
