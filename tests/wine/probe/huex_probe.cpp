// huex_probe LIBRARY COMMAND...: a host that loads huex.dll from the given path
// (never through the import table) and prints what it sees, one fact a line.
// Tests run it in folder layouts of their own, in a fresh process each time.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstring>

typedef int(WINAPI* enum_pubs_fn)(short*, short*, char*);
typedef int(WINAPI* set_name_fn)(DWORD, char*);

static void print_modules(const char* base_name)
{
    HMODULE modules[512];
    DWORD needed = 0;
    if (!EnumProcessModules(GetCurrentProcess(), modules, sizeof modules, &needed)) return;
    for (DWORD i = 0; i < needed / sizeof(HMODULE) && i < 512; ++i) {
        char path[MAX_PATH];
        if (!GetModuleFileNameA(modules[i], path, sizeof path)) continue;
        const char* slash = std::strrchr(path, '\\');
        if (lstrcmpiA(slash ? slash + 1 : path, base_name) == 0) std::printf("module %s\n", path);
    }
}

int main(int argc, char** argv)
{
    if (argc < 3) return 2;
    HMODULE huex = LoadLibraryA(argv[1]);
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
            while (enum_pubs && (n = enum_pubs(&system, &flag, name)) > 0)
                std::printf("pub %d %d %s\n", system, flag, name);
        } else if (std::strcmp(argv[i], "modules") == 0) {
            print_modules("HUEXLANG.DLL");
            print_modules("huex.dll");
        } else if (std::strcmp(argv[i], "setname") == 0) {
            auto set_name = reinterpret_cast<set_name_fn>(GetProcAddress(huex, "HUEX_GetColorSetName"));
            char name[300] = "";
            if (set_name) std::printf("setname %d %s\n", set_name(0, name), name);
        } else if (std::strcmp(argv[i], "unload") == 0) {
            std::printf("unload %d\n", FreeLibrary(huex) ? 1 : 0);
            huex = nullptr;
        }
    }
    std::fflush(stdout);
    return 0;
}
