// A colour book read straight from a publication's committed tables, without the library: what its export must hold.
#pragma once
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "exchange/color_book.h"
#include "test_files.h"

struct table_files { std::string pub, names, cie50, cmyk; };

inline table_files builtin_table_files(const std::string& data_dir, int n) {
    static const char* const cie[] = {"solidc", "solidu", "simprc", "process"};
    const std::string kind = n == 3 ? "process" : "spot";
    const std::string d = data_dir + "/";
    return {d + cie[n] + ".pub", d + kind + ".names", d + cie[n] + ".cie50", d + kind + ".cmyk"};
}

inline table_files addon_table_files(const std::string& dir) {
    const std::string d = dir + "/addon.";
    return {d + "pub", d + "names", d + "cie50", d + "cmyk"};
}

// The copyright line reads "<desc> - <copyright_tail>".
inline color_book color_book_from_tables(const table_files& f, const std::string& copyright_tail) {
    std::vector<std::string> lines;
    std::string line;
    for (uint8_t ch : read_file_bytes(f.pub)) {
        if (ch == '\n' && !line.empty() && line[0] != '/') lines.push_back(line);
        if (ch == '\n') line.clear();
        else if (ch != '\r') line += static_cast<char>(ch);
    }
    color_book book;
    if (lines.size() < 4) return book;
    const size_t close = lines[0].find(']');
    book.desc = lines[0].substr(1, close - 1);
    char* rest = nullptr;
    const unsigned long pub_no = std::strtoul(lines[0].c_str() + close + 1, &rest, 10);
    book.colors_per_page = static_cast<uint32_t>(std::strtoul(rest, &rest, 10));
    const unsigned long pages = std::strtoul(rest, nullptr, 10);
    book.process = pub_no == 3, book.prefix = "VERIHUE ";
    book.suffix = " " + lines[1].substr(1, lines[1].find(']') - 1);
    book.copyright = book.desc + " - " + copyright_tail;
    const size_t width = std::strtoul(lines[3].c_str(), nullptr, 10);

    const std::vector<uint8_t> names = read_file_bytes(f.names), cie = read_file_bytes(f.cie50), cmyk = read_file_bytes(f.cmyk);
    auto word = [](const std::vector<uint8_t>& t, size_t at) { return static_cast<uint16_t>(t[at] | t[at + 1] << 8); };
    for (size_t i = 0; i < book.colors_per_page * pages; ++i) {
        if (width == 0 || (i + 1) * width > names.size() || (i + 1) * 6 > cie.size()) continue;
        book_color c;
        for (size_t k = 0; k < width && names[i * width + k] != 0; ++k) c.name += static_cast<char>(names[i * width + k]);
        if (c.name.empty()) continue;
        for (int k = 0; k < 3; ++k) c.xyz_d50[k] = word(cie, i * 6 + k * 2);
        c.has_recipe = (i + 1) * 8 <= cmyk.size();
        for (int k = 0; c.has_recipe && k < 4; ++k) c.cmyk[k] = word(cmyk, i * 8 + k * 2);
        book.colors.push_back(c);
    }
    return book;
}
