// huexinfo export PUB --format icc|ase|gpl [-o FILE|-]: one publication as a
// colour book for other programs, gathered through the library's exports
// like any host would, so add-on publications export as the built-in ones.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "console_text.h"
#include "color_row.h"
#include "command_line.h"
#include "exchange/ase_writer.h"
#include "exchange/gpl_writer.h"
#include "exchange/icc_named_color_writer.h"
#include "files.h"

namespace {

struct left_out_counts {
    int no_name = 0, no_measurement = 0;
};

// Recipes come from the built-in printer: with an ICC printer profile the
// library answers with a match instead. The host's choice is put back after;
// when its file cannot be opened then, the library keeps it as the stored
// choice (it was the stored one), and the export reports the failure.
struct builtin_printer_scope {
    WCHAR* saved = nullptr;
    bool switched = false;
    builtin_printer_scope()
    {
        WCHAR* builtin = nullptr;
        if (HUEX_GetPrinterProfileW(&saved) == HUEX_OK && HUEX_GetDefaultPrinterProfileW(&builtin) == HUEX_OK &&
            lstrcmpW(saved, builtin) != 0) {
            HUEX_SetPrinterProfileW(builtin);
            switched = true;
        }
        HUEX_DisposeProfileW(builtin);
    }
    bool put_back()
    {
        const bool was_switched = switched;
        switched = false;
        return !was_switched || HUEX_SetPrinterProfileW(saved) == HUEX_OK;
    }
    ~builtin_printer_scope()
    {
        put_back();
        HUEX_DisposeProfileW(saved);
    }
};

// False when the host's printer profile could not be made current again
// (*printer names it).
bool gather_book(const pub_pair& p, int count, color_book* book, left_out_counts* left_out, std::string* printer)
{
    builtin_printer_scope scope;
    book->desc = p.desc;
    char set_name[256] = "";
    HUEX_GetColorSetName(0, set_name);
    book->copyright = std::string(p.desc) + " - " + set_name;
    book->colors_per_page = static_cast<uint32_t>(p.per_page);
    book->process = p.system == HUEX_SYSTEM_PROCESS;
    bool affixes_known = false;
    for (int i = 0; i < count; ++i) {
        extended_color r = {0, 0, 0, 0};
        char name[80], full[80];
        WORD v[4];
        if (HUEX_EncodeColor(p.system, p.flag, static_cast<short>(i), &r) != HUEX_OK) continue;
        if (HUEX_GetShortColorName(&r, name) <= 0 || HUEX_GetColorName(&r, full) <= 0) {
            ++left_out->no_name;
            continue;
        }
        if (HUEX_GetColorXYZ(&r, v, 1) != HUEX_OK) {
            ++left_out->no_measurement;
            continue;
        }
        book_color c;
        c.name = name;
        for (int k = 0; k < 3; ++k) c.xyz_d50[k] = stored_units(v[k], 10000);
        if (HUEX_GetColorCMYK(&r, v, 1) == HUEX_OK) {
            c.has_recipe = true;
            for (int k = 0; k < 4; ++k) c.cmyk[k] = stored_units(v[k], 1000);
        }
        // The library composes every full name of a publication as one word
        // and a blank, the name, then a blank and the display suffix; a
        // palette's full name is the colour's own name, uncut.
        const std::string f = full;
        const bool own_name = f.compare(0, c.name.size(), c.name) == 0;
        if (own_name) c.name = f;
        if (!affixes_known && own_name) {
            affixes_known = true;
        } else if (!affixes_known) {
            book->prefix = f.substr(0, f.find(' ') + 1);
            book->suffix = f.substr(std::min(f.size(), book->prefix.size() + c.name.size()));
            affixes_known = true;
        }
        book->colors.push_back(c);
    }
    *printer = scope.saved ? utf8_of(scope.saved) : "";
    return scope.put_back();
}

std::string default_file_name(const char* desc, const char* extension)
{
    std::string s;
    for (const char* p = desc; *p; ++p) s += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return (s.empty() ? std::string("publication") : s) + "." + extension;
}

}  // namespace

int cmd_export(int argc, char** argv)
{
    const char* format = nullptr;
    const char* output = nullptr;
    bool unknown_option = argc % 2 != 0;
    for (int i = 2; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--format") == 0)
            format = argv[i + 1];
        else if (std::strcmp(argv[i], "-o") == 0)
            output = argv[i + 1];
        else
            unknown_option = true;
    }
    char* end = nullptr;
    const long n = argc >= 2 ? std::strtol(argv[1], &end, 10) : -1;
    // Format names in any letter case; the file name takes the lower-case one.
    static const char* const formats[] = {"icc", "ase", "gpl"};
    const char* known_format = nullptr;
    for (const char* f : formats)
        if (format && same_word(format, f)) known_format = f;
    if (unknown_option || argc < 4 || end == argv[1] || *end != 0 || !known_format) return usage_error("export");
    format = known_format;
    pub_pair p;
    if (n < 0 || !nth_pub(static_cast<int>(n), &p)) {
        err("huexinfo export: no publication %s (see huexinfo pubs)\n", argv[1]);
        return 1;
    }

    // A look-up names a colour by a 16-bit signed index: past 32768 colours
    // the walk would name colours again and never reach the end.
    const long long count = static_cast<long long>(p.per_page) * p.pages;
    if (count > 32768) {
        err("huexinfo export: %s: %lld colours (a look-up names at most 32768)\n", p.title.c_str(), count);
        return 1;
    }
    color_book book;
    left_out_counts left_out;
    std::string printer;
    if (!gather_book(p, static_cast<int>(count), &book, &left_out, &printer)) {
        err("huexinfo export: the printer profile %s cannot be made current again; it stays the stored one\n",
                     printer.c_str());
        return 1;
    }
    if (left_out.no_name)
        err("huexinfo export: %d colours without a name left out\n", left_out.no_name);
    if (left_out.no_measurement)
        err("huexinfo export: %d colours without measurements left out\n", left_out.no_measurement);

    if (book.colors.empty()) {
        err("huexinfo export: %s: no colour to write\n", p.title.c_str());
        return 1;
    }

    std::vector<uint8_t> bytes;
    if (std::strcmp(format, "icc") == 0) {
        SYSTEMTIME now;
        GetSystemTime(&now);
        icc_write_result icc = write_icc_named_colors(
            book, icc_date_time{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond});
        if (icc.names_left_out)
            err("huexinfo export: %zu colours left out: an ICC colour name is at most %zu ASCII characters\n",
                         icc.names_left_out, icc_longest_name);
        if (icc.status != icc_write_status::ok) {
            err("huexinfo export: %s: %s\n", p.title.c_str(),
                         icc.status == icc_write_status::no_colors ? "no colour to write"
                                                                   : "the name prefix or suffix does not fit an ICC profile");
            return 1;
        }
        bytes = std::move(icc.bytes);
    } else if (std::strcmp(format, "ase") == 0) {
        bytes = write_ase(book);
    } else {
        const std::string text = write_gpl(book);
        bytes.assign(text.begin(), text.end());
    }
    const std::string path = output ? output : default_file_name(p.desc, format);
    if (const DWORD error = write_output(path, bytes.data(), bytes.size())) return file_failure("export", "write", path, error);
    // The standard output carries the colour book alone.
    if (!is_standard_output(path)) out("%s: %zu colours to %s\n", p.title.c_str(), book.colors.size(), path.c_str());
    return 0;
}
