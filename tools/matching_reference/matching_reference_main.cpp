// matching_reference XYZ_PROFILE PRINTER_PROFILE OUT.h
// Writes the Little CMS results that the Windows tests of the CMYK look-up
// compare against (tests/wine/matching/cmyk_reference_table.h, made from
// /usr/share/color/icc/LCMSXYZI.ICM and tests/wine/lgicc/press_cmyk.icc). A
// native test recomputes every row, so a stale table is noticed.
#include <cstdio>
#include <vector>

#include "cmyk_reference_rows.h"

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: matching_reference XYZ_PROFILE PRINTER_PROFILE OUT.h\n");
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
                 "// Written by tools/matching_reference from Little CMS %d; do not edit.\n"
                 "// Each row: colour (code, flag, index), illuminant selector, the element\n"
                 "// the look-up builds from the measurement, and the CMYK Little CMS gives.\n"
                 "#pragma once\n#include <cstdint>\n\n"
                 "struct cmyk_reference_entry {\n    short system, flag, index, d50;\n"
                 "    uint16_t element[3];\n    uint16_t cmyk[4];\n};\n\n"
                 "static const cmyk_reference_entry cmyk_reference_table[] = {\n",
                 LCMS_VERSION);
    for (const cmyk_reference_row& r : rows)
        std::fprintf(out, "    {%d, %d, %d, %d, {%u, %u, %u}, {%u, %u, %u, %u}},\n", r.system, r.flag,
                     r.index, r.d50, r.element[0], r.element[1], r.element[2], r.cmyk[0], r.cmyk[1],
                     r.cmyk[2], r.cmyk[3]);
    std::fprintf(out, "};\n");
    return std::fclose(out) == 0 ? 0 : 1;
}
