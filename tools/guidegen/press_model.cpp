#include "press_model.h"

#include <cmath>

namespace {

// Solids and two-colour overprints of a coated sheet as published for
// offset-press characterisation (CIELAB, D50, 2 degrees, white backing),
// and the three-colour overprint.
struct published_solid {
    int inks;
    lab_value lab;
};
const published_solid published_solids[] = {
    {0, {95.0, 0.0, -2.0}},                          // paper
    {ink_cyan, {55.0, -37.0, -50.0}},                 //
    {ink_magenta, {48.0, 74.0, -3.0}},                //
    {ink_yellow, {89.0, -5.0, 93.0}},                 //
    {ink_black, {16.0, 0.0, 0.0}},                    //
    {ink_magenta | ink_yellow, {47.0, 68.0, 48.0}},   // red
    {ink_cyan | ink_yellow, {50.0, -65.0, 27.0}},     // green
    {ink_cyan | ink_magenta, {24.0, 22.0, -46.0}},    // blue
    // Not published: the three colour inks together, taken as the neutral
    // dark grey a press is balanced toward (filtering one film through the
    // others in XYZ would leave it brownish).
    {ink_cyan | ink_magenta | ink_yellow, {23.0, 0.0, 0.0}},
};

// An overprint that the published figures do not give is the lower layer
// filtered by the upper one: what reaches the paper through both films,
// relative to what reaches it through neither, plus the surface reflection
// that no ink film removes.
double overprint(double lower, double upper, double paper, double floor)
{
    return floor + (lower - floor) * (upper - floor) / (paper - floor);
}

struct primary_table {
    xyz_value xyz[neugebauer_primary_count];
    xyz_value root[neugebauer_primary_count];  // xyz ^ (1/n)
};

primary_table make_primary_table()
{
    primary_table t{};
    bool known[neugebauer_primary_count] = {};
    for (const published_solid& s : published_solids) {
        t.xyz[s.inks] = lab_to_xyz_d50(s.lab);
        known[s.inks] = true;
    }
    const xyz_value white = lab_to_xyz_d50(lab_value{100.0, 0.0, 0.0});
    const xyz_value floor = {white.x * surface_reflection, white.y * surface_reflection, white.z * surface_reflection};
    const xyz_value paper = t.xyz[0];
    // Fill in increasing order so each missing overprint is built from a
    // known one with one ink fewer: its highest ink laid over the rest.
    for (int i = 1; i < neugebauer_primary_count; ++i) {
        if (known[i]) continue;
        int top = ink_black;
        while (!(i & top)) top >>= 1;
        const xyz_value lower = t.xyz[i & ~top];
        const xyz_value upper = t.xyz[top];
        t.xyz[i] = xyz_value{overprint(lower.x, upper.x, paper.x, floor.x), overprint(lower.y, upper.y, paper.y, floor.y),
                             overprint(lower.z, upper.z, paper.z, floor.z)};
        known[i] = true;
    }
    for (int i = 0; i < neugebauer_primary_count; ++i) {
        t.root[i] = xyz_value{std::pow(t.xyz[i].x, 1.0 / yule_nielsen_n), std::pow(t.xyz[i].y, 1.0 / yule_nielsen_n),
                              std::pow(t.xyz[i].z, 1.0 / yule_nielsen_n)};
    }
    return t;
}

const primary_table& primaries()
{
    static const primary_table table = make_primary_table();
    return table;
}

double clamp01(double v) { return v < 0.0 ? 0.0 : (v > 1.0 ? 1.0 : v); }

double printed_coverage(double nominal)
{
    double a = clamp01(nominal);
    return a + 4.0 * mechanical_dot_gain * a * (1.0 - a);
}

}  // namespace

const xyz_value* neugebauer_primaries() { return primaries().xyz; }

xyz_value press_forward(const cmyk_value& ink)
{
    const primary_table& t = primaries();
    const double cover[4] = {printed_coverage(ink.c), printed_coverage(ink.m), printed_coverage(ink.y),
                             printed_coverage(ink.k)};
    double sx = 0.0, sy = 0.0, sz = 0.0;
    for (int i = 0; i < neugebauer_primary_count; ++i) {
        // Demichel: the area covered by exactly this set of inks.
        double w = 1.0;
        for (int j = 0; j < 4; ++j) w *= (i & (1 << j)) ? cover[j] : 1.0 - cover[j];
        sx += w * t.root[i].x;
        sy += w * t.root[i].y;
        sz += w * t.root[i].z;
    }
    return xyz_value{std::pow(sx, yule_nielsen_n), std::pow(sy, yule_nielsen_n), std::pow(sz, yule_nielsen_n)};
}
