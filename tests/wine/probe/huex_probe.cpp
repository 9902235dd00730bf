// huex_probe LIBRARY COMMAND...: a host that loads huex.dll by path and prints what it sees, one fact a line. After
// "root NAME" first, HKEY_CURRENT_USER is HKCU\Software\HUEXTests\NAME and the library waits for "load".
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "wine_test_support.h"

static HMODULE huex;
static WORD last_record[4];  // of the last "color", which "held" looks up again after a reload

template <class F> static F get(const char* name) { return reinterpret_cast<F>(GetProcAddress(huex, name)); }
typedef short(WINAPI* record_words_fn)(const void*, WORD*, short);
typedef short(WINAPI* record_text_fn)(const void*, char*);

// Every look-up of a record; a failed look-up prints its status and the receivers as they were (zero).
static void print_lookups(const WORD* record)
{
    short s = 0, f = 0, i = 0;
    short st = get<short(WINAPI*)(short*, short*, short*, const void*)>("HUEX_DecodeColor")(&s, &f, &i, record);
    std::printf(" decode %d %d %d %d", st, s, f, i);
    DWORD n = 0;
    st = get<short(WINAPI*)(const void*, DWORD*)>("HUEX_GetColorIndex")(record, &n);
    std::printf(" index %d %lu", st, n);
    for (const char* look : {"HUEX_GetShortColorName", "HUEX_GetColorName"}) {
        char name[300] = "";
        std::printf(look[8] == 'S' ? " short %d [%s]" : " full %d [%s]", get<record_text_fn>(look)(record, name), name);
    }
    for (const char* look : {"HUEX_GetColorXYZ", "HUEX_GetColorRGB"})
        for (short d50 : {1, 0, 2}) {
            WORD v[3] = {0, 0, 0};
            st = get<record_words_fn>(look)(record, v, d50);
            std::printf(" %s%d %d %u %u %u", look[13] == 'X' ? "xyz" : "rgb", d50, st, v[0], v[1], v[2]);
        }
    WORD cmyk[4] = {0, 0, 0, 0};
    st = get<record_words_fn>("HUEX_GetColorCMYK")(record, cmyk, 1);
    std::printf(" cmyk %d %u %u %u %u\n", st, cmyk[0], cmyk[1], cmyk[2], cmyk[3]);
}

static void print_color(int system, int flag, int index)
{
    WORD record[4] = {0x1100, 0x2200, 0x3300, 0};
    std::printf("color %d %d %d encode %d", system, flag, index,
                get<short(WINAPI*)(short, short, short, void*)>("HUEX_EncodeColor")(short(system), short(flag), short(index), record));
    std::memcpy(last_record, record, sizeof record);
    print_lookups(record);
}

// Calls visit(path, base name) for every mapped file: loaded modules and modules mapped for their resources.
template <class Visit> static void for_each_mapped_file(Visit visit)
{
    MEMORY_BASIC_INFORMATION m;
    for (const char* p = nullptr; VirtualQuery(p, &m, sizeof m) == sizeof m; p = static_cast<const char*>(m.BaseAddress) + m.RegionSize) {
        if (m.State == MEM_FREE || m.BaseAddress != m.AllocationBase || (m.Type != MEM_IMAGE && m.Type != MEM_MAPPED)) continue;
        char path[MAX_PATH];
        if (!GetMappedFileNameA(GetCurrentProcess(), const_cast<char*>(p), path, sizeof path)) continue;
        const char* shown = std::strncmp(path, "\\??\\", 4) == 0 ? path + 4 : path;
        const char* slash = std::strrchr(shown, '\\');
        visit(shown, slash ? slash + 1 : shown);
    }
}

static bool is_addon_file(const char* base) { return !_strnicmp(base, "huex_", 5) && !_stricmp(base + std::strlen(base) - 4, ".dll"); }

static size_t resource_module_views()
{
    size_t views = 0;
    for_each_mapped_file([&](const char*, const char* base) { views += is_addon_file(base) || lstrcmpiA(base, "HUEXLANG.DLL") == 0; });
    return views;
}

// The library's folder first for what it imports, as a host that loads it from another folder must.
static HMODULE load(const char* path) { return LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH); }

int main(int argc, char** argv)
{
    if (argc < 3) return 3;
    int i = 2;
    if (!std::strcmp(argv[2], "root") && argc > 3) {
        HKEY root = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, (std::string("Software\\HUEXTests\\") + argv[3]).c_str(), 0, nullptr, 0,
                            KEY_ALL_ACCESS, nullptr, &root, nullptr) || RegOverridePredefKey(HKEY_CURRENT_USER, root))
            return 4;
        i = 4;
    } else if ((huex = load(argv[1])) == nullptr) {
        return 3;
    }
    for (; i < argc; ++i) {
        const char* c = argv[i];
        const char* arg = i + 1 < argc ? argv[i + 1] : "";
        auto number = [&](int k) { return std::atoi(argv[i + k]); };
        if (!std::strcmp(c, "pubs")) {
            auto enum_pubs = get<int(WINAPI*)(short*, short*, char*)>("HUEX_EnumPubs");
            short system = -1, flag = 0;
            char name[256];
            // Bounded, so that a list that never ends fails instead of hanging.
            for (int listed = 0; listed < 64 && enum_pubs(&system, &flag, name) > 0; ++listed)
                std::printf("pub %d %d %s\n", system, flag, name);
        } else if (!std::strcmp(c, "modules")) {
            for_each_mapped_file([](const char* path, const char* base) { if (!_strnicmp(base, "huex", 4)) std::printf("module %s\n", path); });
        } else if (!std::strcmp(c, "setname")) {
            char name[300] = "";
            std::printf("setname %d %s\n", get<int(WINAPI*)(DWORD, char*)>("HUEX_GetColorSetName")(0, name), name);
        } else if (!std::strcmp(c, "pubsize") && i + 2 < argc) {
            auto size = [&](const char* which) { return get<int(WINAPI*)(short, short)>(which)(short(number(1)), short(number(2))); };
            std::printf("pubsize %d %d %d %d\n", number(1), number(2), size("HUEX_PubColors"), size("HUEX_PubPages"));
            i += 2;
        } else if (!std::strcmp(c, "color") && i + 3 < argc) {
            print_color(number(1), number(2), number(3));
            i += 3;
        } else if (!std::strcmp(c, "colors") && i + 4 < argc) {  // "colors S F FIRST LAST"
            for (int k = number(3); k <= number(4); ++k) print_color(number(1), number(2), k);
            i += 4;
        } else if (!std::strcmp(c, "reload") && i + 1 < argc) {  // N loads that use the add-ons; the process before and after
            const int cycles = number(1);
            ++i, FreeLibrary(huex);
            const process_counts before = current_process_counts();
            const size_t views_before = resource_module_views();
            int loaded = 0;
            for (; loaded < cycles && (huex = load(argv[1])) != nullptr; ++loaded) {
                get<int(WINAPI*)(short, short)>("HUEX_PubColors")(549, 0), get<int(WINAPI*)(short, short)>("HUEX_PubColors")(2085, 0);
                FreeLibrary(huex);
            }
            const process_counts after = current_process_counts();
            std::printf("reload %d heap %zu %zu handle %zu %zu views %zu %zu\n", loaded, before.heap_bytes, after.heap_bytes,
                        size_t(before.next_handle), size_t(after.next_handle), views_before, resource_module_views());
            huex = load(argv[1]);
        } else if (!std::strcmp(c, "held")) {
            std::printf("held");
            print_lookups(last_record);
        } else if (!std::strcmp(c, "rename") && i + 2 < argc) {
            std::printf("rename %d\n", MoveFileA(argv[i + 1], argv[i + 2]) ? 1 : 0);
            i += 2;
        } else if (!std::strcmp(c, "load")) {
            std::printf("load %d\n", (huex = load(argv[1])) != nullptr);
        } else if (!std::strcmp(c, "unload")) {
            std::printf("unload %d\n", huex && FreeLibrary(huex) ? 1 : 0);
            huex = nullptr;
        } else if (!std::strcmp(c, "classtaken")) {
            // Mapped without running it, the library shows where the loader puts it, so that its own class registration fails.
            HMODULE mapped = LoadLibraryExA(argv[1], nullptr, DONT_RESOLVE_DLL_REFERENCES);
            if (mapped) FreeLibrary(mapped);
            WNDCLASSA wc = {};
            wc.lpfnWndProc = DefWindowProcA;
            wc.hInstance = mapped;
            wc.lpszClassName = "VerihuePickerClass";
            std::printf("classtaken %d\n", mapped && RegisterClassA(&wc) ? 1 : 0);
        } else if (!std::strcmp(c, "monitor") || !std::strcmp(c, "printer")) {
            char* text = nullptr;
            if (get<short(WINAPI*)(char**)>(c[0] == 'm' ? "HUEX_GetMonitorProfile" : "HUEX_GetPrinterProfile")(&text) == 0)
                std::printf("%s %s\n", c, text);
            get<short(WINAPI*)(char*)>("HUEX_DisposeProfile")(text);
        } else if (!std::strcmp(c, "setmonitor") || !std::strcmp(c, "setprinter")) {
            std::printf("%s %d\n", c, get<short(WINAPI*)(const char*)>(c[3] == 'm' ? "HUEX_SetMonitorProfile" : "HUEX_SetPrinterProfile")(arg));
            ++i;
        } else if (!std::strcmp(c, "begin") && i + 2 < argc) {
            std::printf("begin %d\n", get<short(WINAPI*)(const char*, const char*)>("HUEX_BeginMatchingSession")(arg, argv[i + 2]));
            i += 2;
        } else if (!std::strcmp(c, "name")) {
            char name[260] = "";
            const short n = get<short(WINAPI*)(const char*, char*)>("HUEX_GetProfileName")(arg, name);
            std::printf("name %d %s\n", n, name);
            ++i;
        }
    }
    std::fflush(stdout);
    return 0;
}
