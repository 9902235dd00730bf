// huexinfo addon-check FILE: reads an add-on publication file as data (its
// code never runs) and lists every way in which it breaks the add-on
// contract, or says in one line whether a swatch file (.ase, .gpl, .icc,
// .icm) reads as a palette and why not; exit status 0 only for a sound add-on, 1 for a faulty one or a
// file that does not open, 2 when the file cannot be read as a module at all. The descriptor is judged by the
// library's own descriptor readers, so "sound" here means "readable there".
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "console_text.h"
#include "colorlib/addon_contract.h"
#include "colorlib/color_system_codes.h"
#include "colorlib/palette_files.h"
#include "exchange/ase_reader.h"
#include "exchange/gpl_reader.h"
#include "exchange/icc_named_color_reader.h"
#include "exchange/palette_tables.h"
#include "command_line.h"
#include "files.h"

namespace {

byte_span addon_table(HMODULE module, const char* type)
{
    HRSRC found = FindResourceA(module, "addon", type);
    if (found == nullptr) return {};
    HGLOBAL loaded = LoadResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (data == nullptr) return {};
    return byte_span{static_cast<const uint8_t*>(data), SizeofResource(module, found)};
}

// The string, or nullptr when the add-on has none (an empty one counts as none,
// as it gives the library the same 0).
const char* addon_string(HMODULE module, UINT id, char* buffer, int size)
{
    return LoadStringA(module, id, buffer, size) > 0 ? buffer : nullptr;
}

// The processor the file is built for, from its PE header; 0 when the file
// has none. The library maps add-ons as images for their resources alone, so
// one built for another processor is read all the same: worth a note only.
WORD file_machine(const char* file)
{
    HANDLE h = CreateFileW(wide_of(file).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return 0;
    unsigned char head[4096];
    DWORD got = 0;
    BOOL read = ReadFile(h, head, sizeof head, &got, nullptr);
    CloseHandle(h);
    if (!read || got < 0x40 || head[0] != 'M' || head[1] != 'Z') return 0;
    DWORD pe = head[0x3C] | head[0x3D] << 8 | head[0x3E] << 16 | static_cast<DWORD>(head[0x3F]) << 24;
    if (pe > got || 6 > got - pe || std::memcmp(head + pe, "PE\0\0", 4) != 0) return 0;
    return static_cast<WORD>(head[pe + 4] | head[pe + 5] << 8);
}

#ifdef _WIN64
const WORD library_machine = IMAGE_FILE_MACHINE_AMD64;
#else
const WORD library_machine = IMAGE_FILE_MACHINE_I386;
#endif

std::u16string wide_name(const char* name)
{
    const std::wstring wide = wide_of(name);
    return std::u16string(wide.begin(), wide.end());
}

// A swatch file, as the library's palettes folders take it: one line, sound
// (with the name and size it lists under) or the reason it is passed over.
int check_palette(const char* file, const char* base, palette_format format)
{
    HANDLE h = CreateFileW(wide_of(file).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return file_failure("addon-check", "open", file, GetLastError());
    LARGE_INTEGER size = {};
    GetFileSizeEx(h, &size);
    palette_read read;
    std::vector<uint8_t> bytes;
    const char* kind = format == palette_format::ase ? "ASE" : format == palette_format::gpl ? "GPL" : "ICC";
    if (palette_size_ok(&read, static_cast<size_t>(size.QuadPart), kind)) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD got = 0;
        if (!bytes.empty() && (!ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) || got != bytes.size())) {
            const DWORD error = GetLastError();
            CloseHandle(h);
            return file_failure("addon-check", "read", file, error);
        }
        const byte_span span{bytes.data(), bytes.size()};
        read = format == palette_format::ase ? read_ase(span) : format == palette_format::gpl ? read_gpl(span) : read_icc_named_colors(span);
    }
    CloseHandle(h);
    if (read.refusal != palette_refusal::none) {
        out("%s: passed over as a palette: %s\n", file, read.reason.c_str());
        return 1;
    }
    const std::string desc = palette_desc_of(wide_name(base));
    const palette_tables tables = build_palette_tables(read.colors, desc, first_palette_system);
    if (!tables.ok) {
        out("%s: passed over as a palette: a colour has neither a measurement nor CMYK\n", file);
        return 1;
    }
    out("%s: sound palette, listed as \"%s\" with %u colours on %u pages%s%s\n", file, utf8_of_name(desc.c_str()).c_str(),
                static_cast<unsigned>(read.colors.size()),
                static_cast<unsigned>((read.colors.size() + palette_colors_per_page - 1) / palette_colors_per_page),
                tables.cmyk.empty() ? ", no CMYK recipes" : "", read.names_cut != 0 ? ", names cut to 75 characters" : "");
    return 0;
}

}  // namespace

int cmd_addon_check(int argc, char** argv)
{
    if (argc != 2) return usage_error("addon-check");
    const char* file = argv[1];
    if (const DWORD error = open_error(file)) return file_failure("addon-check", "open", file, error);
    const char* slash = std::strrchr(file, '\\');
    const char* base = slash ? slash + 1 : file;
    if (const char* s = std::strrchr(base, '/')) base = s + 1;
    const palette_format format = palette_format_of(wide_name(base));
    if (format != palette_format::none) return check_palette(file, base, format);

    HMODULE module = LoadLibraryExW(wide_of(file).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) {
        out("%s: not a loadable module (%s); the library would list nothing after it\n", file,
                    system_message(GetLastError()).c_str());
        return 2;
    }
    // Strings hold at most 19 characters for the library; a longer one is read
    // whole so that the check can say so.
    char system[64], flag[64];
    addon_contents contents = {
        addon_table(module, "PUB"),   addon_table(module, "NAMES"), addon_table(module, "CIE50"),
        addon_table(module, "CIE65"), addon_table(module, "CMYK"),
        addon_string(module, 2, system, sizeof system), addon_string(module, 3, flag, sizeof flag),
    };
    addon_breach breaches[32];
    const int count = check_addon(contents, breaches, 32);
    int problems = count;

    const WORD machine = file_machine(file);
    if (machine != library_machine)
        out("%s: built for processor 0x%04X, the library beside this program for 0x%04X; it holds no code and is read all the same\n",
                    file, machine, library_machine);
    if (_strnicmp(base, "huex_", 5) != 0 || std::strlen(base) < 10 || _stricmp(base + std::strlen(base) - 4, ".dll") != 0) {
        out("%s: file name does not match huex_*.dll; the library will not find it\n", file);
        ++problems;
    }
    for (int i = 0; i < count && i < 32; ++i) out("%s: %s\n", file, breaches[i].text);
    if (count > 32) out("%s: ... and %d more\n", file, count - 32);
    FreeLibrary(module);
    if (problems != 0) return 1;
    out("%s: sound add-on (code %s, flag %s)\n", file, system, flag);
    return 0;
}
