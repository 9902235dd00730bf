// What Little CMS gives natively for conversions through the module (written by tools/lgicc_reference).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "../../support/test_data.h"

struct lgicc_reference_row {
    std::string source, destination;  // "icc:<file>" in /usr/share/color/icc, "data:<file>" in tests/wine/lgicc
    int intent, source_channels, destination_channels;
    uint16_t in[4], out[4];
};

// The table's rows, read once, when first asked for.
inline const std::vector<lgicc_reference_row>& lgicc_reference_rows()
{
    static const std::vector<lgicc_reference_row> rows = [] {
        std::vector<lgicc_reference_row> read;
        for (const data_row& f : read_data_table("matching_lgicc_reference.csv")) {
            lgicc_reference_row r = {f.at(0), f.at(1), int(data_number(f.at(2))), int(data_number(f.at(3))), int(data_number(f.at(4))), {}, {}};
            for (int c = 0; c < 4; ++c) r.in[c] = uint16_t(data_number(f.at(5 + c))), r.out[c] = uint16_t(data_number(f.at(9 + c)));
            read.push_back(r);
        }
        return read;
    }();
    return rows;
}
