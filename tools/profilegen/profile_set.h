// The profiles that the tests and the demo install in the colour directory:
// display profiles with known colorants and every kind of tone curve the
// display model reads, a CMYK printer profile made from the guides' press
// model, colour-space profiles with XYZ and Lab data, and an input profile.
// All are ICC version 2 and come out byte for byte the same every time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct generated_profile {
    std::string file_name;
    std::vector<uint8_t> bytes;
};

// Tone curve kinds of the display profiles.
enum class display_curve { gamma, table, identity, two_entries, none };

struct display_profile_spec {
    const char* file_name;
    const char* description;
    double red[3], green[3], blue[3], white[3];  // XYZ as stored in the tags
    display_curve curve;
    double exponent;  // of the gamma (u8Fixed8) or of the sampled table
};

// The display profiles, as the tests know them.
const std::vector<display_profile_spec>& display_profile_specs();

// Every profile of the set; false when Little CMS fails to build one.
bool make_profile_set(std::vector<generated_profile>* profiles);
