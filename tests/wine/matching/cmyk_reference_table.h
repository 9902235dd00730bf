// The CMYK Little CMS gives for guide colours matched as the look-up does it (written by tools/matching_reference).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "../../support/test_data.h"

struct cmyk_reference_entry { short system, flag, index, d50; uint16_t element[3], cmyk[4]; };

inline std::vector<cmyk_reference_entry> read_cmyk_reference(const std::string& name)
{
    std::vector<cmyk_reference_entry> rows;
    for (const data_row& f : read_data_table(name)) {
        long v[11];
        for (int i = 0; i < 11; ++i) v[i] = data_number(f.at(i));
        rows.push_back({short(v[0]), short(v[1]), short(v[2]), short(v[3]), {uint16_t(v[4]), uint16_t(v[5]), uint16_t(v[6])},
                        {uint16_t(v[7]), uint16_t(v[8]), uint16_t(v[9]), uint16_t(v[10])}});
    }
    return rows;
}
