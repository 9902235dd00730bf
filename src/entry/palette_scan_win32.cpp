// Folders, files and registry of the palettes. Paths are wide throughout: a
// designer's file or profile folder may carry a name no code page holds.
#include "entry/palette_scan_win32.h"

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "colorlib/color_system_codes.h"
#include "colorlib/palette_files.h"
#include "colorlib/palette_records.h"
#include "entry/settings_store_win32.h"
#include "exchange/ase_reader.h"
#include "exchange/gpl_reader.h"
#include "exchange/icc_named_color_reader.h"
#include "frame/module_handles_win32.h"

namespace {

std::u16string from_wide(const wchar_t* text) { return std::u16string(reinterpret_cast<const char16_t*>(text)); }
std::wstring to_wide(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

// Letter case folded as the file system and the registry fold it.
std::u16string fold(const std::u16string& name)
{
    std::wstring w = to_wide(name);
    if (!w.empty()) CharUpperBuffW(&w[0], static_cast<DWORD>(w.size()));
    return from_wide(w.c_str());
}

// Each folder ends in a backslash; empty when it cannot be found.
std::wstring library_palette_folder_path()
{
    wchar_t path[MAX_PATH + 1];
    const DWORD n = GetModuleFileNameW(instance_handle, path, MAX_PATH + 1);
    if (n == 0 || n > MAX_PATH) return {};
    std::wstring folder(path, n);
    const size_t slash = folder.rfind(L'\\');
    if (slash == std::wstring::npos) return {};
    return folder.substr(0, slash + 1) + L"palettes\\";
}

// The shell is loaded for this one call and kept: a host that loads and
// unloads the library again and again would otherwise load and unload the
// shell with it each time, and the shell does not give back all it takes.
std::wstring user_palette_folder_path()
{
    HMODULE shell = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN, L"shell32.dll", &shell)) {
        shell = LoadLibraryW(L"shell32.dll");
        if (shell == nullptr || !GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_PIN, L"shell32.dll", &shell)) return {};
    }
    using folder_path_function = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPWSTR);
    const auto folder_path = reinterpret_cast<folder_path_function>(
        reinterpret_cast<void*>(GetProcAddress(shell, "SHGetFolderPathW")));
    wchar_t path[MAX_PATH];
    if (folder_path == nullptr || FAILED(folder_path(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
    std::wstring folder(path);
    if (folder.empty()) return {};
    if (folder.back() != L'\\') folder += L'\\';
    return folder + L"HUEX\\Palettes\\";
}

void list_folder(const std::wstring& folder, palette_folder which, std::vector<palette_file>& found)
{
    if (folder.empty()) return;
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((folder + L"*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        const std::u16string name = from_wide(entry.cFileName);
        found.push_back({name, fold(name), which});
    } while (FindNextFileW(search, &entry));
    FindClose(search);
}

// The file's bytes; false when it does not open or exceeds what a palette
// may take (then it is not read at all).
bool read_bytes(const std::wstring& path, std::vector<uint8_t>& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size;
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart > 0 && size.QuadPart <= static_cast<LONGLONG>(palette_file_size_max);
    if (ok) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD got = 0;
        ok = ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) && got == bytes.size();
    }
    CloseHandle(file);
    return ok;
}

palette_read read_palette(palette_format format, const std::vector<uint8_t>& bytes)
{
    const byte_span span{bytes.data(), bytes.size()};
    switch (format) {
    case palette_format::ase: return read_ase(span);
    case palette_format::gpl: return read_gpl(span);
    case palette_format::icc: return read_icc_named_colors(span);
    default: return palette_read{palette_refusal::not_a_palette, {}, {}, 0};
    }
}

// The pairings live beside the other settings, one value per file name.
HKEY open_pairings()
{
    std::wstring key;
    for (const char* c = settings_key; *c; ++c) key += static_cast<wchar_t>(*c);
    key += L"Palettes";
    HKEY opened = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_QUERY_VALUE | KEY_SET_VALUE,
                        nullptr, &opened, nullptr) != ERROR_SUCCESS)
        return nullptr;
    return opened;
}

std::vector<palette_pairing> read_pairings(HKEY key)
{
    std::vector<palette_pairing> stored;
    for (DWORD i = 0;; ++i) {
        wchar_t name[16384];
        DWORD name_size = 16384, type = 0, code = 0, code_size = sizeof code;
        const LONG rc = RegEnumValueW(key, i, name, &name_size, nullptr, &type, reinterpret_cast<BYTE*>(&code), &code_size);
        if (rc == ERROR_NO_MORE_ITEMS) break;
        if (rc != ERROR_SUCCESS || type != REG_DWORD || code_size != sizeof code) continue;
        // Whatever else the value holds, it is no palette code and reserves nothing.
        if (code > 0xFFFF || !is_palette_code(static_cast<int16_t>(code))) continue;
        stored.push_back({fold(from_wide(name)), code >> 8});
    }
    return stored;
}

struct read_palette_file {
    palette_file file;
    palette_read read;
};

}  // namespace

void scan_palettes(publication_catalogue& catalogue)
{
    std::vector<palette_file> found;
    list_folder(user_palette_folder_path(), user_palette_folder, found);
    list_folder(library_palette_folder_path(), library_palette_folder, found);
    const std::wstring folders[] = {user_palette_folder_path(), library_palette_folder_path()};

    // Only a file that reads as a palette takes a code: a broken one is
    // passed over and reserves nothing until it is mended.
    std::vector<read_palette_file> palettes;
    for (const palette_file& f : choose_palette_files(found)) {
        std::vector<uint8_t> bytes;
        if (!read_bytes(folders[f.folder] + to_wide(f.name), bytes)) continue;
        palette_read read = read_palette(palette_format_of(f.name), bytes);
        if (read.refusal == palette_refusal::none) palettes.push_back({f, std::move(read)});
    }
    if (palettes.empty()) return;

    HKEY key = open_pairings();
    const std::vector<palette_pairing> stored = key != nullptr ? read_pairings(key) : std::vector<palette_pairing>{};
    std::vector<std::u16string> keys;
    for (const read_palette_file& p : palettes) keys.push_back(p.file.key);
    std::vector<palette_pairing> added;
    const std::vector<uint32_t> numbers = assign_palette_codes(keys, stored, &added);
    if (key != nullptr) {
        for (const palette_pairing& a : added)
            for (const read_palette_file& p : palettes)
                if (p.file.key == a.key) {
                    const DWORD code = static_cast<uint16_t>(palette_code(a.system_number));
                    RegSetValueExW(key, to_wide(p.file.name).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&code), sizeof code);
                }
        RegCloseKey(key);
    }

    for (size_t i = 0; i < palettes.size(); ++i) {
        if (numbers[i] == 0) continue;  // every code is taken
        const std::string desc = palette_desc_of(palettes[i].file.name);
        const palette_tables tables = build_palette_tables(palettes[i].read.colors, desc, numbers[i]);
        if (!tables.ok) continue;
        void* block = LocalAlloc(LPTR, palette_record_size(tables));
        if (block == nullptr) break;
        append_palette_record(catalogue, place_palette_record(block, tables, desc, numbers[i]));
    }
}
