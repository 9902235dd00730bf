// matching_reference XYZ_PROFILE PRINTER_PROFILE ARRAY OUT.h
// Writes the Little CMS results that the Windows tests of the CMYK look-up
// compare against, as the array ARRAY:
//   cmyk_reference_table: /usr/share/color/icc/LCMSXYZI.ICM to
//     tests/wine/lgicc/press_cmyk.icc (cmyk_reference_table.h)
//   cmyk_reference_generated: tests/profiles/xyzprof.pf to
//     tests/profiles/huex_press_cmyk.icc (cmyk_reference_generated.h)
// A native test recomputes every row, so a stale table is noticed.
#include <cstdio>
#include <vector>

#include "cmyk_reference_rows.h"

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: matching_reference XYZ_PROFILE PRINTER_PROFILE ARRAY OUT.h\n");
        return 2;
    }
    std::vector<cmyk_reference_row> rows;
    if (!cmyk_reference(argv[1], argv[2], &rows)) {
        std::fprintf(stderr, "matching_reference: no transform or a colour without measurements\n");
        return 1;
    }
    FILE* out = std::fopen(argv[4], "w");
    if (!out) return 1;
    std::fprintf(out,
                 "// Written by tools/matching_reference from Little CMS %d; do not edit.\n"
                 "// %s to %s\n"
                 "#pragma once\n#include \"cmyk_reference_entry.h\"\n\n"
                 "static const cmyk_reference_entry %s[] = {\n",
                 LCMS_VERSION, argv[1], argv[2], argv[3]);
    for (const cmyk_reference_row& r : rows)
        std::fprintf(out, "    {%d, %d, %d, %d, {%u, %u, %u}, {%u, %u, %u, %u}},\n", r.system, r.flag,
                     r.index, r.d50, r.element[0], r.element[1], r.element[2], r.cmyk[0], r.cmyk[1],
                     r.cmyk[2], r.cmyk[3]);
    std::fprintf(out, "};\n");
    return std::fclose(out) == 0 ? 0 : 1;
}
