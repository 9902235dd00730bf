// Which swatch files become palettes, which of two files of one name wins,
// in what order they are listed and which code each keeps. The folders are
// read and the pairings stored by the Win32 glue (entry/palette_scan_win32.cpp);
// everything it decides is decided here.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

enum class palette_format : uint8_t { none, ase, gpl, icc };

// By the file name's extension, in any letter case: .ase, .gpl, .icc, .icm.
palette_format palette_format_of(const std::u16string& file_name);

// The two folders, in the order in which the first of two files with one
// name wins: the user's own before the one beside the library.
enum palette_folder : uint8_t { user_palette_folder, library_palette_folder };

struct palette_file {
    std::u16string name;  // as the folder lists it
    std::u16string key;   // the name as the platform folds letter case, to compare names as the file system does
    palette_folder folder;
};

// The files that become palettes, one per key: a file of the user's folder
// over one of the same name beside the library; files without a palette
// extension dropped. Sorted by key, so that the list does not depend on the
// order in which a file system happens to return its entries.
std::vector<palette_file> choose_palette_files(std::vector<palette_file> found);

// A file name paired with the system number of its palette code, as stored.
struct palette_pairing {
    std::u16string key;
    uint32_t system_number;
};

// The system number of each palette (keys in list order): its stored one,
// else the lowest that no stored pairing holds (a removed file keeps its
// number reserved) and no earlier palette took; 0 when all are taken. The
// numbers given anew are appended to `added` for the caller to store. A
// stored number outside the palette range, or one an earlier key of the list
// already holds, counts as none.
std::vector<uint32_t> assign_palette_codes(const std::vector<std::u16string>& keys,
                                           const std::vector<palette_pairing>& stored,
                                           std::vector<palette_pairing>* added);

// What the publication list shows: the file name without its extension, in
// the library's single-byte text, cut to what a descriptor's desc holds.
std::string palette_desc_of(const std::u16string& file_name);
