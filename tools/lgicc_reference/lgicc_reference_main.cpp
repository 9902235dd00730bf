// lgicc_reference profile OUT.icc        writes the test press CMYK profile
// lgicc_reference table ICC_DIR DATA_DIR OUT.csv
//                                        writes the Little CMS results table
// The profile is committed under tests/wine/lgicc/, the table as
// tests/data/matching_lgicc_reference.csv; the native tests recompute every
// table row, so a stale table is noticed.
#include <cstdio>
#include <string>

#include "press_cmyk_profile.h"
#include "reference_cases.h"

int main(int argc, char** argv)
{
    std::string command = argc > 1 ? argv[1] : "";
    if (command == "profile" && argc == 3) return write_press_cmyk_profile(argv[2]) ? 0 : 1;
    if (command == "table" && argc == 5) return write_reference_table(argv[2], argv[3], argv[4]) ? 0 : 1;
    std::fprintf(stderr, "usage: lgicc_reference profile OUT.icc\n"
                         "       lgicc_reference table ICC_DIR DATA_DIR OUT.csv\n");
    return 2;
}
