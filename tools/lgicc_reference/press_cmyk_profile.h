// A small CMYK printer profile for tests: a simple press whose inks mix as
// ideal filters over sRGB, with half grey component replacement, sampled
// into lookup tables (CMYK to Lab on 9 points per axis, Lab to CMYK on 17).
#pragma once

#include <string>

// Writes the profile (ICC version 2, output class) to path; true on success.
bool write_press_cmyk_profile(const std::string& path);
