#include "pastel_guide.h"

#include <cmath>
#include <cstdio>

namespace {

// One word per family, every 10 degrees of CIELAB hue from 0 (a pink).
const char* const pastel_words[pastel_family_count] = {
    "Blossom",   "Sorbet",      "Shell",       "Flamingo",      "Salmon",      "Peach",
    "Melon",     "Cantaloupe",  "Custard",     "Vanilla",       "Butter",      "Primrose",
    "Chiffon",   "Celery",      "Pistachio Ice", "Honeydew",    "Spearmint",   "Celadon",
    "Mint Cream", "Seaglass",   "Aquamarine",  "Duck Egg",      "Ice",         "Powder Blue",
    "Baby Blue", "Periwinkle",  "Hyacinth",    "Wisteria",      "Lavender Mist", "Lilac Cream",
    "Mauve",     "Orchid Mist", "Sugar Plum",  "Bubblegum",     "Candy Pink",  "Rosewater",
};

const double pi = 3.14159265358979323846;

// Yellows are light by nature: their strongest pastel stays lighter than
// the blues' and violets'.
double strongest_lightness(double hue)
{
    double yellowness = std::cos((hue - 95.0) * pi / 180.0);
    if (yellowness < 0.0) yellowness = 0.0;
    return 71.0 + 12.0 * yellowness * yellowness;
}

const double palest_lightness = 94.0;
const double palest_chroma = 6.0;
const double strongest_chroma = 30.0;

lab_value pastel_step(int family, int step)
{
    double hue = 360.0 * family / pastel_family_count;
    double t = step / (pastel_steps - 1.0);
    double l = palest_lightness + (strongest_lightness(hue) - palest_lightness) * t;
    double c = palest_chroma + (strongest_chroma - palest_chroma) * t;
    return lch_to_lab(l, c, hue);
}

}  // namespace

std::vector<pastel_colour> design_pastel_guide()
{
    std::vector<pastel_colour> guide;
    guide.reserve(pastel_colour_count);
    for (int family = 0; family < pastel_family_count; ++family)
        for (int step = 0; step < pastel_steps; ++step) {
            char name[32];
            std::snprintf(name, sizeof name, "%s %d", pastel_words[family], step + 1);
            guide.push_back(pastel_colour{name, pastel_step(family, step)});
        }
    return guide;
}
