// settings_host LIBRARY ROOT COMMAND...: a host for the settings tests. Before
// it loads the library it points HKEY_CURRENT_USER of this process at
// HKCU\Software\HUEXTests\ROOT, so each case has a registry of its own that no
// other test process reads or writes ("-" keeps the real HKEY_CURRENT_USER).
// Then it runs the commands in order and prints one fact a line:
//   load | free               LoadLibraryA / FreeLibrary of LIBRARY
//   classtaken                registers "VerihuePickerClass" for the module
//                             handle the library will have, so that its own
//                             registration at start-up fails
//   monitor | printer         the current profile path
//   setmonitor P | setprinter P   the status of the Set export
//   name P                    HUEX_GetProfileName
//   rgb INDEX                 HUEX_GetColorRGB of colour INDEX of the coated guide (D50)
//   begin S D                 the status of HUEX_BeginMatchingSession (the session stays open)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

typedef short(WINAPI* get_fn)(char**);
typedef short(WINAPI* set_fn)(const char*);
typedef short(WINAPI* begin_fn)(const char*, const char*);
typedef short(WINAPI* name_fn)(const char*, char*);
typedef short(WINAPI* dispose_fn)(char*);
typedef short(WINAPI* encode_fn)(short, short, short, void*);
typedef short(WINAPI* rgb_fn)(const void*, WORD*, short);

static FARPROC export_of(HMODULE m, const char* name)
{
    FARPROC f = m ? GetProcAddress(m, name) : nullptr;
    if (f == nullptr) std::printf("missing %s\n", name);
    return f;
}

static void print_profile(HMODULE m, const char* label, const char* getter)
{
    auto get = reinterpret_cast<get_fn>(export_of(m, getter));
    auto dispose = reinterpret_cast<dispose_fn>(export_of(m, "HUEX_DisposeProfile"));
    char* text = nullptr;
    if (get && dispose && get(&text) == 0) {
        std::printf("%s %s\n", label, text);
        dispose(text);
    }
}

int main(int argc, char** argv)
{
    if (argc < 3) return 2;
    if (std::strcmp(argv[2], "-") != 0) {
        char sub[300];
        std::snprintf(sub, sizeof sub, "Software\\HUEXTests\\%s", argv[2]);
        HKEY root = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, sub, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &root,
                            nullptr) != ERROR_SUCCESS ||
            RegOverridePredefKey(HKEY_CURRENT_USER, root) != ERROR_SUCCESS) {
            std::printf("no private registry\n");
            return 4;
        }
    }
    HMODULE huex = nullptr;
    for (int i = 3; i < argc; ++i) {
        const char* c = argv[i];
        const char* arg = i + 1 < argc ? argv[i + 1] : "";
        if (std::strcmp(c, "load") == 0) {
            huex = LoadLibraryA(argv[1]);
            std::printf("load %d\n", huex != nullptr);
        } else if (std::strcmp(c, "classtaken") == 0) {
            // Mapped without running it, the library shows where the loader
            // puts it; unmapped again, the next load goes to the same place.
            HMODULE mapped = LoadLibraryExA(argv[1], nullptr, DONT_RESOLVE_DLL_REFERENCES);
            if (mapped) FreeLibrary(mapped);
            WNDCLASSA wc = {};
            wc.lpfnWndProc = DefWindowProcA;
            wc.hInstance = mapped;
            wc.lpszClassName = "VerihuePickerClass";
            std::printf("classtaken %d\n", mapped && RegisterClassA(&wc) ? 1 : 0);
        } else if (std::strcmp(c, "free") == 0) {
            std::printf("free %d\n", huex && FreeLibrary(huex) ? 1 : 0);
            huex = nullptr;
        } else if (std::strcmp(c, "monitor") == 0) {
            print_profile(huex, "monitor", "HUEX_GetMonitorProfile");
        } else if (std::strcmp(c, "printer") == 0) {
            print_profile(huex, "printer", "HUEX_GetPrinterProfile");
        } else if (std::strcmp(c, "setmonitor") == 0 || std::strcmp(c, "setprinter") == 0) {
            ++i;
            auto set = reinterpret_cast<set_fn>(export_of(
                huex, c[3] == 'm' ? "HUEX_SetMonitorProfile" : "HUEX_SetPrinterProfile"));
            if (set) std::printf("%s %d\n", c, set(arg));
        } else if (std::strcmp(c, "begin") == 0 && i + 2 < argc) {
            auto begin = reinterpret_cast<begin_fn>(export_of(huex, "HUEX_BeginMatchingSession"));
            if (begin) std::printf("begin %d\n", begin(argv[i + 1], argv[i + 2]));
            i += 2;
        } else if (std::strcmp(c, "name") == 0) {
            ++i;
            auto name = reinterpret_cast<name_fn>(export_of(huex, "HUEX_GetProfileName"));
            char text[260] = "";
            if (name) std::printf("name %d %s\n", name(arg, text), text);
        } else if (std::strcmp(c, "rgb") == 0) {
            ++i;
            auto encode = reinterpret_cast<encode_fn>(export_of(huex, "HUEX_EncodeColor"));
            auto rgb = reinterpret_cast<rgb_fn>(export_of(huex, "HUEX_GetColorRGB"));
            WORD record[4] = {0, 0, 0, 0}, out[3] = {0, 0, 0};
            if (encode && rgb && encode(37, 0, short(std::atoi(arg)), record) == 0 &&
                rgb(record, out, 1) == 0)
                std::printf("rgb %d %d %d\n", out[0] >> 8, out[1] >> 8, out[2] >> 8);
        }
    }
    std::fflush(stdout);
    return 0;
}
