// Colour values typed by a person, CIEDE2000, the nearest guide colours to a value, and colours by name.
#include <gtest/gtest.h>
#include <lcms2.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "colorlib/ciede2000.h"
#include "colorlib/color_tables.h"
#include "colorlib/color_value.h"
#include "colorlib/guide_search.h"
#include "colorlib/nearest_by_value.h"
#include "colorlib/publication_catalogue.h"
#include "test_data.h"

TEST(ColorDifference, the_published_pairs_to_four_decimals_either_way_round) {
    const std::vector<data_row> pairs = read_data_table("native_ciede2000_pairs.csv");
    ASSERT_EQ(pairs.size(), 34u);
    for (const data_row& p : pairs) {
        const cie_lab x{std::stod(p[0]), std::stod(p[1]), std::stod(p[2])}, y{std::stod(p[3]), std::stod(p[4]), std::stod(p[5])};
        EXPECT_TRUE(std::fabs(ciede2000(x, y) - std::stod(p[6])) < 5e-5 && std::fabs(ciede2000(y, x) - std::stod(p[6])) < 5e-5) << p[0] << " " << p[1];
    }
}

// s: sRGB r g b, read by Little CMS's own sRGB profile (Bradford to D50 as well); l: Lab; n: not a value.
TEST(ColorValue, every_form_and_every_refusal) {
    struct row { const char* text; char kind; double v[3] = {}; };
    const row rows[] = {
        {"#E4002B", 's', {228, 0, 43}}, {"  #e4002b\t", 's', {228, 0, 43}}, {"#F0a", 's', {255, 0, 170}}, {"#000", 's', {0, 0, 0}},
        {"#fff", 's', {255, 255, 255}}, {"#0000ff", 's', {0, 0, 255}}, {"#808080", 's', {128, 128, 128}}, {"rgb(228, 0, 43)", 's', {228, 0, 43}},
        {"RGB( 2 ,230,43 )", 's', {2, 230, 43}}, {"rgb 255 255 0", 's', {255, 255, 0}}, {"50 -20.5 30", 'l', {50, -20.5, 30}},
        {"50,-20.5 ,+30", 'l', {50, -20.5, 30}}, {"lab 50, -20.5, 30", 'l', {50, -20.5, 30}}, {"LAB(0 -128 128)", 'l', {0, -128, 128}},
        {" 100 .5 1. ", 'l', {100, 0.5, 1}}, {"Lab100 .5 1.", 'n'}, {"", 'n'}, {"  ", 'n'}, {"#E4002", 'n'}, {"#E4002BB", 'n'}, {"#E4002G", 'n'},
        {"# E4002B", 'n'}, {"#E4002B x", 'n'}, {"E4002B", 'n'}, {"001e", 'n'}, {"Lagoon 3", 'n'}, {"50 0", 'n'}, {"50 0 0 0", 'n'}, {"50 0 0,", 'n'},
        {"50,,0,0", 'n'}, {"50-20-30", 'n'}, {"100.001 0 0", 'n'}, {"-1 0 0", 'n'}, {"50 128.01 0", 'n'}, {"1e2 0 0", 'n'}, {"50 0 0.000000000001", 'n'},
        {"rgb(256,0,0)", 'n'}, {"rgb(1.5,0,0)", 'n'}, {"rgb(-1,0,0)", 'n'}, {"rgb(1,2,3", 'n'}, {"rgb(1,2,3))", 'n'}, {"lab(1,2,3) x", 'n'},
        {"rgb", 'n'}, {"label 1 2 3", 'n'}, {"()", 'n'}};
    cmsHPROFILE srgb = cmsCreate_sRGBProfile(), lab = cmsCreateLab4Profile(nullptr);
    cmsHTRANSFORM t = cmsCreateTransform(srgb, TYPE_RGB_8, lab, TYPE_Lab_DBL, INTENT_RELATIVE_COLORIMETRIC, cmsFLAGS_NOOPTIMIZE);
    for (const row& r : rows) {
        cie_lab got{-1, -1, -1};
        cmsCIELab want = r.kind == 'l' ? cmsCIELab{r.v[0], r.v[1], r.v[2]} : cmsCIELab{-1, -1, -1};
        const uint8_t rgb[3] = {uint8_t(r.v[0]), uint8_t(r.v[1]), uint8_t(r.v[2])};
        if (r.kind == 's') cmsDoTransform(t, rgb, &want, 1);
        EXPECT_TRUE(parse_color_value(r.text, &got) == (r.kind != 'n') && std::hypot(got.L - want.L, got.a - want.a, got.b - want.b) < 0.001) << r.text;
    }
    cmsDeleteTransform(t), cmsCloseProfile(srgb), cmsCloseProfile(lab);
}

// Random values over the process guide and a solid guide: the five nearest as a walk over every colour orders them.
TEST(NearestByValue, agrees_with_a_walk_over_every_colour) {
    publication_catalogue catalogue;
    std::mt19937 random(32);
    std::uniform_real_distribution<> L(0, 100), ab(-90, 90);
    for (uint32_t pub : {3u, 1u}) {
        std::vector<cie_lab> guide;
        for (std::optional<measured_xyz> m; (m = read_color_xyz(locate_color_table(catalogue, pub, table_cie50), uint32_t(guide.size())));)
            guide.push_back(lab_from_d50_xyz(m->X / 100, m->Y / 100, m->Z / 100));
        for (int n = 0; n < 100; ++n) {
            const cie_lab value{L(random), ab(random), ab(random)};
            std::vector<ranked_color> all, kept(5);
            nearest_search s = begin_nearest_search(value, kept.data(), kept.size());
            for (uint32_t k = 0; k < guide.size(); ++k) all.push_back({k, ciede2000(value, guide[k])}), consider_color(s, k, guide[k]);
            std::stable_sort(all.begin(), all.end(), [](const ranked_color& x, const ranked_color& y) { return x.delta_e < y.delta_e; });
            for (size_t i = 0; i < kept.size(); ++i) ASSERT_EQ(kept[i].index, all[i].index) << pub << " " << n << " " << i;
            ASSERT_EQ(nearest_color_by_value(catalogue, value, pub), make_colorid(catalogue, pub, all[0].index));
        }
    }
    // Two colours with the same measurement (an add-on or palette may hold such): the lower index first, in whichever
    // order they come, also where only one is kept.
    const cie_lab twin{50, 10, 10}, farther{50, 30, 10};
    const struct { std::vector<uint32_t> order; size_t room; std::vector<uint32_t> kept; } ties[] = {
        {{4, 9, 2}, 2, {4, 9}}, {{9, 2, 4}, 2, {4, 9}}, {{9, 4}, 1, {4}}, {{4, 9}, 1, {4}}};
    for (const auto& t : ties) {
        std::vector<ranked_color> kept(t.room);
        nearest_search s = begin_nearest_search(cie_lab{50, 11, 10}, kept.data(), t.room);
        for (uint32_t k : t.order) consider_color(s, k, k == 2 ? farther : twin);
        std::vector<uint32_t> got;
        for (size_t i = 0; i < s.count; ++i) got.push_back(kept[i].index);
        EXPECT_EQ(got, t.kept) << t.order[0];
    }
}

// Names and scopes as a host names them: short or full names, any case, in one guide or all in list order.
TEST(GuideSearch, finds_by_short_or_full_name_in_a_pair_or_every_guide) {
    publication_catalogue catalogue;
    struct row { int16_t system, flag; const char* text; status scope; int place; int32_t index; };
    const row rows[] = {
        {every_pub, 0, "Rosehip 3", status::ok, 0, 2},              {every_pub, 0, "rOSEHIP 3", status::ok, 0, 2},
        {every_pub, 0, "verihue rosehip 3 dsc", status::ok, 0, 2},  {every_pub, 0, "VERIHUE Rosehip 3 DSU", status::ok, 1, 2},
        {every_pub, 0, "VERIHUE 114h DSP", status::ok, 3, 1024},    {37, 1, "Rosehip 3", status::ok, 0, 2},
        {37, 1, "VERIHUE Rosehip 3 DSC", status::ok, -1, -1},       {every_pub, 0, "Rosehip 3 ", status::ok, -1, -1},
        {every_pub, 0, "VERIHUE Rosehip 3", status::ok, -1, -1},    {every_pub, 0, "VERIHUE  DSC", status::ok, -1, -1},
        {every_pub, 0, "", status::ok, -1, -1},                     {37, 3, "114h", status::ok, -1, -1},
        {293, 7, "114h", status::ok, 0, 1024},                      {37, 4, "Rosehip 3", status::no_publication, -1, -1},
        {1061, 0, "Rosehip 3", status::no_publication, -1, -1}};
    for (const row& r : rows) {
        search_scope scope;
        int place = -1;
        uint32_t index = 0;
        ASSERT_EQ(make_search_scope(catalogue, r.system, r.flag, &scope), r.scope) << r.text;
        const bool found = r.scope == status::ok && find_color_in_scope(catalogue, scope, r.text, &place, &index);
        EXPECT_TRUE(found == (r.index >= 0) && (!found || (place == r.place && int32_t(index) == r.index))) << r.text << " " << place << " " << index;
    }
    search_scope all, process_by_solid_code;
    ASSERT_TRUE(make_search_scope(catalogue, every_pub, 0, &all) == status::ok && make_search_scope(catalogue, 37, 3, &process_by_solid_code) == status::ok);
    EXPECT_EQ(all.count, 4);
    EXPECT_TRUE(all.pubs[3].system == 293 && all.pubs[3].count == 3006 && process_by_solid_code.pubs[0].count == 1024);
}
