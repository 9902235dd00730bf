// huex_probe LIBRARY COMMAND...: a host that loads huex.dll from the given path
// (never through the import table) and prints what it sees, one fact a line.
// Tests run it in folder layouts of their own, in a fresh process each time.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "wine_test_support.h"

typedef int(WINAPI* enum_pubs_fn)(short*, short*, char*);
typedef int(WINAPI* set_name_fn)(DWORD, char*);
typedef int(WINAPI* pub_size_fn)(short, short);
typedef short(WINAPI* encode_fn)(short, short, short, void*);
typedef short(WINAPI* decode_fn)(short*, short*, short*, const void*);
typedef short(WINAPI* record_words_fn)(const void*, WORD*, short);
typedef short(WINAPI* record_text_fn)(const void*, char*);
typedef short(WINAPI* record_index_fn)(const void*, DWORD*);

// "pubsize S F": colours per page and pages of the publication of a pair.
static void print_pub_size(HMODULE huex, short system, short flag)
{
    auto colors = reinterpret_cast<pub_size_fn>(GetProcAddress(huex, "HUEX_PubColors"));
    auto pages = reinterpret_cast<pub_size_fn>(GetProcAddress(huex, "HUEX_PubPages"));
    if (colors && pages) std::printf("pubsize %d %d %d %d\n", system, flag, colors(system, flag), pages(system, flag));
}

// The record of the last "color" command, which "held" looks up again as a
// host that keeps a colour across an unload of the library would.
static WORD last_record[4] = {0x1100, 0x2200, 0x3300, 0};

static void print_lookups(HMODULE huex, WORD* record);

// "color S F I": one colour encoded by pair and index, then every look-up
// of the record; a look-up that fails prints its status and no values.
static void print_color(HMODULE huex, short system, short flag, short index)
{
    auto encode = reinterpret_cast<encode_fn>(GetProcAddress(huex, "HUEX_EncodeColor"));
    if (!encode) return;
    WORD record[4] = {0x1100, 0x2200, 0x3300, 0};
    std::printf("color %d %d %d encode %d", system, flag, index, encode(system, flag, index, record));
    std::memcpy(last_record, record, sizeof record);
    print_lookups(huex, record);
}

static void print_lookups(HMODULE huex, WORD* record)
{
    auto decode = reinterpret_cast<decode_fn>(GetProcAddress(huex, "HUEX_DecodeColor"));
    auto get_index = reinterpret_cast<record_index_fn>(GetProcAddress(huex, "HUEX_GetColorIndex"));
    auto get_name = reinterpret_cast<record_text_fn>(GetProcAddress(huex, "HUEX_GetColorName"));
    auto get_short = reinterpret_cast<record_text_fn>(GetProcAddress(huex, "HUEX_GetShortColorName"));
    auto get_xyz = reinterpret_cast<record_words_fn>(GetProcAddress(huex, "HUEX_GetColorXYZ"));
    if (!decode || !get_index || !get_name || !get_short || !get_xyz) return;
    short s = 0, f = 0, i = 0;
    short st = decode(&s, &f, &i, record);
    std::printf(" decode %d %d %d %d", st, s, f, i);
    DWORD n = 0;
    st = get_index(record, &n);
    std::printf(" index %d %lu", st, st == 0 ? n : 0ul);
    char name[300] = "";
    std::printf(" short %d [%s]", get_short(record, name), name);
    name[0] = 0;
    std::printf(" full %d [%s]", get_name(record, name), name);
    for (short d50 = 1; d50 >= 0; --d50) {
        WORD xyz[3] = {0, 0, 0};
        st = get_xyz(record, xyz, d50);
        std::printf(" xyz%s %d %u %u %u", d50 ? "50" : "65", st, xyz[0], xyz[1], xyz[2]);
    }
    auto get_cmyk = reinterpret_cast<record_words_fn>(GetProcAddress(huex, "HUEX_GetColorCMYK"));
    WORD cmyk[4] = {0, 0, 0, 0};
    if (get_cmyk) {
        st = get_cmyk(record, cmyk, 1);
        std::printf(" cmyk %d %u %u %u %u", st, cmyk[0], cmyk[1], cmyk[2], cmyk[3]);
    }
    std::printf("\n");
}

// Calls visit(path, base name) once for every view of a file mapped in this
// process: modules the loader holds and modules mapped for their resources
// alike, each mapping counted on its own.
template <class Visit>
static void for_each_mapped_file(Visit visit)
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

static bool is_addon_file(const char* base)
{
    const size_t length = std::strlen(base);
    return _strnicmp(base, "huex_", 5) == 0 && length > 4 && _stricmp(base + length - 4, ".dll") == 0;
}

static void print_modules(const char* base_name)
{
    for_each_mapped_file([&](const char* path, const char* base) {
        if (lstrcmpiA(base, base_name) == 0) std::printf("module %s\n", path);
    });
}

// "time S F I N": N full-name look-ups of one colour, in nanoseconds each.
static void print_name_time(HMODULE huex, short system, short flag, short index, int rounds)
{
    auto encode = reinterpret_cast<encode_fn>(GetProcAddress(huex, "HUEX_EncodeColor"));
    auto get_name = reinterpret_cast<record_text_fn>(GetProcAddress(huex, "HUEX_GetColorName"));
    WORD record[4] = {0, 0, 0, 0};
    if (!encode || !get_name || rounds <= 0 || encode(system, flag, index, record) != 0) return;
    char name[300];
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < rounds; ++i) get_name(record, name);
    QueryPerformanceCounter(&end);
    double ns = (end.QuadPart - start.QuadPart) * 1e9 / frequency.QuadPart / rounds;
    std::printf("time %d %d %d %.0f ns\n", system, flag, index, ns);
}

// "addon_modules": every mapping of a file named huex_*.dll, as "addon_module PATH".
static void print_addon_modules()
{
    for_each_mapped_file([](const char* path, const char* base) {
        if (is_addon_file(base)) std::printf("addon_module %s\n", path);
    });
    std::printf("addon_modules end\n");
}

// How many mappings of add-ons and language modules the process holds.
static size_t resource_module_views()
{
    size_t views = 0;
    for_each_mapped_file([&](const char*, const char* base) {
        if (is_addon_file(base) || lstrcmpiA(base, "HUEXLANG.DLL") == 0) ++views;
    });
    return views;
}

int main(int argc, char** argv)
{
    if (argc < 3) return 2;
    // The library's folder first for what it imports (LgICC.dll), as a host
    // that loads it from another folder must.
    HMODULE huex = LoadLibraryExA(argv[1], nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (huex == nullptr) {
        std::printf("load failed %lu\n", GetLastError());
        return 3;
    }
    std::printf("loaded\n");
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "pubs") == 0) {
            auto enum_pubs = reinterpret_cast<enum_pubs_fn>(GetProcAddress(huex, "HUEX_EnumPubs"));
            short system = -1, flag = 0;
            char name[256];
            int n;
            // Bounded, so that a list that never ends shows as a failure
            // instead of a hang.
            for (int listed = 0; enum_pubs && listed < 64 && (n = enum_pubs(&system, &flag, name)) > 0; ++listed)
                std::printf("pub %d %d %s\n", system, flag, name);
        } else if (std::strcmp(argv[i], "modules") == 0) {
            print_modules("HUEXLANG.DLL");
            print_modules("huex.dll");
        } else if (std::strcmp(argv[i], "setname") == 0) {
            auto set_name = reinterpret_cast<set_name_fn>(GetProcAddress(huex, "HUEX_GetColorSetName"));
            char name[300] = "";
            if (set_name) std::printf("setname %d %s\n", set_name(0, name), name);
        } else if (std::strcmp(argv[i], "pubsize") == 0 && i + 2 < argc) {
            print_pub_size(huex, static_cast<short>(std::atoi(argv[i + 1])), static_cast<short>(std::atoi(argv[i + 2])));
            i += 2;
        } else if (std::strcmp(argv[i], "color") == 0 && i + 3 < argc) {
            print_color(huex, static_cast<short>(std::atoi(argv[i + 1])), static_cast<short>(std::atoi(argv[i + 2])),
                        static_cast<short>(std::atoi(argv[i + 3])));
            i += 3;
        } else if (std::strcmp(argv[i], "time") == 0 && i + 4 < argc) {
            print_name_time(huex, static_cast<short>(std::atoi(argv[i + 1])), static_cast<short>(std::atoi(argv[i + 2])),
                            static_cast<short>(std::atoi(argv[i + 3])), std::atoi(argv[i + 4]));
            i += 4;
        } else if (std::strcmp(argv[i], "addon_modules") == 0) {
            print_addon_modules();
        } else if (std::strcmp(argv[i], "reload") == 0 && i + 1 < argc) {
            // "reload N": unload, then load, use add-ons and unload N times, and
            // report what the process holds before and after.
            const int cycles = std::atoi(argv[++i]);
            FreeLibrary(huex);
            const process_counts before = current_process_counts();
            const size_t views_before = resource_module_views();
            int loaded = 0;
            for (int k = 0; k < cycles; ++k) {
                HMODULE again = LoadLibraryExA(argv[1], nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
                if (again == nullptr) break;
                ++loaded;
                // The sizes of publications 4 and 8 map the add-ons that hold them.
                if (auto colors = reinterpret_cast<pub_size_fn>(GetProcAddress(again, "HUEX_PubColors")))
                    colors(549, 0), colors(2085, 0);
                FreeLibrary(again);
            }
            const process_counts after = current_process_counts();
            std::printf("reload %d heap %zu %zu handle %zu %zu views %zu %zu\n", loaded, before.heap_bytes, after.heap_bytes,
                        static_cast<size_t>(before.next_handle), static_cast<size_t>(after.next_handle), views_before,
                        resource_module_views());
            huex = LoadLibraryExA(argv[1], nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
        } else if (std::strcmp(argv[i], "held") == 0) {
            std::printf("held");
            print_lookups(huex, last_record);
        } else if (std::strcmp(argv[i], "rename") == 0 && i + 2 < argc) {
            std::printf("rename %d\n", MoveFileA(argv[i + 1], argv[i + 2]) ? 1 : 0);
            i += 2;
        } else if (std::strcmp(argv[i], "load") == 0) {
            huex = LoadLibraryExA(argv[1], nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
            std::printf("load %d\n", huex != nullptr ? 1 : 0);
        } else if (std::strcmp(argv[i], "unload") == 0) {
            std::printf("unload %d\n", FreeLibrary(huex) ? 1 : 0);
            huex = nullptr;
        }
    }
    std::fflush(stdout);
    return 0;
}
