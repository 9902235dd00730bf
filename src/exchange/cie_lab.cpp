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

uint16_t clamped_word(double v)
{
    if (!(v > 0.0)) return 0;
    if (v >= 65535.0) return 0xFFFF;
    return static_cast<uint16_t>(std::floor(v + 0.5));
}

}  // namespace

cie_lab lab_from_d50_hundredths(const uint16_t xyz[3])
{
    double f[3];
    for (int i = 0; i < 3; ++i) f[i] = lab_f(xyz[i] / 10000.0 / d50_white[i]);
    return cie_lab{116.0 * f[1] - 16.0, 500.0 * (f[0] - f[1]), 200.0 * (f[1] - f[2])};
}

void lab_to_icc_v2_words(const cie_lab& lab, uint16_t words[3])
{
    const double L = lab.L > 100.0 ? 100.0 : lab.L;
    words[0] = clamped_word(L * 652.8);
    words[1] = clamped_word((lab.a + 128.0) * 256.0);
    words[2] = clamped_word((lab.b + 128.0) * 256.0);
}
