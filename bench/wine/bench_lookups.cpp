// Timed loops under Wine: the look-up exports over the 5862 colours of the four built-in guides
// and the 288 colours of the sample add-on, and the Windows colour system
// translating the same colours from an XYZ profile to an sRGB profile one
// colour per call. Everything is measured in one process, laid out in a
// folder of its own beside the sample add-on, and printed in nanoseconds per
// colour with each export's ratio to the colour system. Run by hand or by
// make bench; make test runs it once with one round so that it keeps working.
//
//   bench_lookups [ROUNDS [XYZ_PROFILE SRGB_PROFILE]]
#include <windows.h>

#include <icm.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "huex.h"
#include "wine_test_support.h"

namespace {

const char* const child_variable = "HUEX_BENCH_LOOKUPS_CHILD";

struct pub_pair {
    short system, flag;
};

// Every colour of the given publications, in guide order.
std::vector<extended_color> colours_of(std::initializer_list<pub_pair> pubs)
{
    std::vector<extended_color> v;
    for (const pub_pair& p : pubs) {
        const int count = HUEX_PubColors(p.system, p.flag) * HUEX_PubPages(p.system, p.flag);
        for (int i = 0; i < count; ++i) {
            extended_color r = {0, 0, 0, 0};
            if (HUEX_EncodeColor(p.system, p.flag, static_cast<short>(i), &r) == HUEX_OK) v.push_back(r);
        }
    }
    return v;
}

// The measurement runs in a copy of this program in a folder that holds the
// library, its colour-matching module and the sample add-on: add-ons are
// found beside the library when it is loaded.
int run_in_addon_folder(int argc, char** argv)
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    const std::string dir = fresh_case_dir("bench_lookups");
    if (!copy_into(self, dir, "bench_lookups.exe") || !copy_library_into(dir) ||
        !copy_into("addons\\huex_pastel.dll", dir)) {
        std::printf("bench_lookups: cannot lay out %s\n", dir.c_str());
        return 1;
    }
    std::string command = "\"" + dir + "bench_lookups.exe\"";
    for (int i = 1; i < argc; ++i) command += std::string(" \"") + argv[i] + "\"";
    SetEnvironmentVariableA(child_variable, "1");
    std::string out;
    const int rc = run_process(command, dir, &out);
    std::printf("%s", out.c_str());
    return rc;
}

unsigned sink = 0;

// Nanoseconds per colour, best and median of the rounds over every colour.
template <typename F>
round_figures ns_per_colour(const std::vector<extended_color>& colours, int rounds, F f)
{
    const round_figures us = time_rounds(rounds, static_cast<double>(colours.size()), [&] {
        for (const extended_color& c : colours) sink += f(c);
    });
    return {us.best * 1e3, us.median * 1e3};
}

// MSCMS found at run time, so the program links against nothing but huex.dll.
struct mscms_entries {
    decltype(&OpenColorProfileA) open;
    decltype(&CreateMultiProfileTransform) create;
    decltype(&TranslateColors) translate;
    decltype(&DeleteColorTransform) delete_transform;
    decltype(&CloseColorProfile) close;
    bool load()
    {
        HMODULE m = LoadLibraryA("mscms.dll");
        if (m == nullptr) return false;
        open = reinterpret_cast<decltype(open)>(reinterpret_cast<void*>(GetProcAddress(m, "OpenColorProfileA")));
        create = reinterpret_cast<decltype(create)>(reinterpret_cast<void*>(GetProcAddress(m, "CreateMultiProfileTransform")));
        translate = reinterpret_cast<decltype(translate)>(reinterpret_cast<void*>(GetProcAddress(m, "TranslateColors")));
        delete_transform =
            reinterpret_cast<decltype(delete_transform)>(reinterpret_cast<void*>(GetProcAddress(m, "DeleteColorTransform")));
        close = reinterpret_cast<decltype(close)>(reinterpret_cast<void*>(GetProcAddress(m, "CloseColorProfile")));
        return open && create && translate && delete_transform && close;
    }
};
mscms_entries mscms;

// HUEX_GetColorRGB over every colour on n threads at once, each its own
// rounds: look-ups per second over all threads.
struct threaded_rgb {
    const std::vector<extended_color>* colours;
    int rounds;
};

DWORD WINAPI rgb_rounds(void* param)
{
    const threaded_rgb& work = *static_cast<const threaded_rgb*>(param);
    unsigned sink = 0;
    for (int r = 0; r < work.rounds; ++r)
        for (const extended_color& c : *work.colours) {
            WORD v[3];
            HUEX_GetColorRGB(&c, v, 1);
            sink += v[0];
        }
    return sink == 0xFFFFFFFFu ? 1 : 0;
}

double rgb_per_second(const std::vector<extended_color>& colours, int rounds, int threads)
{
    threaded_rgb work = {&colours, rounds};
    std::vector<HANDLE> started;
    const double start = microseconds_now();
    for (int t = 0; t < threads; ++t) started.push_back(CreateThread(nullptr, 0, rgb_rounds, &work, 0, nullptr));
    for (HANDLE t : started) WaitForSingleObject(t, INFINITE), CloseHandle(t);
    const double seconds = (microseconds_now() - start) / 1e6;
    return static_cast<double>(threads) * rounds * static_cast<double>(colours.size()) / seconds;
}

HPROFILE open_profile(const char* path)
{
    PROFILE p = {PROFILE_FILENAME, const_cast<char*>(path), static_cast<DWORD>(std::strlen(path) + 1)};
    return mscms.open(&p, PROFILE_READ, FILE_SHARE_READ, OPEN_EXISTING);
}

}  // namespace

int main(int argc, char** argv)
{
    if (GetEnvironmentVariableA(child_variable, nullptr, 0) == 0) return run_in_addon_folder(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 20;
    const auto colours = colours_of({{37, 0}, {37, 1}, {37, 2}, {293, 0}});
    const auto addon_colours = colours_of({{549, 0}});
    std::printf("colours: %u built-in, %u of the sample add-on; rounds: %d\n", static_cast<unsigned>(colours.size()),
                static_cast<unsigned>(addon_colours.size()), rounds);
    if (colours.size() != 5862 || addon_colours.size() != 288) {
        std::printf("bench_lookups: the guides or the sample add-on are not all there\n");
        return 1;
    }

    const round_figures rgb = ns_per_colour(colours, rounds, [](const extended_color& c) {
        WORD v[3];
        HUEX_GetColorRGB(&c, v, 1);
        return static_cast<unsigned>(v[0]);
    });
    const round_figures name = ns_per_colour(colours, rounds, [](const extended_color& c) {
        char n[80];
        return static_cast<unsigned>(HUEX_GetColorName(&c, n));
    });
    const round_figures xyz = ns_per_colour(colours, rounds, [](const extended_color& c) {
        WORD v[3];
        HUEX_GetColorXYZ(&c, v, 1);
        return static_cast<unsigned>(v[1]);
    });
    const round_figures addon_name = ns_per_colour(addon_colours, rounds, [](const extended_color& c) {
        char n[80];
        return static_cast<unsigned>(HUEX_GetColorName(&c, n));
    });
    std::printf("                                best     median (ns/colour)\n");
    std::printf("HUEX_GetColorRGB           %10.1f %10.1f\n", rgb.best, rgb.median);
    std::printf("HUEX_GetColorName          %10.1f %10.1f\n", name.best, name.median);
    std::printf("HUEX_GetColorXYZ           %10.1f %10.1f\n", xyz.best, xyz.median);
    std::printf("HUEX_GetColorName, add-on  %10.1f %10.1f\n", addon_name.best, addon_name.median);

    // The same colours as the XYZ export gives them, through MSCMS.
    std::vector<COLOR> input(colours.size());
    for (size_t i = 0; i < colours.size(); ++i) {
        WORD v[3];
        HUEX_GetColorXYZ(&colours[i], v, 1);
        input[i].XYZ.X = static_cast<WORD>(v[0] / 2);  // MSCMS XYZ: 1.0 is 0x8000
        input[i].XYZ.Y = static_cast<WORD>(v[1] / 2);
        input[i].XYZ.Z = static_cast<WORD>(v[2] / 2);
    }
    const char* const xyz_path = argc > 2 ? argv[2] : "Z:\\usr\\share\\color\\icc\\LCMSXYZI.ICM";
    const char* const srgb_path = argc > 3 ? argv[3] : "Z:\\usr\\share\\color\\icc\\sRGB.icc";
    if (!mscms.load()) {
        std::printf("MSCMS: not available\n");
        return 1;
    }
    HPROFILE profiles[2] = {open_profile(xyz_path), open_profile(srgb_path)};
    if (profiles[0] == nullptr || profiles[1] == nullptr) {
        std::printf("MSCMS: cannot open %s or %s\n", xyz_path, srgb_path);
        return 1;
    }
    DWORD intents[2] = {INTENT_RELATIVE_COLORIMETRIC, INTENT_RELATIVE_COLORIMETRIC};
    HTRANSFORM t = mscms.create(profiles, 2, intents, 2, BEST_MODE, INDEX_DONT_CARE);
    if (t == nullptr) {
        std::printf("MSCMS: no transform\n");
        return 1;
    }
    const round_figures mscms_us = time_rounds(rounds, static_cast<double>(input.size()), [&] {
        for (const COLOR& c : input) {
            COLOR out;
            mscms.translate(t, const_cast<COLOR*>(&c), 1, COLOR_XYZ, &out, COLOR_RGB);
            sink += out.rgb.red;
        }
    });
    const round_figures mscms_ns = {mscms_us.best * 1e3, mscms_us.median * 1e3};
    mscms.delete_transform(t);
    mscms.close(profiles[0]);
    mscms.close(profiles[1]);
    std::printf("MSCMS TranslateColors XYZ->sRGB %10.1f %10.1f\n", mscms_ns.best, mscms_ns.median);
    const struct { const char* what; round_figures f; } ratios[] = {
        {"HUEX_GetColorRGB", rgb}, {"HUEX_GetColorName", name}, {"HUEX_GetColorXYZ", xyz}, {"HUEX_GetColorName, add-on", addon_name}};
    for (const auto& r : ratios)
        std::printf("ratio %s / MSCMS %*s %8.3f best %8.3f median\n", r.what, int(26 - std::strlen(r.what)), "",
                    r.f.best / mscms_ns.best, r.f.median / mscms_ns.median);
    for (int threads : {1, 2, 8})
        std::printf("HUEX_GetColorRGB on %d thread%s %10.0f look-ups/s in all\n", threads, threads == 1 ? " " : "s",
                    rgb_per_second(colours, rounds, threads));
    return 0;
}
