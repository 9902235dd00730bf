// Per-call cost of the picker's two searches over a whole guide: find-by-name
// for the process guide's last colour (the longest walk) and the nearest
// process colour of a solid colour (a fresh search each call, not the cache),
// each beside a plain loop over the same names or measurements copied into
// an array: the floor the searches through the colour tables are held to.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "colorlib/color_tables.h"
#include "colorlib/colorid.h"
#include "frame/library_state.h"
#include "picker/find_by_name.h"
#include "picker/nearest_color.h"
#include "picker/picker_state.h"
#include "picker/swatch_view.h"

static void BM_FindColorByNameLastProcessColour(benchmark::State& state)
{
    reset_library_state();
    reset_picker_state();
    current_page = process_page;
    process_view.swatch_area = pixel_rect{0, 0, 440, 250};
    setup_view(process_pub, process_view);
    char name[40];
    get_color_name(make_colorid(process_pub, 3005), name, 39, -1);
    for (auto _ : state) benchmark::DoNotOptimize(find_color_by_name(name, &process_view));
    if (find_color_by_name(name, &process_view) != make_colorid(process_pub, 3005)) state.SkipWithError("not found");
}
BENCHMARK(BM_FindColorByNameLastProcessColour)->Unit(benchmark::kMicrosecond);

static void BM_PlainLoopOverProcessNames(benchmark::State& state)
{
    reset_library_state();
    std::vector<std::string> names;
    for (uint32_t i = 0; i < 3006; ++i) {
        char name[40];
        get_color_name(make_colorid(process_pub, i), name, 39, -1);
        names.push_back(name);
    }
    const std::string wanted = names.back();
    for (auto _ : state) {
        size_t found = 0;
        while (found < names.size() && !names_equal_ignoring_case(names[found].c_str(), wanted.c_str())) ++found;
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_PlainLoopOverProcessNames)->Unit(benchmark::kMicrosecond);

static void BM_NearestProcessColourOfASolidColour(benchmark::State& state)
{
    reset_library_state();
    reset_picker_state();
    uint32_t k = 0;
    for (auto _ : state) {
        // The cache holds one source per target; clearing it makes every call search.
        reset_nearest_color_cache();
        benchmark::DoNotOptimize(nearest_color_in_pub(make_colorid(0, 100 + (k++ % 800)), process_pub));
    }
}
BENCHMARK(BM_NearestProcessColourOfASolidColour)->Unit(benchmark::kMicrosecond);

static void BM_PlainLoopNearestOverProcessXYZ(benchmark::State& state)
{
    reset_library_state();
    struct xyz {
        double x, y, z;
    };
    std::vector<xyz> process(3006), solid(800);
    for (uint32_t i = 0; i < 3006; ++i) get_color_xyz(make_colorid(process_pub, i), D50FLAG != 0, &process[i].x, &process[i].y, &process[i].z);
    for (uint32_t i = 0; i < 800; ++i) get_color_xyz(make_colorid(0, 100 + i), D50FLAG != 0, &solid[i].x, &solid[i].y, &solid[i].z);
    uint32_t k = 0;
    for (auto _ : state) {
        const xyz& s = solid[k++ % 800];
        size_t best = 0;
        double best_distance = INFINITY;
        for (size_t i = 0; i < process.size(); ++i) {
            const xyz& p = process[i];
            const double dist = std::sqrt((s.x - p.x) * (s.x - p.x) + (s.y - p.y) * (s.y - p.y) + (s.z - p.z) * (s.z - p.z));
            if (dist < best_distance) {
                best_distance = dist;
                best = i;
                if (dist == 0) break;
            }
        }
        benchmark::DoNotOptimize(best);
    }
}
BENCHMARK(BM_PlainLoopNearestOverProcessXYZ)->Unit(benchmark::kMicrosecond);

static void BM_NearestProcessColourCacheHit(benchmark::State& state)
{
    reset_library_state();
    reset_picker_state();
    reset_nearest_color_cache();
    const colorid c = make_colorid(0, 100);
    nearest_color_in_pub(c, process_pub);
    for (auto _ : state) benchmark::DoNotOptimize(nearest_color_in_pub(c, process_pub));
}
BENCHMARK(BM_NearestProcessColourCacheHit);
