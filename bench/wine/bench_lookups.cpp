// Timed loops under Wine: the look-up exports over all 3958 built-in colours,
// and the Windows colour system translating the same colours from an XYZ
// profile to an sRGB profile one colour per call. Prints nanoseconds per
// colour and the ratio ours / MSCMS. Run by hand (make bench); not a test.
#include <windows.h>

#include <icm.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "huex.h"
#include "wine_test_support.h"

namespace {

std::vector<extended_color> all_colours()
{
    std::vector<extended_color> v;
    const struct { short system, flag, count; } pubs[] = {{37, 0, 952}, {37, 1, 952}, {37, 2, 952}, {293, 0, 3006}};
    for (const auto& p : pubs)
        for (short i = 0; i < p.count; ++i) {
            extended_color r = {0, 0, 0, 0};
            if (HUEX_EncodeColor(p.system, p.flag, i, &r) == HUEX_OK) v.push_back(r);
        }
    return v;
}

template <typename F>
double ns_per_colour(const std::vector<extended_color>& colours, int rounds, F f)
{
    unsigned sink = 0;
    const double start = (microseconds_now() * 1e3);
    for (int r = 0; r < rounds; ++r)
        for (const extended_color& c : colours) sink += f(c);
    const double elapsed = (microseconds_now() * 1e3) - start;
    if (sink == 0xFFFFFFFFu) std::printf(" ");
    return elapsed / (static_cast<double>(rounds) * static_cast<double>(colours.size()));
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

HPROFILE open_profile(const char* path)
{
    PROFILE p = {PROFILE_FILENAME, const_cast<char*>(path), static_cast<DWORD>(std::strlen(path) + 1)};
    return mscms.open(&p, PROFILE_READ, FILE_SHARE_READ, OPEN_EXISTING);
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 20;
    const auto colours = all_colours();
    std::printf("colours: %u, rounds: %d\n", static_cast<unsigned>(colours.size()), rounds);

    const double rgb = ns_per_colour(colours, rounds, [](const extended_color& c) {
        WORD v[3];
        HUEX_GetColorRGB(&c, v, 1);
        return static_cast<unsigned>(v[0]);
    });
    const double name = ns_per_colour(colours, rounds, [](const extended_color& c) {
        char n[80];
        return static_cast<unsigned>(HUEX_GetColorName(&c, n));
    });
    const double xyz = ns_per_colour(colours, rounds, [](const extended_color& c) {
        WORD v[3];
        HUEX_GetColorXYZ(&c, v, 1);
        return static_cast<unsigned>(v[1]);
    });
    std::printf("HUEX_GetColorRGB   %10.1f ns/colour\n", rgb);
    std::printf("HUEX_GetColorName  %10.1f ns/colour\n", name);
    std::printf("HUEX_GetColorXYZ   %10.1f ns/colour\n", xyz);

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
    unsigned sink = 0;
    const double start = (microseconds_now() * 1e3);
    for (int r = 0; r < rounds; ++r)
        for (const COLOR& c : input) {
            COLOR out;
            mscms.translate(t, const_cast<COLOR*>(&c), 1, COLOR_XYZ, &out, COLOR_RGB);
            sink += out.rgb.red;
        }
    const double mscms_ns = ((microseconds_now() * 1e3) - start) / (static_cast<double>(rounds) * static_cast<double>(input.size()));
    mscms.delete_transform(t);
    mscms.close(profiles[0]);
    mscms.close(profiles[1]);
    std::printf("MSCMS TranslateColors XYZ->sRGB %10.1f ns/colour%s\n", mscms_ns, sink == 0xFFFFFFFFu ? " " : "");
    std::printf("ratio HUEX_GetColorRGB / MSCMS   %10.3f\n", rgb / mscms_ns);
    return 0;
}
