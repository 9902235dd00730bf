// Timed loop under Wine: what a host pays to load the library and let it go.
// LoadLibraryA + FreeLibrary of huex.dll (attach: language module, window
// classes, the add-on scan finding the sample add-on beside it, the settings
// with a stored monitor and printer profile; detach: the settings written
// back), against the same loop on the system's comdlg32.dll. Rounds of the
// two alternate, so that both see the same load on the machine. The windowing
// libraries stay loaded throughout, as in any host with a window. Prints
// milliseconds per load and free (best and median round) and the ratios. Run by hand (make bench);
// not a test. This program does not import huex.dll: each round loads it.
//
//   bench_startup [ROUNDS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_clock.h"
#include "wine_test_support.h"

namespace {

const char settings_key[] = "Software\\VERIHUE\\HUEX";

// The stored profile paths as they were; put back on the way out.
struct stored_profiles {
    std::string values[2];
    bool present[2] = {false, false};
    const char* names[2] = {"DISPLAY_PROFILE_PATH", "PRINTER_PROFILE_PATH"};
    stored_profiles(const std::string& monitor, const std::string& printer)
    {
        for (int i = 0; i < 2; ++i) {
            char value[MAX_PATH] = "";
            DWORD size = sizeof value;
            present[i] = RegGetValueA(HKEY_CURRENT_USER, settings_key, names[i], RRF_RT_REG_SZ, nullptr, value, &size) ==
                         ERROR_SUCCESS;
            values[i] = value;
            const std::string& path = i == 0 ? monitor : printer;
            RegSetKeyValueA(HKEY_CURRENT_USER, settings_key, names[i], REG_SZ, path.c_str(), DWORD(path.size() + 1));
        }
    }
    ~stored_profiles()
    {
        for (int i = 0; i < 2; ++i)
            if (present[i])
                RegSetKeyValueA(HKEY_CURRENT_USER, settings_key, names[i], REG_SZ, values[i].c_str(),
                                DWORD(values[i].size() + 1));
            else
                RegDeleteKeyValueA(HKEY_CURRENT_USER, settings_key, names[i]);
    }
};

// One load and free in milliseconds; negative when the load failed.
double load_and_free(const std::string& path)
{
    const double start = microseconds_now();
    HMODULE m = LoadLibraryA(path.c_str());
    if (m == nullptr) return -1;
    FreeLibrary(m);
    return (microseconds_now() - start) / 1000.0;
}

}  // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 40;
    const std::string folder = fresh_case_dir("startup");
    const std::string monitor = folder + "srgb.icc", printer = folder + "press_cmyk.icc";
    if (!copy_library_into(folder) || !copy_into("addons\\huex_pastel.dll", folder) ||
        !copy_into("Z:\\usr\\share\\color\\icc\\sRGB.icc", folder, "srgb.icc") ||
        !copy_into(bin_dir() + "..\\..\\..\\tests\\wine\\lgicc\\press_cmyk.icc", folder)) {
        std::printf("files for the run could not be put in %s\n", folder.c_str());
        return 1;
    }
    LoadLibraryA("user32.dll");
    LoadLibraryA("gdi32.dll");
    stored_profiles stored(monitor, printer);

    const std::string library = folder + "huex.dll";
    const double first_library = load_and_free(library), first_system = load_and_free("comdlg32.dll");
    if (first_library < 0 || first_system < 0) {
        std::printf("huex.dll or comdlg32.dll did not load\n");
        return 1;
    }
    std::vector<double> library_times, system_times;
    for (int i = 0; i < rounds; ++i) {
        library_times.push_back(load_and_free(library));
        system_times.push_back(load_and_free("comdlg32.dll"));
    }
    const round_figures l = figures_of(library_times), s = figures_of(system_times);
    std::printf("rounds: %d (sample add-on, stored monitor and printer profile)\n", rounds);
    std::printf("                                         best     median (ms)\n");
    std::printf("huex.dll first load + free           %8.2f\n", first_library);
    std::printf("comdlg32.dll first load + free       %8.2f\n", first_system);
    std::printf("huex.dll load + free                 %8.2f %8.2f\n", l.best, l.median);
    std::printf("comdlg32.dll load + free             %8.2f %8.2f\n", s.best, s.median);
    std::printf("ratio load+free huex.dll / comdlg32.dll %8.3f best %8.3f median\n", s.best > 0 ? l.best / s.best : 0.0,
                s.median > 0 ? l.median / s.median : 0.0);
    return 0;
}
