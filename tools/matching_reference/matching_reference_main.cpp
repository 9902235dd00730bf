// matching_reference XYZ_PROFILE PRINTER_PROFILE OUT.csv
// Writes the Little CMS results that the Windows tests of the CMYK look-up
// compare against:
//   tests/data/matching_cmyk_press.csv: /usr/share/color/icc/LCMSXYZI.ICM to
//     tests/wine/lgicc/press_cmyk.icc
//   tests/data/matching_cmyk_generated.csv: tests/profiles/xyzprof.pf to
//     tests/profiles/huex_press_cmyk.icc
// A native test recomputes every row, so a stale table is noticed.
#include <cstdio>
#include <vector>

#include "cmyk_reference_rows.h"

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: matching_reference XYZ_PROFILE PRINTER_PROFILE OUT.csv\n");
        return 2;
    }
    std::vector<cmyk_reference_row> rows;
    if (!cmyk_reference(argv[1], argv[2], &rows)) {
        std::fprintf(stderr, "matching_reference: no transform or a colour without measurements\n");
        return 1;
    }
    FILE* out = std::fopen(argv[3], "w");
    if (!out) return 1;
    std::fprintf(out,
                 "# Written by tools/matching_reference from Little CMS %d; do not edit.\n"
                 "# %s to %s\n"
                 "# code, flag, index, d50, element X Y Z (65535 for 100), C M Y K\n",
                 LCMS_VERSION, argv[1], argv[2]);
    for (const cmyk_reference_row& r : rows)
        std::fprintf(out, "%d, %d, %d, %d, %u, %u, %u, %u, %u, %u, %u\n", r.system, r.flag, r.index, r.d50,
                     r.element[0], r.element[1], r.element[2], r.cmyk[0], r.cmyk[1], r.cmyk[2], r.cmyk[3]);
    return std::fclose(out) == 0 ? 0 : 1;
}
