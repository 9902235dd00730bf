// LgICC.dll's exports on the platform's colour system: statuses, conversions against Little CMS, handles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "lgicc/lgicc_module.h"
#include "lgicc/lgicc_reference_table.h"
#include "wine_test_support.h"

namespace {

const int sentinel = 0xBEEF, tolerance = 655;  // tolerance: 1 % of full scale
const std::string srgb = reference_profile_path("icc:sRGB.icc");
const std::string adobe = reference_profile_path("icc:compatibleWithAdobeRGB1998.icc");
const std::string press = reference_profile_path("data:press_cmyk.icc");

class Lgicc : public ::testing::Test {
protected:
    void SetUp() override
    {
        {
            lgicc_module earlier_load;
            ASSERT_TRUE(earlier_load.load(bin_dir() + "LgICC.dll") && (earlier = earlier_load.new_transform()) != nullptr);
        }
        ASSERT_EQ(GetModuleHandleA("LgICC.dll"), nullptr) << "the earlier load is really gone";
        ASSERT_TRUE(module.load(bin_dir() + "LgICC.dll"));
        options = module.session_options(0), poisoned = module.set_options(options, 7, 0);
        ASSERT_NE(t = module.new_transform(), nullptr);
    }
    void TearDown() override
    {
        module.destroy(t);
        EXPECT_TRUE(std::all_of(out, out + 4, [](uint16_t v) { return v == sentinel; })) << "a refused call wrote its output";
    }
    lgicc_module module;
    uint32_t options = 0, poisoned = 0;
    lgo_transformation* t = nullptr, *earlier = nullptr;  // earlier: made by a load of the module since unloaded
    uint16_t in[4] = {1000, 2000, 3000, 4000};
    uint16_t out[4] = {sentinel, sentinel, sentinel, sentinel};
};

TEST_F(Lgicc, preparation_refusals)
{
    // A well-formed header without a single tag opens, but builds no transform.
    const std::string dir = fresh_case_dir("lgicc_contract"), missing = dir + "missing.icc";
    const std::vector<uint8_t> real = read_file_bytes(srgb);
    std::vector<uint8_t> tagless(real.begin(), real.begin() + 132);
    tagless[0] = tagless[1] = tagless[2] = tagless[128] = tagless[129] = tagless[130] = tagless[131] = 0, tagless[3] = 132;
    ASSERT_TRUE(write_file_bytes(dir + "tagless.icc", tagless) &&
                write_file_bytes(dir + "cut.icc", std::vector<uint8_t>(real.begin(), real.begin() + 100)));
    std::string forward = press;
    std::replace(forward.begin(), forward.end(), '\\', '/');
    std::map<std::string, std::string> paths = {{"srgb", srgb}, {"press", press}, {"missing", missing}, {"cut", dir + "cut.icc"},
        {"tagless", dir + "tagless.icc"}, {"forward", forward}, {"gray", reference_profile_path("icc:Gray.icc")},
        {"lab", reference_profile_path("icc:LCMSLABI.ICM")}};
    const std::vector<data_row> cases = read_data_table("matching_lgicc_create_refusals.csv");
    ASSERT_EQ(cases.size(), 17u);
    for (const data_row& c : cases) {
        auto n = [&c](int i) { return int32_t(data_number(c[i])); };
        const std::string source = paths.count(c[7]) ? paths[c[7]] : c[7], destination = paths.count(c[8]) ? paths[c[8]] : c[8];
        ASSERT_EQ(module.prepare(t, srgb, press, options), LGICC_OK);
        EXPECT_EQ(module.create(t, source.c_str(), destination.c_str(), n(1), c[6] == "good" ? options : poisoned, n(2), n(3),
                                n(4), n(5)), n(9)) << c[0];
        EXPECT_TRUE(n(9) == LGICC_OK || module.convert(t, options, in, out, 1, 3, 4) == LGICC_ERR_NOT_PREPARED) << c[0];
    }
    // The last preparation replaced the pair: CMYK paper white in, RGB white out.
    const uint16_t no_ink[4] = {0, 0, 0, 0};
    uint16_t rgb[3];
    EXPECT_EQ(module.convert(t, options, no_ink, out, 1, 3, 4), LGICC_ERR_CHANNELS);
    ASSERT_EQ(module.convert(t, options, no_ink, rgb, 1, 4, 3), LGICC_OK);
    for (uint16_t v : rgb) EXPECT_GE(v, 65535 - tolerance);
}

TEST_F(Lgicc, matching_refusals)
{
    lgo_transformation* gone = module.new_transform();
    ASSERT_TRUE(module.prepare(gone, srgb, press, options) == LGICC_OK && module.destroy(gone) == LGICC_OK);
    // The next object very likely gets the deleted one's memory: the old value must not reach it.
    lgo_transformation* reused = module.new_transform();
    lgo_transformation* foreign = reinterpret_cast<lgo_transformation*>(in);
    EXPECT_EQ(module.convert(t, options, in, out, 1, 3, 4), LGICC_ERR_NOT_PREPARED);
    ASSERT_EQ(module.prepare(t, srgb, press, options), LGICC_OK);
    std::map<std::string, lgo_transformation*> objects = {{"t", t}, {"null", nullptr}, {"foreign", foreign}, {"deleted", gone},
                                                           {"earlier", earlier}};
    const std::vector<data_row> cases = read_data_table("matching_lgicc_match_refusals.csv");
    ASSERT_EQ(cases.size(), 17u);
    for (const data_row& c : cases) {
        auto n = [&c](int i) { return int32_t(data_number(c[i])); };
        const uint32_t o = c[2] == "good" ? options : c[2] == "poisoned" ? poisoned : module.session_options(1);
        EXPECT_EQ(module.match(objects[c[1]], o, c[3] == "null" ? nullptr : in, c[4] == "null" ? nullptr : out, n(5),
                               uint16_t(n(6)), uint16_t(n(7)), n(8), n(9), n(10), n(11)), n(12)) << c[0];
    }
    ASSERT_EQ(module.prepare(reused, srgb, press, options), LGICC_OK);
    for (lgo_transformation* bad : {static_cast<lgo_transformation*>(nullptr), foreign, gone, earlier}) {
        EXPECT_EQ(module.prepare(bad, srgb, srgb, options), LGICC_ERR_TRANSFORMATION);
        EXPECT_EQ(module.destroy(bad), LGICC_ERR_TRANSFORMATION);
    }
    uint16_t cmyk[4];
    EXPECT_TRUE(module.convert(t, options, in, cmyk, 1, 3, 4) == LGICC_OK && module.convert(reused, options, in, cmyk, 1, 3, 4) == LGICC_OK);
    EXPECT_EQ(module.destroy(reused), LGICC_OK);
}

TEST_F(Lgicc, every_pair_agrees_with_little_cms_in_both_xyz_encodings)
{
    ASSERT_EQ(lgicc_reference_rows().size(), 90u);
    for (const lgicc_reference_row& row : lgicc_reference_rows()) {
        // XYZ has 0x8000 for 1.0, or 0xFFFF with option 2 set to 1, in and out.
        const bool xyz_in = row.source == "icc:LCMSXYZI.ICM", xyz_out = row.destination == "icc:LCMSXYZI.ICM";
        for (int full = 0; full <= int(xyz_in || xyz_out); ++full) {
            SCOPED_TRACE(row.source + " -> " + row.destination + " " + std::to_string(row.intent) + " " + std::to_string(row.in[0]));
            const int in_scale = xyz_in && full ? 2 : 1, out_scale = xyz_out && full ? 2 : 1;
            uint16_t sent[4], got[4] = {sentinel, sentinel, sentinel, sentinel};
            for (int c = 0; c < 4; ++c) sent[c] = uint16_t(std::min(65535, row.in[c] * in_scale));
            const uint32_t o = module.set_options(module.session_options(row.intent), LGICC_OPTION_XYZ_ENCODING, full);
            lgo_transformation* fresh = module.new_transform();
            ASSERT_TRUE(module.prepare(fresh, reference_profile_path(row.source), reference_profile_path(row.destination), o) ==
                            LGICC_OK && module.convert(fresh, o, sent, got, 1, row.source_channels, row.destination_channels) == LGICC_OK);
            for (int c = 0; c < row.destination_channels; ++c)
                EXPECT_LE(std::abs(got[c] - std::min(65535, row.out[c] * out_scale)), tolerance * out_scale) << "channel " << c;
            EXPECT_TRUE((row.destination_channels == 4 || got[3] == sentinel) && module.destroy(fresh) == LGICC_OK);
        }
    }
}

// Past a few colours the module uses a buffer of its own; output may overlap input.
TEST_F(Lgicc, batches_and_in_place_buffers_match_single_calls)
{
    ASSERT_EQ(module.prepare(t, srgb, press, options), LGICC_OK);
    const int count = 50;
    std::vector<uint16_t> colors(count * 4), batch(count * 4), single(count * 4);
    for (int i = 0; i < count * 3; ++i) colors[i] = uint16_t((i * 7919u) % 65536u);
    for (int i = 0; i < count; ++i) ASSERT_EQ(module.convert(t, options, &colors[i * 3], &single[i * 4], 1, 3, 4), LGICC_OK);
    EXPECT_TRUE(module.convert(t, options, colors.data(), batch.data(), count, 3, 4) == LGICC_OK && batch == single);
    EXPECT_TRUE(module.convert(t, options, colors.data(), colors.data(), count, 3, 4) == LGICC_OK && colors == single);
}

// The lookup-table pair costs milliseconds a cycle, so it runs fewer.
TEST_F(Lgicc, cycles_leave_no_handles_or_memory_behind)
{
    auto cycles = [this](const std::string& destination, uint16_t channels, int count) {
        for (int i = 0; i < count; ++i) {
            lgo_transformation* made = module.new_transform();
            uint16_t converted[4] = {};
            const bool ok = module.prepare(made, srgb, destination, options) == LGICC_OK &&
                            module.convert(made, options, in, converted, 1, 3, channels) == LGICC_OK;
            if (module.destroy(made) != LGICC_OK || !ok) return false;
        }
        return true;
    };
    const struct { std::string destination; uint16_t channels; int count; } pairs[] = {{adobe, 3, 10000}, {press, 4, 300}};
    for (const auto& pair : pairs) {
        ASSERT_TRUE(cycles(pair.destination, pair.channels, pair.count / 50)) << "warm-up";
        const process_counts before = current_process_counts();
        ASSERT_TRUE(cycles(pair.destination, pair.channels, pair.count));
        expect_no_growth(before, current_process_counts());
    }
}

// Objects a host forgets are given back when it unloads the module.
TEST(LgiccUnload, unloading_releases_forgotten_objects)
{
    auto load_and_forget = [] {
        bool prepared = false;
        {
            lgicc_module loaded;
            prepared = loaded.load(bin_dir() + "LgICC.dll");
            for (int i = 0; i < 50 && prepared; ++i)
                prepared = loaded.prepare(loaded.new_transform(), srgb, adobe, loaded.session_options(0)) == LGICC_OK;
        }
        return prepared && GetModuleHandleA("LgICC.dll") == nullptr;  // really gone, not just released once
    };
    // Held loaded: unloading the colour system itself costs memory under Wine.
    HMODULE color_system = LoadLibraryA("mscms.dll");
    ASSERT_TRUE(color_system && load_and_forget());
    const process_counts before = current_process_counts();
    for (int round = 0; round < 20; ++round) ASSERT_TRUE(load_and_forget()) << "round " << round;
    expect_no_growth(before, current_process_counts());
    FreeLibrary(color_system);
}

}  // namespace
