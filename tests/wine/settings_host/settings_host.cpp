// settings_host LIBRARY ROOT COMMAND...: a host for the settings tests. Before
// it loads the library it points HKEY_CURRENT_USER of this process at
// HKCU\Software\HUEXTests\ROOT, so each case has a registry of its own ("-"
// keeps the real one). Then it runs the commands, printing one fact a line:
//   load | free                LoadLibraryA / FreeLibrary of LIBRARY
//   classtaken                 registers "VerihuePickerClass" for the module handle the
//                              library will have, so that its own registration fails
//   monitor | printer          the current profile path
//   setmonitor P | setprinter P | name P | begin S D   the export's answer
//   rgb INDEX                  HUEX_GetColorRGB of colour INDEX of the coated guide (D50)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

static HMODULE huex;

template <class F> static F get(const char* name) { return reinterpret_cast<F>(GetProcAddress(huex, name)); }

int main(int argc, char** argv)
{
    if (argc < 3) return 2;
    if (std::strcmp(argv[2], "-") != 0) {
        char sub[300];
        std::snprintf(sub, sizeof sub, "Software\\HUEXTests\\%s", argv[2]);
        HKEY root = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, sub, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &root, nullptr) != ERROR_SUCCESS ||
            RegOverridePredefKey(HKEY_CURRENT_USER, root) != ERROR_SUCCESS)
            return 4;
    }
    for (int i = 3; i < argc; ++i) {
        const char* c = argv[i];
        const char* arg = i + 1 < argc ? argv[i + 1] : "";
        if (!std::strcmp(c, "load")) {
            std::printf("load %d\n", (huex = LoadLibraryA(argv[1])) != nullptr);
        } else if (!std::strcmp(c, "classtaken")) {
            // Mapped without running it, the library shows where the loader
            // puts it; unmapped again, the next load goes to the same place.
            HMODULE mapped = LoadLibraryExA(argv[1], nullptr, DONT_RESOLVE_DLL_REFERENCES);
            if (mapped) FreeLibrary(mapped);
            WNDCLASSA wc = {};
            wc.lpfnWndProc = DefWindowProcA;
            wc.hInstance = mapped;
            wc.lpszClassName = "VerihuePickerClass";
            std::printf("classtaken %d\n", mapped && RegisterClassA(&wc) ? 1 : 0);
        } else if (!std::strcmp(c, "free")) {
            std::printf("free %d\n", huex && FreeLibrary(huex) ? 1 : 0);
            huex = nullptr;
        } else if (!std::strcmp(c, "monitor") || !std::strcmp(c, "printer")) {
            char* text = nullptr;
            if (get<short(WINAPI*)(char**)>(c[0] == 'm' ? "HUEX_GetMonitorProfile" : "HUEX_GetPrinterProfile")(&text) == 0)
                std::printf("%s %s\n", c, text);
            get<short(WINAPI*)(char*)>("HUEX_DisposeProfile")(text);
        } else if (!std::strcmp(c, "setmonitor") || !std::strcmp(c, "setprinter")) {
            std::printf("%s %d\n", c, get<short(WINAPI*)(const char*)>(c[3] == 'm' ? "HUEX_SetMonitorProfile" : "HUEX_SetPrinterProfile")(arg));
            ++i;
        } else if (!std::strcmp(c, "begin") && i + 2 < argc) {
            std::printf("begin %d\n", get<short(WINAPI*)(const char*, const char*)>("HUEX_BeginMatchingSession")(argv[i + 1], argv[i + 2]));
            i += 2;
        } else if (!std::strcmp(c, "name")) {
            char name[260] = "";
            const short n = get<short(WINAPI*)(const char*, char*)>("HUEX_GetProfileName")(arg, name);
            std::printf("name %d %s\n", n, name);
            ++i;
        } else if (!std::strcmp(c, "rgb")) {
            WORD record[4] = {0, 0, 0, 0}, out[3] = {0, 0, 0};
            if (get<short(WINAPI*)(short, short, short, void*)>("HUEX_EncodeColor")(37, 0, short(std::atoi(arg)), record) == 0 &&
                get<short(WINAPI*)(const void*, WORD*, short)>("HUEX_GetColorRGB")(record, out, 1) == 0)
                std::printf("rgb %d %d %d\n", out[0] >> 8, out[1] >> 8, out[2] >> 8);
            ++i;
        }
    }
    std::fflush(stdout);
    return 0;
}
