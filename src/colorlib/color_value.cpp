#include "colorlib/color_value.h"

#include <cmath>

namespace {

using matrix3 = double[3][3];

void multiply(const matrix3 a, const matrix3 b, matrix3 out)
{
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) out[r][c] = a[r][0] * b[0][c] + a[r][1] * b[1][c] + a[r][2] * b[2][c];
}

void invert(const matrix3 m, matrix3 out)
{
    const double det = m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
                       m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            // The cofactor of the transposed position, by cyclic indices.
            const int r1 = (c + 1) % 3, r2 = (c + 2) % 3, c1 = (r + 1) % 3, c2 = (r + 2) % 3;
            out[r][c] = (m[r1][c1] * m[r2][c2] - m[r1][c2] * m[r2][c1]) / det;
        }
}

// Linear sRGB to XYZ under D50: the sRGB primaries and white give XYZ under
// D65, which the Bradford transform carries to the ICC's D50 white. Worked
// out from those definitions rather than copied, so that sRGB white lands on
// exactly the white the Lab conversion divides by.
struct srgb_to_d50 {
    matrix3 m;
    srgb_to_d50()
    {
        const double x[3] = {0.64, 0.30, 0.15}, y[3] = {0.33, 0.60, 0.06};
        const double d65[3] = {0.3127 / 0.3290, 1.0, (1.0 - 0.3127 - 0.3290) / 0.3290};
        const double d50[3] = {0.9642, 1.0, 0.8249};
        matrix3 primaries, inverse;
        for (int c = 0; c < 3; ++c) {
            primaries[0][c] = x[c] / y[c];
            primaries[1][c] = 1.0;
            primaries[2][c] = (1.0 - x[c] - y[c]) / y[c];
        }
        invert(primaries, inverse);
        matrix3 rgb_d65;
        for (int c = 0; c < 3; ++c) {
            const double scale = inverse[c][0] * d65[0] + inverse[c][1] * d65[1] + inverse[c][2] * d65[2];
            for (int r = 0; r < 3; ++r) rgb_d65[r][c] = primaries[r][c] * scale;
        }
        const matrix3 bradford = {{0.8951, 0.2664, -0.1614}, {-0.7502, 1.7135, 0.0367}, {0.0389, -0.0685, 1.0296}};
        matrix3 back, cone_scale = {}, step, adapt;
        invert(bradford, back);
        for (int i = 0; i < 3; ++i) {
            const double source = bradford[i][0] * d65[0] + bradford[i][1] * d65[1] + bradford[i][2] * d65[2];
            const double target = bradford[i][0] * d50[0] + bradford[i][1] * d50[1] + bradford[i][2] * d50[2];
            cone_scale[i][i] = target / source;
        }
        multiply(cone_scale, bradford, step);
        multiply(back, step, adapt);
        multiply(adapt, rgb_d65, m);
    }
};

double linear_srgb(uint8_t v)
{
    const double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

bool is_blank(char c) { return c == ' ' || c == '\t'; }

void skip_blanks(const char*& p)
{
    while (is_blank(*p)) ++p;
}

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 0x20) : c; }

int hex_digit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    c = lower(c);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// The word, any letter case, followed by a blank or "(" (so "rgb" alone
// or "label" is no keyword).
bool keyword(const char*& p, const char* word)
{
    const char* q = p;
    for (; *word; ++word, ++q)
        if (lower(*q) != *word) return false;
    if (!is_blank(*q) && *q != '(') return false;
    p = q;
    return true;
}

// An optional sign, digits, an optional point with digits. More digits than
// any of the forms needs are refused, which also keeps every value exact
// enough and finite.
bool read_number(const char*& p, double* value, bool* whole)
{
    const char* q = p;
    const bool negative = *q == '-';
    if (*q == '-' || *q == '+') ++q;
    double v = 0.0, scale = 1.0;
    int digits = 0;
    for (; *q >= '0' && *q <= '9'; ++q, ++digits) v = v * 10.0 + (*q - '0');
    *whole = *q != '.';
    if (*q == '.')
        for (++q; *q >= '0' && *q <= '9'; ++q, ++digits) v += (*q - '0') * (scale /= 10.0);
    if (digits == 0 || digits > 12) return false;
    *value = negative ? -v : v;
    p = q;
    return true;
}

// Three numbers apart by blanks, or by one comma with any blanks around it.
bool read_triple(const char*& p, double v[3], bool whole[3])
{
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            const char* before = p;
            skip_blanks(p);
            if (*p == ',') {
                ++p;
                skip_blanks(p);
            } else if (p == before) {
                return false;
            }
        }
        if (!read_number(p, &v[i], &whole[i])) return false;
    }
    return true;
}

bool parse_hex(const char* p, cie_lab* lab)
{
    int d[6], n = 0;
    for (; n < 6 && hex_digit(p[n]) >= 0; ++n) d[n] = hex_digit(p[n]);
    const char* rest = p + n;
    skip_blanks(rest);
    if (*rest != 0 || (n != 3 && n != 6)) return false;
    uint8_t rgb[3];
    for (int c = 0; c < 3; ++c) rgb[c] = static_cast<uint8_t>(n == 3 ? d[c] * 17 : d[2 * c] * 16 + d[2 * c + 1]);
    *lab = lab_from_srgb8(rgb[0], rgb[1], rgb[2]);
    return true;
}

}  // namespace

cie_lab lab_from_srgb8(uint8_t r, uint8_t g, uint8_t b)
{
    // Made per call, not kept in a function's static: the library is built
    // without thread-safe statics, and a typed value is read rarely.
    const srgb_to_d50 to_d50;
    const double lin[3] = {linear_srgb(r), linear_srgb(g), linear_srgb(b)};
    double xyz[3];
    for (int i = 0; i < 3; ++i) xyz[i] = to_d50.m[i][0] * lin[0] + to_d50.m[i][1] * lin[1] + to_d50.m[i][2] * lin[2];
    return lab_from_d50_xyz(xyz[0], xyz[1], xyz[2]);
}

bool parse_color_value(const char* text, cie_lab* lab)
{
    if (text == nullptr) return false;
    const char* p = text;
    skip_blanks(p);
    if (*p == '#') return parse_hex(p + 1, lab);
    const bool rgb = keyword(p, "rgb");
    if (!rgb) keyword(p, "lab");
    skip_blanks(p);
    const bool bracketed = *p == '(';
    if (bracketed) {
        ++p;
        skip_blanks(p);
    }
    double v[3];
    bool whole[3];
    if (!read_triple(p, v, whole)) return false;
    skip_blanks(p);
    if (bracketed && *p++ != ')') return false;
    skip_blanks(p);
    if (*p != 0) return false;
    if (rgb) {
        for (int i = 0; i < 3; ++i)
            if (!whole[i] || v[i] < 0.0 || v[i] > 255.0) return false;
        *lab = lab_from_srgb8(static_cast<uint8_t>(v[0]), static_cast<uint8_t>(v[1]), static_cast<uint8_t>(v[2]));
        return true;
    }
    if (v[0] < 0.0 || v[0] > 100.0 || std::fabs(v[1]) > 128.0 || std::fabs(v[2]) > 128.0) return false;
    *lab = cie_lab{v[0], v[1], v[2]};
    return true;
}
