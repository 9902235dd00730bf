#include "solid_guide.h"

#include <cmath>
#include <cstdio>

namespace {

// Family words, in guide order: 128 around the hue circle from rose
// (CIELAB hue 0) through red, orange, yellow, green, teal, blue and violet
// back to rose, then the eight neutrals. Each word is at most 13 bytes so
// that the word, a blank and the step fit the 15-byte name field.
const char* const family_words[solid_family_count] = {
    "Rosehip",  "Peony",     "Cranberry", "Blush",     "Raspberry", "Camellia",  "Beetroot",  "Petal",
    "Cherry",   "Rhubarb",   "Ruby",      "Posy",      "Poppy",     "Lantern",   "Brick",     "Geranium",
    "Ember",    "Paprika",   "Coral",     "Rust",      "Tangerine", "Terracotta", "Apricot",  "Copper",
    "Marigold", "Cinnamon",  "Pumpkin",   "Toffee",    "Saffron",   "Caramel",   "Amber",     "Honey",
    "Mustard",  "Sunbeam",   "Buttercup", "Ochre",     "Canary",    "Straw",     "Lemon",     "Olive",
    "Citron",   "Mimosa",    "Pear",      "Moss",      "Lime",      "Fennel",    "Sprout",    "Pistachio",
    "Fern",     "Clover",    "Meadow",    "Sage",      "Leaf",      "Parsley",   "Basil",     "Thyme",
    "Emerald",  "Ivy",       "Jade",      "Forest",    "Mint",      "Juniper",   "Spruce",    "Laurel",
    "Lagoon",   "Seafoam",   "Teal",      "Reef",      "Kelp",      "Surf",      "Tide",      "Mallard",
    "Glacier",  "Harbour",   "Pool",      "Shoal",     "Current",   "Aqua",      "Fjord",     "Spray",
    "Lake",     "Sky",       "Azure",     "Delta",     "Rain",      "Cornflower", "Denim",    "Brook",
    "Horizon",  "Marine",    "Cobalt",    "Stream",    "Sapphire",  "Anchor",    "Ocean",     "Storm",
    "Indigo",   "Dusk",      "Bluebell",  "Midnight",  "Iris",      "Twilight",  "Forget-me-not",  "Comet",
    "Violet",   "Gentian",   "Lavender",  "Velvet",    "Crocus",    "Amethyst",  "Lilac",     "Orchid",
    "Plum",     "Heather",   "Mulberry",  "Grape",     "Thistle",   "Damson",    "Bougainvillea",  "Aubergine",
    "Fuchsia",  "Sloe",      "Berry",     "Wine",      "Carnation", "Hibiscus",  "Azalea",    "Rosewood",
    "Pebble",   "Slate",     "Flint",     "Driftwood", "Pewter",    "Lichen",    "Smoke",     "Onyx",
};

// Lightness and chroma of the most saturated solid ink per hue (the cusp of
// the ink gamut), linear in between.
struct cusp {
    double hue, lightness, chroma;
};
const cusp ink_cusps[] = {
    {0, 50, 80},    {30, 50, 88},   {45, 55, 92},   {60, 62, 90},   {75, 72, 94},   {95, 88, 105},
    {110, 86, 96},  {130, 75, 86},  {150, 60, 82},  {170, 55, 76},  {195, 58, 62},  {230, 56, 66},
    {250, 48, 62},  {275, 32, 70},  {295, 30, 76},  {315, 35, 74},  {335, 42, 78},  {355, 50, 80},
};
const int cusp_count = sizeof ink_cusps / sizeof ink_cusps[0];

// Lightness at which the darkest inks lose all chroma, and the lightest a
// tint on the coated sheet (paper L* 95) can be.
const double ink_black_lightness = 8.0;
const double ink_white_lightness = 97.0;

cusp cusp_at(double hue)
{
    hue = std::fmod(hue, 360.0);
    if (hue < 0) hue += 360.0;
    for (int i = 0; i < cusp_count; ++i) {
        const cusp& a = ink_cusps[i];
        const cusp& b = ink_cusps[(i + 1) % cusp_count];
        double end = i + 1 < cusp_count ? b.hue : b.hue + 360.0;
        if (hue >= a.hue && hue < end) {
            double t = (hue - a.hue) / (end - a.hue);
            return cusp{hue, a.lightness + t * (b.lightness - a.lightness), a.chroma + t * (b.chroma - a.chroma)};
        }
    }
    return ink_cusps[0];
}

// The four kinds of chromatic family, repeating around the hue circle.
struct family_kind {
    double vividness;      // share of the ink gamut's chroma
    double top_lightness;  // the light tint at the top of the page
    double depth;          // how far below the cusp the deep shade lies
};
const family_kind kinds[4] = {
    {0.97, 91.0, 0.62},  // vivid
    {0.55, 92.0, 0.50},  // soft
    {0.85, 88.0, 0.75},  // strong
    {0.32, 90.0, 0.68},  // dusty
};

struct neutral_family {
    double hue, chroma, top_lightness, bottom_lightness;
};
const neutral_family neutrals[solid_family_count - solid_chromatic_families] = {
    {75, 4.5, 90, 30},   // warm grey
    {250, 4.0, 90, 28},  // cool grey
    {95, 2.2, 91, 26},   // neutral grey
    {65, 9.0, 86, 30},   // taupe
    {240, 7.5, 87, 28},  // blue grey
    {125, 6.5, 88, 30},  // green grey
    {330, 6.0, 88, 29},  // mauve grey
    {280, 2.5, 60, 15},  // near black
};

lab_value chromatic_step(int family, int step)
{
    const family_kind& kind = kinds[family % 4];
    double hue = 360.0 * family / solid_chromatic_families;
    cusp c = cusp_at(hue);
    double bottom = c.lightness - kind.depth * (c.lightness - ink_black_lightness) * 0.55;
    if (bottom > 52.0) bottom = 52.0;
    if (bottom < 18.0) bottom = 18.0;
    double top = kind.top_lightness;
    double l = top + (bottom - top) * step / (solid_steps - 1.0);
    double chroma = kind.vividness * solid_ink_max_chroma(l, hue);
    return lch_to_lab(l, chroma, hue);
}

lab_value neutral_step(int family, int step)
{
    const neutral_family& n = neutrals[family - solid_chromatic_families];
    double l = n.top_lightness + (n.bottom_lightness - n.top_lightness) * step / (solid_steps - 1.0);
    return lch_to_lab(l, n.chroma, n.hue);
}

}  // namespace

double solid_ink_max_chroma(double lightness, double hue_degrees)
{
    cusp c = cusp_at(hue_degrees);
    double share;
    if (lightness >= c.lightness)
        share = (ink_white_lightness - lightness) / (ink_white_lightness - c.lightness);
    else
        share = (lightness - ink_black_lightness) / (c.lightness - ink_black_lightness);
    if (share < 0.0) share = 0.0;
    return c.chroma * share;
}

lab_value uncoated_appearance(const lab_value& coated)
{
    // Uncoated paper is L* 95 like the coated sheet, but its deepest ink
    // film only reaches about L* 31 where the coated one reaches 16.
    const double paper = 95.0;
    double l = paper - (paper - coated.l) * 0.80;
    double c = lab_chroma(coated);
    double kept = 0.88 * (1.0 - 0.25 * c / 110.0);
    double h = lab_hue_degrees(coated);
    return lch_to_lab(l, c * kept, h);
}

const char* solid_family_word(int family) { return family_words[family]; }

std::vector<solid_colour> design_solid_guide()
{
    std::vector<solid_colour> guide;
    guide.reserve(solid_colour_count);
    for (int family = 0; family < solid_family_count; ++family) {
        for (int step = 0; step < solid_steps; ++step) {
            solid_colour colour;
            char name[32];
            std::snprintf(name, sizeof name, "%s %d", family_words[family], step + 1);
            colour.name = name;
            colour.coated = family < solid_chromatic_families ? chromatic_step(family, step) : neutral_step(family, step);
            colour.uncoated = uncoated_appearance(colour.coated);
            guide.push_back(colour);
        }
    }
    return guide;
}
