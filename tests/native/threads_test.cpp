// The window-free look-ups on several threads: each with a context of its own (nothing may be shared outside the
// context), and all through the one guarded context while another thread changes its display model. Built under
// ThreadSanitizer too (the tsan preset), which reports any access the guard leaves unordered.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "colorlib/color_lookups.h"
#include "colorlib/color_tables.h"
#include "colorlib/publications.h"
#include "context/library_guard.h"
#include "profiles/monitor_profile_tags.h"
#include "test_files.h"

namespace {

struct asked {
    extended_color record;
    uint16_t rgb[2][3];   // the built-in display model, the profile's
    uint16_t xyz[3];
    char name[full_color_name_size + 1], short_name[max_color_name_size + 1];
};

const std::vector<uint8_t> display_profile = read_file_bytes(source_path("tests/profiles/huex_display_gamma.icc"));

// The display model the profile makes, as loading it as the monitor profile does.
void take_profile(display_state& display)
{
    char name[260];
    apply_default_display(display);
    apply_monitor_profile_tags(byte_span{display_profile.data(), display_profile.size()}, &display.display_characterization,
                               name, sizeof name);
}

std::vector<asked> asked_colours()
{
    library_context lib;
    std::vector<asked> all;
    const struct { int16_t system, flag, index; } colours[] = {{37, 0, 7}, {37, 1, 500}, {37, 2, 951}, {293, 0, 1}, {293, 0, 3005}};
    for (const auto& c : colours) {
        asked a = {};
        EXPECT_EQ(encode_color(lib.catalogue, c.system, c.flag, c.index, &a.record), status::ok);
        for (int model = 0; model < 2; ++model) {
            display_state display;
            if (model == 1) take_profile(display);
            EXPECT_EQ(lookup_color_rgb(lib.catalogue, display, a.record, a.rgb[model], 1), status::ok);
        }
        EXPECT_TRUE(std::memcmp(a.rgb[0], a.rgb[1], sizeof a.rgb[0]) != 0);
        EXPECT_EQ(lookup_color_xyz(lib.catalogue, a.record, a.xyz, 1), status::ok);
        EXPECT_GT(lookup_color_name(lib.catalogue, a.record, a.name), 0);
        EXPECT_GT(lookup_short_color_name(lib.catalogue, a.record, a.short_name), 0);
        all.push_back(a);
    }
    return all;
}

// Every look-up of one colour, its RGB through either model; false on any other answer.
bool looks_up(publication_catalogue& catalogue, display_state& display, const asked& a)
{
    uint16_t rgb[3], xyz[3];
    char name[full_color_name_size + 1], short_name[max_color_name_size + 1], desc[251];
    int16_t system = -1, flag = 0;
    return lookup_color_rgb(catalogue, display, a.record, rgb, 1) == status::ok &&
           (std::memcmp(rgb, a.rgb[0], sizeof rgb) == 0 || std::memcmp(rgb, a.rgb[1], sizeof rgb) == 0) &&
           lookup_color_xyz(catalogue, a.record, xyz, 1) == status::ok && std::memcmp(xyz, a.xyz, sizeof xyz) == 0 &&
           lookup_color_name(catalogue, a.record, name) > 0 && std::strcmp(name, a.name) == 0 &&
           lookup_short_color_name(catalogue, a.record, short_name) > 0 && std::strcmp(short_name, a.short_name) == 0 &&
           enum_pubs(catalogue, &system, &flag, desc) > 0 && pair_number_of_pages(catalogue, 293, 0) == 334;
}

constexpr int thread_count = 8;
constexpr int rounds = 200;

}  // namespace

TEST(Threads, each_with_a_context_of_its_own_shares_nothing)
{
    const std::vector<asked> colours = asked_colours();
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < thread_count; ++t)
        threads.emplace_back([&] {
            library_context lib;
            for (int i = 0; i < rounds; ++i)
                for (const asked& a : colours)
                    if (!looks_up(lib.catalogue, lib.display, a)) ++wrong;
        });
    for (std::thread& t : threads) t.join();
    EXPECT_EQ(wrong, 0);
}

TEST(Threads, through_the_guard_while_another_thread_changes_the_display_model)
{
    const std::vector<asked> colours = asked_colours();
    std::atomic<int> wrong{0}, running{thread_count};
    std::vector<std::thread> threads;
    for (int t = 0; t < thread_count; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < rounds; ++i)
                for (const asked& a : colours) {
                    library_guard lib;
                    if (!looks_up(lib->catalogue, lib->display, a)) ++wrong;
                }
            --running;
        });
    for (int change = 0; running > 0 && change < 100000; ++change) {
        library_guard lib;
        if (change % 2 == 0) take_profile(lib->display);
        else apply_default_display(lib->display);
    }
    for (std::thread& t : threads) t.join();
    library_guard lib;
    apply_default_display(lib->display);
    EXPECT_EQ(wrong, 0);
}
