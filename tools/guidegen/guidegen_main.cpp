// guidegen: writes the library's colour-guide tables (and their CSVs) into a
// folder, by default the resource data folder of the source tree; with
// --contact-sheet it renders the tables found there as PNG pictures instead;
// with --addon pastel it writes the sample add-on publication's files.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "addon_guide_files.h"
#include "contact_sheet.h"
#include "guide_tables.h"

#ifndef GUIDEGEN_DATA_DIR
#error "GUIDEGEN_DATA_DIR must name the resource data folder"
#endif

namespace {

int usage()
{
    std::fprintf(stderr,
                 "usage: guidegen [--out DIR]             write the guide tables (default: %s)\n"
                 "       guidegen --contact-sheet DIR [--data DIR]   draw each guide as DIR/<guide>.png\n"
                 "       guidegen --addon pastel [--out DIR]  write the sample add-on's files (default: %s)\n",
                 GUIDEGEN_DATA_DIR, GUIDEGEN_PASTEL_DIR);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string out_dir = GUIDEGEN_DATA_DIR;
    std::string data_dir = GUIDEGEN_DATA_DIR;
    std::string sheet_dir;
    std::string addon;
    for (int i = 1; i < argc; ++i) {
        bool has_value = i + 1 < argc;
        if (std::strcmp(argv[i], "--out") == 0 && has_value)
            out_dir = argv[++i];
        else if (std::strcmp(argv[i], "--contact-sheet") == 0 && has_value)
            sheet_dir = argv[++i];
        else if (std::strcmp(argv[i], "--data") == 0 && has_value)
            data_dir = argv[++i];
        else if (std::strcmp(argv[i], "--addon") == 0 && has_value)
            addon = argv[++i];
        else
            return usage();
    }

    std::string error;
    if (!sheet_dir.empty()) {
        if (!write_contact_sheets(data_dir, sheet_dir, &error)) {
            std::fprintf(stderr, "guidegen: %s\n", error.c_str());
            return 1;
        }
        return 0;
    }
    if (!addon.empty() && addon != "pastel") return usage();
    // The add-on's files never go into the library's own data folder.
    if (!addon.empty() && out_dir == GUIDEGEN_DATA_DIR) out_dir = GUIDEGEN_PASTEL_DIR;
    std::vector<guide_file> files;
    bool built = addon.empty() ? build_guide_files(&files, &error) : build_pastel_addon_files(&files, &error);
    if (!built || !write_guide_files(files, out_dir, &error)) {
        std::fprintf(stderr, "guidegen: %s\n", error.c_str());
        return 1;
    }
    std::printf("guidegen: wrote %zu files to %s\n", files.size(), out_dir.c_str());
    return 0;
}
