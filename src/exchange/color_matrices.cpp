#include "exchange/color_matrices.h"

const double icc_d50_white[3] = {0.9642, 1.0, 0.8249};
const double d65_white[3] = {0.3127 / 0.3290, 1.0, (1.0 - 0.3127 - 0.3290) / 0.3290};

namespace {

const color_matrix bradford = {{{0.8951, 0.2664, -0.1614}, {-0.7502, 1.7135, 0.0367}, {0.0389, -0.0685, 1.0296}}};

color_matrix inverse(const color_matrix& a)
{
    const double(&m)[3][3] = a.m;
    color_matrix r;
    // The cofactor of the transposed position, by cyclic indices.
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            const int j1 = (j + 1) % 3, j2 = (j + 2) % 3, i1 = (i + 1) % 3, i2 = (i + 2) % 3;
            r.m[i][j] = m[j1][i1] * m[j2][i2] - m[j1][i2] * m[j2][i1];
        }
    const double det = m[0][0] * r.m[0][0] + m[0][1] * r.m[1][0] + m[0][2] * r.m[2][0];
    for (auto& row : r.m)
        for (double& v : row) v /= det;
    return r;
}

color_matrix diagonal(const double d[3]) { return {{{d[0], 0.0, 0.0}, {0.0, d[1], 0.0}, {0.0, 0.0, d[2]}}}; }

}  // namespace

color_matrix multiply(const color_matrix& a, const color_matrix& b)
{
    color_matrix r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) r.m[i][j] = a.m[i][0] * b.m[0][j] + a.m[i][1] * b.m[1][j] + a.m[i][2] * b.m[2][j];
    return r;
}

void apply_matrix(const color_matrix& a, const double in[3], double out[3])
{
    for (int r = 0; r < 3; ++r) out[r] = a.m[r][0] * in[0] + a.m[r][1] * in[1] + a.m[r][2] * in[2];
}

color_matrix bradford_adaptation(const double from[3], const double to[3])
{
    double cone_from[3], cone_to[3], scale[3];
    apply_matrix(bradford, from, cone_from);
    apply_matrix(bradford, to, cone_to);
    for (int i = 0; i < 3; ++i) scale[i] = cone_to[i] / cone_from[i];
    return multiply(inverse(bradford), multiply(diagonal(scale), bradford));
}

color_matrix linear_srgb_to_d65()
{
    const double x[3] = {0.64, 0.30, 0.15}, y[3] = {0.33, 0.60, 0.06};
    color_matrix primaries;
    for (int c = 0; c < 3; ++c) {
        primaries.m[0][c] = x[c] / y[c];
        primaries.m[1][c] = 1.0;
        primaries.m[2][c] = (1.0 - x[c] - y[c]) / y[c];
    }
    // Each primary scaled so that the three together make the white.
    double scale[3];
    apply_matrix(inverse(primaries), d65_white, scale);
    return multiply(primaries, diagonal(scale));
}
