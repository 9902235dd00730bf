// Add-ons made at run time with exactly the tables a case needs: a resource-only module on Windows,
// a folder of addon.<type> files natively.
#pragma once
#include <initializer_list>
#include <string>
#include <vector>

// Little-endian 16-bit words, as the tables store them.
inline std::string table_words(std::initializer_list<unsigned> values) {
    std::string s;
    for (unsigned v : values) s += {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
    return s;
}

struct addon_tables {
    std::string pub, names, cie50, cie65, cmyk;  // an empty table is left out
    const char* code;                            // string 2
    const char* flag;                            // string 3
};

// A descriptor as add-on authors write it, comments included.
inline std::string addon_descriptor(const std::string& desc, unsigned pub_no, unsigned per_page, unsigned pages,
                                    const std::string& suffixes, unsigned name_size) {
    return "// [desc] pub_no colors_per_page number_of_pages //\r\n[" + desc + "] " + std::to_string(pub_no) + " " +
           std::to_string(per_page) + " " + std::to_string(pages) + "\r\n// [display_suffix][printer_suffix]\r\n" +
           suffixes + "\r\n// [CMYK Description] //\r\n[Fixture]\r\n// COLOR_NAME_SIZE //\r\n" +
           std::to_string(name_size) + "\r\n";
}

inline std::string fixed_records(const std::vector<std::string>& texts, size_t width) {
    std::string s;
    for (const std::string& t : texts) {
        s += t.substr(0, width);
        if (t.size() < width) s.append(width - t.size(), '\0');
    }
    return s;
}

#ifdef _WIN32
bool build_addon(const std::string& path, const addon_tables& tables);

// The user's palette folder, palettes beside the test's own library, and the stored palette codes: what a case puts
// there is gone when it ends, a failed assertion included. Created empty of pairings.
struct palette_folders {
    palette_folders();
    ~palette_folders();
    palette_folders(const palette_folders&) = delete;
    palette_folders& operator=(const palette_folders&) = delete;
    std::string user;  // %APPDATA%\HUEX\Palettes\ (a path)
    // Writes `bytes` as folder + name (the folder made when missing, and removed again at the end).
    bool put(const std::string& folder, const std::string& name, const std::string& bytes);
    std::vector<std::string> files, folders;
};
// A palette text: one line "R G B name" per colour.
std::string gpl_palette(const std::vector<std::string>& lines);
#else
bool write_addon_folder(const std::string& dir, const addon_tables& tables, const std::string& page = {});
#endif
