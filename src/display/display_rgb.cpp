#include "display/display_rgb.h"

#include <cmath>

#include "display/display_state.h"

void invalidate_display_matrix(display_state& display) { display.display_matrix.valid = 0; }

namespace {

bool usable_gamma(double g) { return std::isfinite(g) && g > 0.0; }

}  // namespace

void build_display_matrix(display_state& display)
{
    display_matrix_cache& display_matrix = display.display_matrix;
    if (display_matrix.valid) return;
    const display_model& m = display.display_characterization;
    const double xr = m.xr, yr = m.yr, xg = m.xg, yg = m.yg, xb = m.xb, yb = m.yb;
    const double xw = m.xw, yw = m.yw;

    // Determinant of the primaries' (x, y, 1 - x - y) columns: 0 when they
    // are collinear and the model has no inverse.
    const double D = xr * (yg - yb) + xg * (yb - yr) + xb * (yr - yg);
    const double k = m.Yw / yw;
    // Luminances with which the primaries mix to the white of luminance Yw.
    const double Sr = k * (xw * (yg - yb) - yw * (xg - xb) + xg * yb - xb * yg) / D;
    const double Sg = k * (xw * (yb - yr) - yw * (xb - xr) - xr * yb + xb * yr) / D;
    const double Sb = k * (xw * (yr - yg) - yw * (xr - xg) + xr * yg - yr * xg) / D;

    const double rows[3][3] = {
        {(yg - yb) - xb * yg + xg * yb, (xb - xg) - xb * yg + xg * yb, xg * yb - xb * yg},
        {(yb - yr) - xr * yb + yr * xb, (xr - xb) - xr * yb + yr * xb, yr * xb - xr * yb},
        {(yr - yg) - yr * xg + xr * yg, (xg - xr) - yr * xg + xr * yg, xr * yg - yr * xg},
    };
    const double divisors[3] = {Sr * D * 100.0, Sg * D * 100.0, Sb * D * 100.0};

    // Primaries that are collinear up to rounding give a finite but
    // meaningless matrix, so "no inverse" is a determinant near 0, far below
    // any display's (about 0.2).
    bool degenerate = !(std::fabs(D) > 1e-9) || !(yw > 0.0) || !usable_gamma(m.rgamma) || !usable_gamma(m.ggamma) ||
                      !usable_gamma(m.bgamma);
    for (int r = 0; r < 3 && !degenerate; ++r) {
        for (int c = 0; c < 3; ++c) {
            display_matrix.M[r][c] = rows[r][c] / divisors[r];
            if (!std::isfinite(display_matrix.M[r][c])) degenerate = true;
        }
    }
    display_matrix.degenerate = degenerate ? 1 : 0;
    display_matrix.eR = degenerate ? 0.0 : 1.0 / m.rgamma;
    display_matrix.eG = degenerate ? 0.0 : 1.0 / m.ggamma;
    display_matrix.eB = degenerate ? 0.0 : 1.0 / m.bgamma;
    const double gammas[3] = {m.rgamma, m.ggamma, m.bgamma};
    for (int ch = 0; ch < 3 && !degenerate; ++ch) {
        // Level k is where 255 * lin^(1/gamma) reaches k - 0.5.
        display_matrix.level_start[ch][0] = 0.0;
        for (int k = 1; k < 256; ++k) display_matrix.level_start[ch][k] = std::pow((k - 0.5) / 255.0, gammas[ch]);
    }
    display_matrix.valid = 1;
}

namespace {

int32_t level_by_power(double lin, double e)
{
    const double v = 255.0 * std::pow(lin, e);
    // Compared as a double: converting a huge v to an integer first is undefined.
    if (!(v < 255.0)) return 255;
    const int32_t c = static_cast<int32_t>(v + 0.5);
    return c > 255 ? 255 : c;
}

// The level whose range holds lin. A power per colour costs far more than the
// look-up it serves, so the level is searched among the kept level starts;
// only a value within rounding of a start is decided by the power itself, so
// the result is the same as computing it directly.
int32_t channel(const display_matrix_cache& display_matrix, int ch, double e, double X, double Y, double Z)
{
    const double* weights = display_matrix.M[ch];
    const double lin = weights[0] * X + weights[1] * Y + weights[2] * Z;
    if (!(lin > 0.0)) return 0;  // also a NaN
    const double* start = display_matrix.level_start[ch];
    // Eight halvings without a branch: the comparisons follow the colours,
    // so a branch would be mispredicted about every other step.
    int32_t lo = 0;  // start[lo] <= lin < start[lo + 1], start[256] taken as infinity
    for (int32_t half = 128; half > 0; half >>= 1) lo += half & -static_cast<int32_t>(lin >= start[lo + half]);
    const int32_t hi = lo + 1;
    const double near = 1e-9 * lin;
    if ((lo > 0 && lin - start[lo] <= near) || (hi < 256 && start[hi] - lin <= near)) return level_by_power(lin, e);
    return lo;
}

}  // namespace

rgb8 xyz_to_display_rgb(display_state& display, double X, double Y, double Z)
{
    build_display_matrix(display);
    const display_matrix_cache& m = display.display_matrix;
    if (m.degenerate) return rgb8{0, 0, 0};
    return rgb8{channel(m, 0, m.eR, X, Y, Z), channel(m, 1, m.eG, X, Y, Z), channel(m, 2, m.eB, X, Y, Z)};
}
