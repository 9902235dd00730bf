// Timed loop: one whole enumeration of the display profiles in a colour
// directory holding 100 extra profiles (copies of the generated display,
// printer and colour-space profiles). Run under Wine by hand or `make bench`:
//   bench_enum_profiles [ROUNDS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "huex.h"
#include "wine_test_support.h"

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 20;
    const std::string dir = colour_directory();
    const char* sources[] = {"huex_display_gamma.icc", "huex_display_table.icm", "huex_press_cmyk.icc",
                             "xyzprof.pf", "huex_scanner.icc"};
    std::vector<std::string> made;
    for (int i = 0; i < 100; ++i) {
        char name[64];
        std::snprintf(name, sizeof name, "bench_%03d%s", i, i % 5 == 3 ? ".pf" : ".icc");
        const std::string to = dir + name;
        if (!CopyFileA((dir + sources[i % 5]).c_str(), to.c_str(), FALSE)) {
            std::fprintf(stderr, "cannot copy %s (are the test profiles installed?)\n", sources[i % 5]);
            return 1;
        }
        made.push_back(to);
    }

    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    int files = 0, found = 0;
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((dir + "*.*").c_str(), &data);
    if (search != INVALID_HANDLE_VALUE) {
        do ++files; while (FindNextFileA(search, &data));
        FindClose(search);
    }
    QueryPerformanceCounter(&start);
    for (int r = 0; r < rounds; ++r) {
        HANDLE state = nullptr;
        WIN32_FIND_DATAA find_data = {};
        char path[260], description[256];
        found = 0;
        while (enum_profiles_by_classification(0, &state, &find_data, path, description, 250) > 0) ++found;
    }
    QueryPerformanceCounter(&end);
    const double ms = 1000.0 * double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart) / rounds;
    std::printf("enumeration of class 0: %.2f ms per whole walk (%d directory entries, %d display profiles, %d rounds)\n",
                ms, files, found, rounds);
    for (const std::string& f : made) DeleteFileA(f.c_str());
    return 0;
}
