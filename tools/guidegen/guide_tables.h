// The library's colour tables and their readable CSV companions, built in
// memory from the guide designs and the press model, and written as files.
// Record formats: NAMES fixed-width names; CIE50/CIE65 three unsigned 16-bit
// little-endian values in hundredths of Y = 100; CMYK four 16-bit values in
// tenths of a percent; PAGE 8-byte labels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "colour_space.h"

struct guide_file {
    std::string name;  // e.g. "spot.names", "solidc.cie50", "process.csv"
    std::vector<uint8_t> bytes;
};

constexpr int solid_name_width = 15;
constexpr int process_name_width = 6;
constexpr int page_label_width = 8;
constexpr int solid_page_labels = 137;  // one more than pages: the last is never read

// Every table and CSV. Returns false (files incomplete) when a value would
// not fit its record, a name is too long or names repeat: the tables must
// never be written in that state.
bool build_guide_files(std::vector<guide_file>* files, std::string* error);

// Writes each file into dir (which must exist); false on the first failure.
bool write_guide_files(const std::vector<guide_file>& files, const std::string& dir, std::string* error);

// A coverage in tenths of a percent as the press model takes it.
cmyk_value recipe_coverage(const uint16_t tenths[4]);

// XYZ (Y = 1 scale) in stored units; false when it does not fit 16 bits.
bool stored_xyz(const xyz_value& v, uint16_t out[3]);
