#include "process_guide.h"

namespace {

enum { c_ink, m_ink, y_ink, k_ink };

struct hue_mix {
    int percent[3];  // C, M, Y at full strength
};

// The hue circle from yellow through red, magenta, blue, cyan and green:
// for each ink the next one rises to full strength, then the first falls.
std::vector<hue_mix> hue_circle()
{
    // Finer steps where little of an ink already turns the hue far.
    const int rising[9] = {0, 8, 16, 25, 35, 45, 58, 72, 86};
    const int falling[9] = {100, 86, 72, 58, 45, 35, 25, 16, 8};
    const int order[3] = {y_ink, m_ink, c_ink};
    std::vector<hue_mix> circle;
    for (int p = 0; p < 3; ++p) {
        int first = order[p], second = order[(p + 1) % 3];
        for (int v : rising) {
            hue_mix h = {{0, 0, 0}};
            h.percent[first] = 100;
            h.percent[second] = v;
            circle.push_back(h);
        }
        for (int v : falling) {
            hue_mix h = {{0, 0, 0}};
            h.percent[first] = v;
            h.percent[second] = 100;
            circle.push_back(h);
        }
    }
    return circle;
}

// Percent of a full-strength ink times a scale in percent, in tenths of a
// percent; integer arithmetic so every machine rounds alike.
int scaled(int percent, int scale) { return (percent * scale + 5) / 10; }

void add_page(std::vector<process_recipe>& guide, const hue_mix& mix, const int scales[process_rows],
              const int blacks[process_rows])
{
    for (int row = 0; row < process_rows; ++row) {
        process_recipe r = {{scaled(mix.percent[0], scales[row]), scaled(mix.percent[1], scales[row]),
                             scaled(mix.percent[2], scales[row]), blacks[row] * 10}};
        guide.push_back(r);
    }
}

}  // namespace

std::vector<process_recipe> design_process_guide()
{
    std::vector<process_recipe> guide;
    guide.reserve(process_colour_count);

    const int none[process_rows] = {0, 0, 0, 0, 0, 0, 0, 0, 0};
    const int light_tints[process_rows] = {4, 8, 12, 16, 20, 25, 30, 35, 40};
    const int strong_tints[process_rows] = {45, 50, 55, 60, 70, 80, 85, 90, 100};
    const int shade_scales[4] = {25, 45, 70, 100};
    const int added_black[process_rows] = {3, 6, 10, 15, 20, 25, 30, 40, 50};
    for (const hue_mix& mix : hue_circle()) {
        add_page(guide, mix, light_tints, none);
        add_page(guide, mix, strong_tints, none);
        for (int s : shade_scales) {
            const int scale[process_rows] = {s, s, s, s, s, s, s, s, s};
            add_page(guide, mix, scale, added_black);
        }
    }

    // Black alone, then rich blacks.
    const hue_mix no_colour = {{0, 0, 0}};
    const int black_light[process_rows] = {2, 4, 6, 8, 10, 13, 16, 20, 25};
    const int black_mid[process_rows] = {30, 35, 40, 45, 50, 55, 60, 65, 70};
    add_page(guide, no_colour, none, black_light);
    add_page(guide, no_colour, none, black_mid);
    const process_recipe deep[process_rows] = {
        {{0, 0, 0, 750}},     {{0, 0, 0, 800}},     {{0, 0, 0, 850}},
        {{0, 0, 0, 900}},     {{0, 0, 0, 950}},     {{0, 0, 0, 1000}},
        {{400, 0, 0, 1000}},  {{600, 400, 400, 1000}}, {{700, 600, 600, 1000}},
    };
    guide.insert(guide.end(), deep, deep + process_rows);

    // Greys from the colour inks alone: balanced, warm and cool.
    const hue_mix greys[3] = {{{100, 80, 80}}, {{50, 60, 80}}, {{80, 50, 40}}};
    const int light_greys[process_rows] = {4, 8, 12, 16, 20, 25, 30, 35, 40};
    const int dark_greys[process_rows] = {45, 50, 55, 60, 65, 70, 80, 90, 100};
    for (const hue_mix& g : greys) {
        add_page(guide, g, light_greys, none);
        add_page(guide, g, dark_greys, none);
    }
    // A light balanced grey deepened with black.
    const hue_mix light_grey = {{30, 24, 24}};
    const int full[process_rows] = {100, 100, 100, 100, 100, 100, 100, 100, 100};
    const int grey_black[process_rows] = {5, 10, 20, 30, 40, 50, 60, 70, 80};
    add_page(guide, light_grey, full, grey_black);
    return guide;
}
