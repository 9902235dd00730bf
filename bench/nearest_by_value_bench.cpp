// The nearest process colour to a typed value, as the picker's name box finds
// it (values spread over the whole colour space, most of them outside the
// guide's gamut, a fresh search each call), beside two plain loops over the
// same colours: one that works out every colour's Lab from the table and its
// CIEDE2000 to the value, and one handed the Lab values in an array.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "colorlib/ciede2000.h"
#include "colorlib/color_tables.h"
#include "colorlib/guide_search.h"
#include "colorlib/publication_catalogue.h"

namespace {

std::vector<cie_lab> spread_values()
{
    std::mt19937 random(3006);
    std::uniform_real_distribution<> L(5, 95), ab(-80, 80);
    std::vector<cie_lab> values(64);
    for (cie_lab& v : values) v = cie_lab{L(random), ab(random), ab(random)};
    return values;
}

}  // namespace

static void BM_NearestProcessColourToAValue(benchmark::State& state)
{
    publication_catalogue catalogue;
    const std::vector<cie_lab> values = spread_values();
    size_t k = 0;
    for (auto _ : state) benchmark::DoNotOptimize(nearest_color_by_value(catalogue, values[k++ % values.size()], 3));
}
BENCHMARK(BM_NearestProcessColourToAValue)->Unit(benchmark::kMicrosecond);

static void BM_PlainLoopOverProcessTable(benchmark::State& state)
{
    publication_catalogue catalogue;
    const byte_span table = locate_color_table(catalogue, 3, table_cie50);
    const std::vector<cie_lab> values = spread_values();
    size_t k = 0;
    for (auto _ : state) {
        const cie_lab& value = values[k++ % values.size()];
        uint32_t best = 0;
        double best_d = 1e300;
        for (uint32_t i = 0; const std::optional<measured_xyz> m = read_color_xyz(table, i); ++i) {
            const double d = ciede2000(value, lab_from_d50_xyz(m->X / 100, m->Y / 100, m->Z / 100));
            if (d < best_d) best_d = d, best = i;
        }
        benchmark::DoNotOptimize(best);
    }
}
BENCHMARK(BM_PlainLoopOverProcessTable)->Unit(benchmark::kMicrosecond);

static void BM_PlainLoopOverProcessLab(benchmark::State& state)
{
    publication_catalogue catalogue;
    const byte_span table = locate_color_table(catalogue, 3, table_cie50);
    std::vector<cie_lab> guide;
    while (const std::optional<measured_xyz> m = read_color_xyz(table, uint32_t(guide.size())))
        guide.push_back(lab_from_d50_xyz(m->X / 100, m->Y / 100, m->Z / 100));
    const std::vector<cie_lab> values = spread_values();
    size_t k = 0;
    for (auto _ : state) {
        const cie_lab& value = values[k++ % values.size()];
        size_t best = 0;
        double best_d = ciede2000(value, guide[0]);
        for (size_t i = 1; i < guide.size(); ++i) {
            const double d = ciede2000(value, guide[i]);
            if (d < best_d) best_d = d, best = i;
        }
        benchmark::DoNotOptimize(best);
    }
}
BENCHMARK(BM_PlainLoopOverProcessLab)->Unit(benchmark::kMicrosecond);
