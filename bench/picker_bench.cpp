// Per-call cost of the picker's two searches over a whole guide: find-by-name
// for the process guide's last colour (the longest walk) and the nearest
// process colour of a solid colour (a fresh search each call, not the cache).
#include <benchmark/benchmark.h>

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
