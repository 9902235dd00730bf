// Per-colour cost of the look-ups behind the exports, over every colour of
// the four built-in guides: the logic alone, without the platform's resource
// functions (the timed loop under Wine measures the exports themselves).
#include <benchmark/benchmark.h>

#include <vector>

#include "colorlib/color_lookups.h"
#include "frame/library_state.h"

static std::vector<extended_color> all_builtin_colours()
{
    std::vector<extended_color> v;
    const struct { int16_t system, flag; int count; } pubs[] = {{37, 0, 952}, {37, 1, 952}, {37, 2, 952}, {293, 0, 3006}};
    for (const auto& p : pubs)
        for (int i = 0; i < p.count; ++i) {
            extended_color r = {};
            if (encode_color(p.system, p.flag, static_cast<int16_t>(i), &r) == encode_done) v.push_back(r);
        }
    return v;
}

template <typename F>
static void per_colour(benchmark::State& state, F f)
{
    reset_library_state();
    const std::vector<extended_color> colours = all_builtin_colours();
    size_t k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f(colours[k]));
        if (++k == colours.size()) k = 0;
    }
}

static void BM_LookupColorRGB(benchmark::State& state)
{
    per_colour(state, [](const extended_color& c) {
        uint16_t v[3];
        return lookup_color_rgb(&c, v, 1) + v[0];
    });
}
BENCHMARK(BM_LookupColorRGB);

static void BM_LookupColorName(benchmark::State& state)
{
    per_colour(state, [](const extended_color& c) {
        char n[80];
        return lookup_color_name(&c, n);
    });
}
BENCHMARK(BM_LookupColorName);

static void BM_LookupColorXYZ(benchmark::State& state)
{
    per_colour(state, [](const extended_color& c) {
        uint16_t v[3];
        return lookup_color_xyz(&c, v, 1) + v[1];
    });
}
BENCHMARK(BM_LookupColorXYZ);
