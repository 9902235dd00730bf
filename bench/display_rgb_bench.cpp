// Screen RGB of every built-in guide colour: this display conversion (one
// cached matrix, three powers) against a Little CMS matrix-shaper transform
// built from the same primaries, white and gammas, one colour per call as
// the picker paints them, and Little CMS on the whole array in one call.
#include <benchmark/benchmark.h>
#include <lcms2.h>

#include <vector>

#include "colorlib/color_lookups.h"
#include "colorlib/color_tables.h"
#include "colorlib/publication_catalogue.h"
#include "display/display_state.h"

namespace {

struct xyz {
    double X, Y, Z;
};

// The D50 measurements of all 3958 built-in colours, on the 0-100 scale.
const std::vector<xyz>& guide_colours()
{
    static std::vector<xyz> colours = [] {
        std::vector<xyz> v;
        publication_catalogue catalogue;
        for (uint32_t n = 0; n < 4; ++n)
            for (uint32_t i = 0;; ++i) {
                const colorid id = make_colorid(catalogue, n, i);
                const std::optional<measured_xyz> m = id != no_color ? get_color_xyz(catalogue, id, 1) : std::nullopt;
                if (!m) break;
                v.push_back(xyz{m->X, m->Y, m->Z});
            }
        return v;
    }();
    return colours;
}

void ours_per_colour(benchmark::State& state)
{
    display_state display;
    const auto& colours = guide_colours();
    int32_t sum = 0;
    for (auto _ : state) {
        for (const xyz& c : colours) {
            const rgb8 rgb = xyz_to_display_rgb(display, c.X, c.Y, c.Z);
            sum += rgb.r + rgb.g + rgb.b;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(colours.size()));
}
BENCHMARK(ours_per_colour);

void ours_through_the_tables(benchmark::State& state)
{
    display_state display;
    publication_catalogue catalogue;
    int64_t count = 0;
    int32_t sum = 0;
    for (auto _ : state) {
        for (uint32_t n = 0; n < 4; ++n) {
            const uint32_t total = n == 3 ? 3006 : 952;
            for (uint32_t i = 0; i < total; ++i) {
                sum += get_color_display_rgb(catalogue, display, (n << 16) | i, 1)->r;
                ++count;
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(count);
}
BENCHMARK(ours_through_the_tables);

cmsHTRANSFORM lcms_display_transform()
{
    const display_model& m = default_display_model;
    cmsCIExyY white = {m.xw, m.yw, m.Yw};
    cmsCIExyYTRIPLE primaries = {{m.xr, m.yr, 1.0}, {m.xg, m.yg, 1.0}, {m.xb, m.yb, 1.0}};
    cmsToneCurve* curves[3] = {cmsBuildGamma(nullptr, m.rgamma), cmsBuildGamma(nullptr, m.ggamma),
                               cmsBuildGamma(nullptr, m.bgamma)};
    cmsHPROFILE display = cmsCreateRGBProfile(&white, &primaries, curves);
    cmsHPROFILE pcs = cmsCreateXYZProfile();
    cmsHTRANSFORM t = cmsCreateTransform(pcs, TYPE_XYZ_DBL, display, TYPE_RGB_8, INTENT_RELATIVE_COLORIMETRIC, 0);
    cmsCloseProfile(display);
    cmsCloseProfile(pcs);
    for (cmsToneCurve* c : curves) cmsFreeToneCurve(c);
    return t;
}

// Little CMS takes XYZ with white Y = 1.
std::vector<cmsCIEXYZ> lcms_input()
{
    std::vector<cmsCIEXYZ> in;
    for (const xyz& c : guide_colours()) in.push_back({c.X / 100.0, c.Y / 100.0, c.Z / 100.0});
    return in;
}

void lcms_per_colour(benchmark::State& state)
{
    cmsHTRANSFORM t = lcms_display_transform();
    const auto in = lcms_input();
    int32_t sum = 0;
    for (auto _ : state) {
        for (const cmsCIEXYZ& c : in) {
            uint8_t rgb[3];
            cmsDoTransform(t, &c, rgb, 1);
            sum += rgb[0] + rgb[1] + rgb[2];
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(in.size()));
    cmsDeleteTransform(t);
}
BENCHMARK(lcms_per_colour);

void lcms_whole_array(benchmark::State& state)
{
    cmsHTRANSFORM t = lcms_display_transform();
    const auto in = lcms_input();
    std::vector<uint8_t> out(in.size() * 3);
    for (auto _ : state) {
        cmsDoTransform(t, in.data(), out.data(), static_cast<cmsUInt32Number>(in.size()));
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(in.size()));
    cmsDeleteTransform(t);
}
BENCHMARK(lcms_whole_array);

}  // namespace
