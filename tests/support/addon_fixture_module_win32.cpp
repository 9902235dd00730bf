#include "addon_fixture.h"

#include <windows.h>

#include <cstring>

#include "wine_test_support.h"

namespace {

bool add_resource(HANDLE update, const char* type, const char* name, const std::string& bytes)
{
    return UpdateResourceA(update, type, name, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                           const_cast<char*>(bytes.data()), static_cast<DWORD>(bytes.size())) != 0;
}

// String block 1 holds ids 0 to 15 as counted UTF-16 texts: 2 is the code, 3 the flag.
std::string string_block(const char* code, const char* flag)
{
    std::string s;
    for (int id = 0; id < 16; ++id) {
        const char* text = id == 2 ? code : id == 3 ? flag : "";
        s += table_words({static_cast<unsigned>(std::strlen(text))});
        for (const char* c = text; *c; ++c) s += table_words({static_cast<unsigned char>(*c)});
    }
    return s;
}

}  // namespace

bool build_addon(const std::string& path, const addon_tables& tables)
{
    // The language module is a resource-only module of the right architecture.
    if (!CopyFileA((bin_dir() + "lang\\HUEXLANG.DLL").c_str(), path.c_str(), FALSE)) return false;
    HANDLE u = BeginUpdateResourceA(path.c_str(), TRUE);
    if (u == nullptr) return false;
    bool ok = true;
    const struct { const char* type; const std::string* bytes; } parts[] = {
        {"PUB", &tables.pub}, {"NAMES", &tables.names}, {"CIE50", &tables.cie50},
        {"CIE65", &tables.cie65}, {"CMYK", &tables.cmyk},
    };
    for (const auto& part : parts)
        if (!part.bytes->empty()) ok = ok && add_resource(u, part.type, "addon", *part.bytes);
    ok = ok && add_resource(u, RT_STRING, MAKEINTRESOURCEA(1), string_block(tables.code, tables.flag));
    return EndUpdateResourceA(u, !ok) != 0 && ok;
}
