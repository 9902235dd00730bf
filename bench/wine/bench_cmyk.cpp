// Timed loops under Wine: HUEX_GetColorCMYK over the 952 colours of the
// coated solid guide, through an ICC printer profile (matching route: the
// first call prepares a transformation, later ones use it until the system
// reports a change in the profiles' folders) and through the built-in printer (recipe route), and the parts of
// preparing a session: the library's
// header reads of both profiles, the module opening both profiles through
// MSCMS, the module preparing a transformation, one colour matched in an
// open session, and one colour converted by the colour system alone. Prints microseconds per colour and the share spent opening
// profiles. Run by hand (make bench); not a test.
//
//   bench_cmyk [ROUNDS [PRINTER_PROFILE]]
// The printer profile defaults to the test press profile of the source tree;
// "xyzprof.pf" in the colour directory is used as installed, or the Debian
// XYZ profile is put there for the run.
#include <windows.h>

#include <icm.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "huex.h"
#include "wine_test_support.h"

namespace {

unsigned sink = 0;

// Microseconds per call over rounds of `calls` calls each.
template <typename F>
round_figures us_per_call(int rounds, int calls, F f)
{
    return time_rounds(rounds, calls, [&] {
        for (int i = 0; i < calls; ++i) sink += f(i);
    });
}

template <typename T>
T entry(HMODULE m, const char* name)
{
    return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(m, name)));
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 9;
    // A session's parts cost milliseconds a call: fewer rounds of them.
    const int part_rounds = rounds < 3 ? rounds : 3;
    const std::string printer =
        argc > 2 ? argv[2] : bin_dir() + "..\\..\\..\\tests\\wine\\lgicc\\press_cmyk.icc";
    const std::string xyz = colour_directory() + "xyzprof.pf";
    const bool installed = GetFileAttributesA(xyz.c_str()) == INVALID_FILE_ATTRIBUTES;
    if (installed) {
        CreateDirectoryA(colour_directory().c_str(), nullptr);
        CopyFileA("Z:\\usr\\share\\color\\icc\\LCMSXYZI.ICM", xyz.c_str(), FALSE);
    }

    std::vector<extended_color> colours;
    for (short i = 0; i < 952; ++i) {
        extended_color r = {0, 0, 0, 0};
        if (HUEX_EncodeColor(37, 0, i, &r) == HUEX_OK) colours.push_back(r);
    }
    const int calls = static_cast<int>(colours.size());
    std::printf("colours: %u, rounds: %d\nprinter profile: %s\nXYZ profile: %s%s\n",
                static_cast<unsigned>(colours.size()), rounds, printer.c_str(), xyz.c_str(),
                installed ? " (Debian XYZ profile, put there for this run)" : "");
    if (HUEX_GetProfileType(xyz.c_str()) != 2 || HUEX_GetProfileType(printer.c_str()) != 0) {
        std::printf("profiles not usable\n");
        return 1;
    }

    char* builtin = nullptr;
    HUEX_GetDefaultPrinterProfile(&builtin);
    HUEX_SetPrinterProfile(builtin);
    const round_figures recipe = us_per_call(rounds, calls, [&](int i) {
        WORD cmyk[4];
        return static_cast<unsigned>(HUEX_GetColorCMYK(&colours[i % colours.size()], cmyk, 1) + cmyk[0]);
    });

    HUEX_SetPrinterProfile(printer.c_str());
    // The first call prepares the transformation that the later ones use.
    const double first = us_per_call(1, 1, [&](int) {
        WORD cmyk[4];
        return static_cast<unsigned>(HUEX_GetColorCMYK(&colours[0], cmyk, 1) + cmyk[0]);
    }).best;
    const round_figures matched = us_per_call(rounds, calls, [&](int i) {
        WORD cmyk[4];
        return static_cast<unsigned>(HUEX_GetColorCMYK(&colours[i % colours.size()], cmyk, 1) + cmyk[0]);
    });

    // The parts of one matching-route call.
    const round_figures headers = us_per_call(part_rounds, calls, [&](int) {
        return static_cast<unsigned>(HUEX_GetProfileType(xyz.c_str()) + HUEX_GetProfileType(printer.c_str()));
    });

    HMODULE mscms = LoadLibraryA("mscms.dll");
    auto open = entry<decltype(&OpenColorProfileA)>(mscms, "OpenColorProfileA");
    auto close = entry<decltype(&CloseColorProfile)>(mscms, "CloseColorProfile");
    const round_figures opens = us_per_call(part_rounds, calls, [&](int) {
        unsigned ok = 0;
        for (const std::string* path : {&xyz, &printer}) {
            PROFILE p = {PROFILE_FILENAME, const_cast<char*>(path->c_str()), static_cast<DWORD>(path->size() + 1)};
            HPROFILE h = open(&p, PROFILE_READ, FILE_SHARE_READ, OPEN_EXISTING);
            ok += h != nullptr;
            if (h) close(h);
        }
        return ok;
    });

    // The colour system's own conversion of one colour, under every route through the module.
    PROFILE locations[2] = {{PROFILE_FILENAME, const_cast<char*>(xyz.c_str()), static_cast<DWORD>(xyz.size() + 1)},
                            {PROFILE_FILENAME, const_cast<char*>(printer.c_str()), static_cast<DWORD>(printer.size() + 1)}};
    HPROFILE profiles[2] = {open(&locations[0], PROFILE_READ, FILE_SHARE_READ, OPEN_EXISTING),
                            open(&locations[1], PROFILE_READ, FILE_SHARE_READ, OPEN_EXISTING)};
    auto make = entry<decltype(&CreateMultiProfileTransform)>(mscms, "CreateMultiProfileTransform");
    auto translate = entry<decltype(&TranslateColors)>(mscms, "TranslateColors");
    auto release = entry<decltype(&DeleteColorTransform)>(mscms, "DeleteColorTransform");
    DWORD intents[2] = {INTENT_PERCEPTUAL, INTENT_PERCEPTUAL};
    HTRANSFORM transform = make(profiles, 2, intents, 2, BEST_MODE, INDEX_DONT_CARE);
    const round_figures system_only = us_per_call(part_rounds, calls, [&](int i) {
        COLOR in = {}, out = {};
        in.XYZ.X = static_cast<WORD>(i * 7 & 0x7FFF), in.XYZ.Y = 0x4000, in.XYZ.Z = 0x2000;
        return static_cast<unsigned>(translate(transform, &in, 1, COLOR_XYZ, &out, COLOR_CMYK) + out.cmyk.cyan);
    });
    release(transform);
    for (HPROFILE p : profiles) close(p);

    const round_figures begin_end = us_per_call(part_rounds, calls, [&](int) {
        const short s = HUEX_BeginMatchingSession(xyz.c_str(), printer.c_str());
        HUEX_EndMatching();
        return static_cast<unsigned>(s);
    });

    HUEX_BeginMatchingSession(xyz.c_str(), printer.c_str());
    const round_figures one_match = us_per_call(part_rounds, calls, [&](int i) {
        WORD xyz_values[3];
        HUEX_GetColorXYZ(&colours[i % colours.size()], xyz_values, 1);
        WORD element[4] = {xyz_values[0], xyz_values[1], xyz_values[2], 0};
        return static_cast<unsigned>(HUEX_Match(1, element) + element[0]);
    });
    HUEX_EndMatching();

    // Once more after the parts: the engine's cost may drift over many sessions.
    const round_figures matched_again = us_per_call(rounds, calls, [&](int i) {
        WORD cmyk[4];
        return static_cast<unsigned>(HUEX_GetColorCMYK(&colours[i % colours.size()], cmyk, 1) + cmyk[0]);
    });

    std::printf("                                                     best      median (us/colour)\n");
    std::printf("HUEX_GetColorCMYK, recipe route (built-in printer) %10.3f %10.3f\n", recipe.best, recipe.median);
    std::printf("HUEX_GetColorCMYK, matching route, first call      %10.2f us\n", first);
    std::printf("HUEX_GetColorCMYK, matching route (ICC printer)    %10.3f %10.3f after the first\n", matched.best,
                matched.median);
    std::printf("HUEX_GetColorCMYK, matching route, measured again  %10.3f %10.3f\n", matched_again.best,
                matched_again.median);
    std::printf("  header reads of both profiles (HUEX_GetProfileType x2) %8.2f us\n", headers.best);
    std::printf("  MSCMS opening and closing both profiles               %8.2f us\n", opens.best);
    std::printf("  begin + end of a session (headers, opens, transform)  %8.2f us\n", begin_end.best);
    std::printf("  one colour matched in an open session                 %8.2f us\n", one_match.best);
    std::printf("  one colour through the colour system alone (MSCMS)    %8.2f us\n", system_only.best);
    std::printf("a session set-up costs %.0f look-ups after the first\n", begin_end.best / matched.best);
    std::printf("ratio CMYK matched / recipe               %8.3f best %8.3f median\n\n", matched.best / recipe.best,
                matched.median / recipe.median);
    HUEX_SetPrinterProfile(builtin);
    HUEX_DisposeProfile(builtin);
    if (installed) DeleteFileA(xyz.c_str());
    return 0;
}
