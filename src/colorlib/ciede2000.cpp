#include "colorlib/ciede2000.h"

#include <cmath>

namespace {

constexpr double pi = 3.14159265358979323846;
constexpr double to_radians = pi / 180.0;
constexpr double pow25_7 = 6103515625.0;   // 25^7

double pow7(double v)
{
    const double v2 = v * v, v3 = v2 * v;
    return v3 * v3 * v;
}

// Hue angle in degrees, 0 to 360; 0 for a neutral colour, as the formula asks.
double hue_degrees(double a, double b)
{
    if (a == 0.0 && b == 0.0) return 0.0;
    const double h = std::atan2(b, a) / to_radians;
    return h < 0.0 ? h + 360.0 : h;
}

double lightness_weight(double mean_L)
{
    const double d = (mean_L - 50.0) * (mean_L - 50.0);
    return 1.0 + 0.015 * d / std::sqrt(20.0 + d);
}

}  // namespace

double ciede2000_lightness_bound(double L1, double L2)
{
    return std::fabs(L2 - L1) / lightness_weight((L1 + L2) / 2.0);
}

double ciede2000(const cie_lab& x, const cie_lab& y)
{
    const double mean_C = (std::hypot(x.a, x.b) + std::hypot(y.a, y.b)) / 2.0;
    const double G = 0.5 * (1.0 - std::sqrt(pow7(mean_C) / (pow7(mean_C) + pow25_7)));
    const double a1 = (1.0 + G) * x.a, a2 = (1.0 + G) * y.a;
    const double C1 = std::hypot(a1, x.b), C2 = std::hypot(a2, y.b);
    const double h1 = hue_degrees(a1, x.b), h2 = hue_degrees(a2, y.b);
    const bool neutral = C1 * C2 == 0.0;

    double dh = neutral ? 0.0 : h2 - h1;
    if (dh > 180.0) dh -= 360.0;
    else if (dh < -180.0) dh += 360.0;
    const double dL = y.L - x.L, dC = C2 - C1;
    const double dH = 2.0 * std::sqrt(C1 * C2) * std::sin(dh * to_radians / 2.0);

    // The mean hue goes the short way round the circle.
    double mean_h = h1 + h2;
    if (!neutral) {
        if (std::fabs(h1 - h2) > 180.0) mean_h += mean_h < 360.0 ? 360.0 : -360.0;
        mean_h /= 2.0;
    }
    const double mean_C2 = (C1 + C2) / 2.0;
    const double T = 1.0 - 0.17 * std::cos((mean_h - 30.0) * to_radians) + 0.24 * std::cos(2.0 * mean_h * to_radians) +
                     0.32 * std::cos((3.0 * mean_h + 6.0) * to_radians) - 0.20 * std::cos((4.0 * mean_h - 63.0) * to_radians);
    const double rotation = 30.0 * std::exp(-((mean_h - 275.0) / 25.0) * ((mean_h - 275.0) / 25.0));
    const double RC = 2.0 * std::sqrt(pow7(mean_C2) / (pow7(mean_C2) + pow25_7));
    const double RT = -std::sin(2.0 * rotation * to_radians) * RC;
    const double SC = 1.0 + 0.045 * mean_C2, SH = 1.0 + 0.015 * mean_C2 * T;

    const double l = dL / lightness_weight((x.L + y.L) / 2.0), c = dC / SC, h = dH / SH;
    const double sum = l * l + c * c + h * h + RT * c * h;
    return sum > 0.0 ? std::sqrt(sum) : 0.0;
}
