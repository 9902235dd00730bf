// A colour book as a swatch exchange file (.ase, version 1.0): one group
// named after the publication; a solid guide's colours as spot colours in
// Lab, a process guide's as process colours in CMYK from their recipes.
#pragma once
#include <cstdint>
#include <vector>

#include "exchange/color_book.h"

// Block types and colour types of the format.
constexpr uint16_t ase_group_start = 0xC001;
constexpr uint16_t ase_group_end = 0xC002;
constexpr uint16_t ase_color_entry = 0x0001;
constexpr uint16_t ase_type_spot = 1;
constexpr uint16_t ase_type_process = 2;

std::vector<uint8_t> write_ase(const color_book& book);
