#include "addon_fixture.h"

#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include "test_files.h"
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

static void delete_pairings() { RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\VERIHUE\\HUEX\\Palettes"); }

palette_folders::palette_folders()
{
    delete_pairings();
    char appdata[MAX_PATH] = "";
    if (SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appdata)))
        user = std::string(appdata) + "\\HUEX\\Palettes\\";
}

palette_folders::~palette_folders()
{
    for (auto f = files.rbegin(); f != files.rend(); ++f) DeleteFileA(f->c_str());
    for (auto d = folders.rbegin(); d != folders.rend(); ++d) RemoveDirectoryA(d->c_str());
    delete_pairings();
}

bool palette_folders::put(const std::string& folder, const std::string& name, const std::string& bytes)
{
    if (folder.empty()) return false;
    for (size_t at = folder.find('\\', 3); at != std::string::npos; at = folder.find('\\', at + 1)) {
        const std::string part = folder.substr(0, at);
        if (CreateDirectoryA(part.c_str(), nullptr)) folders.push_back(part);
    }
    files.push_back(folder + name);
    return write_file_bytes(files.back(), std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

std::string gpl_palette(const std::vector<std::string>& lines)
{
    std::string text = "GIMP Palette\nName: Fixture\n#\n";
    for (const std::string& line : lines) text += line + "\n";
    return text;
}
