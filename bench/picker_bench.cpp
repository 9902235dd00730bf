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
#include "picker/find_by_name.h"
#include "picker/nearest_color.h"
#include "picker/picker_run.h"
#include "picker/swatch_view.h"

static void BM_FindColorByNameLastProcessColour(benchmark::State& state)
{
    library_context lib;
    picker_run run(lib);
    run.current_page = process_page;
    run.process_view.swatch_area = pixel_rect{0, 0, 440, 250};
    setup_view(run, process_pub, run.process_view);
    char name[40];
    const colorid last = make_colorid(lib.catalogue, process_pub, 3005);
    get_color_name(lib.catalogue, last, name, 39, -1);
    for (auto _ : state) benchmark::DoNotOptimize(find_color_by_name(run, name, &run.process_view));
    if (find_color_by_name(run, name, &run.process_view) != last) state.SkipWithError("not found");
}
BENCHMARK(BM_FindColorByNameLastProcessColour)->Unit(benchmark::kMicrosecond);

static void BM_PlainLoopOverProcessNames(benchmark::State& state)
{
    publication_catalogue catalogue;
    std::vector<std::string> names;
    for (uint32_t i = 0; i < 3006; ++i) {
        char name[40];
        get_color_name(catalogue, make_colorid(catalogue, process_pub, i), name, 39, -1);
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
    library_context lib;
    picker_run run(lib);
    uint32_t k = 0;
    for (auto _ : state) {
        // The run remembers one source per target; forgetting it makes every call search.
        run.nearest[process_pub] = nearest_memory{};
        benchmark::DoNotOptimize(nearest_color_in_pub(run, make_colorid(lib.catalogue, 0, 100 + (k++ % 800)), process_pub));
    }
}
BENCHMARK(BM_NearestProcessColourOfASolidColour)->Unit(benchmark::kMicrosecond);

static void BM_PlainLoopNearestOverProcessXYZ(benchmark::State& state)
{
    publication_catalogue catalogue;
    struct xyz {
        double x, y, z;
    };
    std::vector<xyz> process(3006), solid(800);
    auto measured = [&](uint32_t pub, uint32_t index) {
        const measured_xyz m = *get_color_xyz(catalogue, make_colorid(catalogue, pub, index), 0);
        return xyz{m.X, m.Y, m.Z};
    };
    for (uint32_t i = 0; i < 3006; ++i) process[i] = measured(process_pub, i);
    for (uint32_t i = 0; i < 800; ++i) solid[i] = measured(0, 100 + i);
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
    library_context lib;
    picker_run run(lib);
    const colorid c = make_colorid(lib.catalogue, 0, 100);
    nearest_color_in_pub(run, c, process_pub);
    for (auto _ : state) benchmark::DoNotOptimize(nearest_color_in_pub(run, c, process_pub));
}
BENCHMARK(BM_NearestProcessColourCacheHit);
