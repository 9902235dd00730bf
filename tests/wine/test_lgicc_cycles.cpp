// The module keeps nothing it does not own: 10 000 objects made, prepared,
// used and deleted leave the process's handles and memory where they were.
// Also prints what one cycle costs, as a figure for the record.
#include <gtest/gtest.h>

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

#include "lgicc/lgicc_module.h"
#include "wine_test_support.h"

namespace {

bool one_cycle(const lgicc_module& module, const std::string& source, const std::string& destination,
               uint32_t options, uint16_t out_channels)
{
    lgo_transformation* t = module.new_transform();
    if (!t) return false;
    const uint16_t in[3] = {30000, 20000, 10000};
    uint16_t out[4] = {};
    bool ok = module.prepare(t, source, destination, options) == LGICC_OK &&
              module.convert(t, options, in, out, 1, 3, out_channels) == LGICC_OK;
    return module.destroy(t) == LGICC_OK && ok;
}

double microseconds_per_cycle(const lgicc_module& module, const std::string& source,
                              const std::string& destination, uint32_t options, uint16_t out_channels,
                              int cycles)
{
    LARGE_INTEGER frequency, start, stop;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < cycles; ++i)
        if (!one_cycle(module, source, destination, options, out_channels)) return -1;
    QueryPerformanceCounter(&stop);
    return 1e6 * double(stop.QuadPart - start.QuadPart) / double(frequency.QuadPart) / cycles;
}

class LgiccCycles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(module.load(bin_dir() + "LgICC.dll"));
        options = module.session_options(0);
    }
    lgicc_module module;
    uint32_t options = 0;
    const std::string srgb = reference_profile_path("icc:sRGB.icc");
    const std::string adobe = reference_profile_path("icc:compatibleWithAdobeRGB1998.icc");
    const std::string press = reference_profile_path("data:press_cmyk.icc");
};

// Small matrix profiles keep 10 000 cycles quick; the lookup-table pair
// runs fewer cycles (each costs milliseconds) but exercises the same paths.
TEST_F(LgiccCycles, ten_thousand_cycles_leave_no_handles_or_memory_behind)
{
    ASSERT_GT(microseconds_per_cycle(module, srgb, adobe, options, 3, 200), 0) << "warm-up";
    process_counts before = current_process_counts();
    double per_cycle = microseconds_per_cycle(module, srgb, adobe, options, 3, 10000);
    process_counts after = current_process_counts();
    ASSERT_GT(per_cycle, 0);
    std::printf("one cycle sRGB -> RGB (new, prepare, match 1 colour, delete): %.1f us\n", per_cycle);
    expect_no_growth(before, after);
}

TEST_F(LgiccCycles, lookup_table_profiles_leave_nothing_behind)
{
    ASSERT_GT(microseconds_per_cycle(module, srgb, press, options, 4, 20), 0) << "warm-up";
    process_counts before = current_process_counts();
    double per_cycle = microseconds_per_cycle(module, srgb, press, options, 4, 300);
    process_counts after = current_process_counts();
    ASSERT_GT(per_cycle, 0);
    std::printf("one cycle sRGB -> press CMYK (lookup tables): %.1f us\n", per_cycle);
    expect_no_growth(before, after);

    // Against that, matching through an object prepared once.
    lgo_transformation* t = module.new_transform();
    ASSERT_EQ(module.prepare(t, srgb, press, options), LGICC_OK);
    const uint16_t in[3] = {30000, 20000, 10000};
    uint16_t out[4] = {};
    LARGE_INTEGER frequency, start, stop;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < 10000; ++i) ASSERT_EQ(module.convert(t, options, in, out, 1, 3, 4), LGICC_OK);
    QueryPerformanceCounter(&stop);
    module.destroy(t);
    std::printf("one colour through a prepared sRGB -> press CMYK object: %.2f us\n",
                1e6 * double(stop.QuadPart - start.QuadPart) / double(frequency.QuadPart) / 10000);
}

// Objects a host forgets are given back when it unloads the module.
TEST(LgiccUnload, unloading_releases_forgotten_objects)
{
    const std::string srgb = reference_profile_path("icc:sRGB.icc");
    const std::string adobe = reference_profile_path("icc:compatibleWithAdobeRGB1998.icc");
    auto load_and_forget = [&] {
        lgicc_module loaded;
        if (!loaded.load(bin_dir() + "LgICC.dll")) return false;
        uint32_t options = loaded.session_options(0);
        for (int i = 0; i < 50; ++i) {
            lgo_transformation* t = loaded.new_transform();
            if (!t || loaded.prepare(t, srgb, adobe, options) != LGICC_OK) return false;
        }
        loaded.unload();
        return GetModuleHandleA("LgICC.dll") == nullptr;  // really gone, not just released once
    };
    // The colour system stays loaded throughout: its own unloading costs a
    // little memory each time under Wine, and that is not the module's.
    HMODULE color_system = LoadLibraryA("mscms.dll");
    ASSERT_NE(color_system, nullptr);
    ASSERT_TRUE(load_and_forget());
    process_counts before = current_process_counts();
    for (int round = 0; round < 20; ++round) ASSERT_TRUE(load_and_forget()) << "round " << round;
    process_counts after = current_process_counts();
    FreeLibrary(color_system);
    expect_no_growth(before, after);
}

}  // namespace
