// Per-colour cost of the look-ups behind the exports, over every colour of
// the four built-in guides: the logic alone, without the platform's resource
// functions (the timed loop under Wine measures the exports themselves); and
// the same behind the library's guard, as the exports take it, on 1, 2 and
// 8 threads sharing the one context.
#include <benchmark/benchmark.h>

#include <vector>

#include "colorlib/color_lookups.h"
#include "context/library_guard.h"

static std::vector<extended_color> all_builtin_colours()
{
    std::vector<extended_color> v;
    publication_catalogue catalogue;
    const struct { int16_t system, flag; int count; } pubs[] = {{37, 0, 952}, {37, 1, 952}, {37, 2, 952}, {293, 0, 3006}};
    for (const auto& p : pubs)
        for (int i = 0; i < p.count; ++i) {
            extended_color r = {};
            if (encode_color(catalogue, p.system, p.flag, static_cast<int16_t>(i), &r) == status::ok) v.push_back(r);
        }
    return v;
}

template <typename F>
static void per_colour(benchmark::State& state, F f)
{
    static publication_catalogue catalogue;
    static display_state display;
    const std::vector<extended_color> colours = all_builtin_colours();
    size_t k = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f(catalogue, display, colours[k]));
        if (++k == colours.size()) k = 0;
    }
}

static void BM_LookupColorRGB(benchmark::State& state)
{
    per_colour(state, [](publication_catalogue& cat, display_state& display, const extended_color& c) {
        uint16_t v[3];
        return static_cast<int>(lookup_color_rgb(cat, display, c, v, 1)) + v[0];
    });
}
BENCHMARK(BM_LookupColorRGB);

static void BM_LookupColorName(benchmark::State& state)
{
    per_colour(state, [](publication_catalogue& cat, display_state&, const extended_color& c) {
        char n[80];
        return lookup_color_name(cat, c, n);
    });
}
BENCHMARK(BM_LookupColorName);

static void BM_LookupColorXYZ(benchmark::State& state)
{
    per_colour(state, [](publication_catalogue& cat, display_state&, const extended_color& c) {
        uint16_t v[3];
        return static_cast<int>(lookup_color_xyz(cat, c, v, 1)) + v[1];
    });
}
BENCHMARK(BM_LookupColorXYZ);

// As HUEX_GetColorRGB does it: the guard taken for each colour. The items per
// second over all threads are the look-ups a host gets from that many.
static void BM_GuardedColorRGB(benchmark::State& state)
{
    const std::vector<extended_color> colours = all_builtin_colours();
    size_t k = static_cast<size_t>(state.thread_index()) * 97;
    for (auto _ : state) {
        uint16_t v[3];
        library_guard lib;
        benchmark::DoNotOptimize(lookup_color_rgb(lib->catalogue, lib->display, colours[k % colours.size()], v, 1));
        ++k;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GuardedColorRGB)->Threads(1)->Threads(2)->Threads(8)->UseRealTime();
