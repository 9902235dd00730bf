// Reference tables kept as data under tests/data/: comma-separated rows, one
// record per line, '#' starting a comment line. Each test turns the fields of
// a row into its own record; a table that cannot be read is empty, which the
// test reports as a failure of its own.
#pragma once
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "test_files.h"

using data_row = std::vector<std::string>;

// The rows of tests/data/<name>, fields split at commas and trimmed of spaces.
inline std::vector<data_row> read_data_table(const std::string& name)
{
    std::vector<data_row> rows;
    std::ifstream in(source_path("tests/data/" + name));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        data_row row;
        size_t start = 0;
        for (;;) {
            size_t comma = line.find(',', start);
            std::string field = line.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
            size_t first = field.find_first_not_of(' '), last = field.find_last_not_of(' ');
            row.push_back(first == std::string::npos ? "" : field.substr(first, last - first + 1));
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
        rows.push_back(row);
    }
    return rows;
}

// A field as a number (decimal, or hexadecimal with 0x).
inline long data_number(const std::string& field) { return std::strtol(field.c_str(), nullptr, 0); }
