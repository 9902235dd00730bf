#include "addon_guide_files.h"

#include <cctype>
#include <cstdio>
#include <set>

#include "pastel_guide.h"
#include "press_inverse.h"

namespace {

const char pastel_descriptor[] =
    "// [desc] pub_no colors_per_page number_of_pages //\r\n"
    "[Pastel Guide/Coated] 4 8 36\r\n"
    "// [display_suffix][printer_suffix][picker_description(optional)]\r\n"
    "[DPC][PPC]\r\n"
    "// [CMYK Description] //\r\n"
    "[Process Color Simulation for 150-line Imagesetting]\r\n"
    "// COLOR_NAME_SIZE //\r\n"
    "16\r\n";

void put_u16(std::vector<uint8_t>& out, uint16_t v)
{
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

std::vector<uint8_t> text_bytes(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

std::string lower(const std::string& s)
{
    std::string out = s;
    for (char& ch : out) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return out;
}

}  // namespace

bool build_pastel_addon_files(std::vector<guide_file>* files, std::string* error)
{
    files->clear();
    const std::vector<pastel_colour> guide = design_pastel_guide();
    if (guide.size() != static_cast<size_t>(pastel_colour_count)) {
        *error = "pastel guide size differs from its descriptor";
        return false;
    }
    std::vector<uint8_t> names, cie50, cie65, cmyk;
    std::string csv = "index,page,name,X_D50,Y_D50,Z_D50,X_D65,Y_D65,Z_D65,C,M,Y,K\n";
    std::set<std::string> seen;
    for (size_t i = 0; i < guide.size(); ++i) {
        const pastel_colour& colour = guide[i];
        // Names are found case-blind by the picker: they must differ as such.
        if (colour.name.size() > static_cast<size_t>(pastel_name_width) || !seen.insert(lower(colour.name)).second) {
            *error = "bad or repeated name \"" + colour.name + "\"";
            return false;
        }
        uint16_t d50[3], d65[3], recipe[4];
        const xyz_value xyz = lab_to_xyz_d50(colour.ink);
        if (!stored_xyz(xyz, d50) || !stored_xyz(adapt_d50_to_d65(xyz), d65)) {
            *error = "measurement out of range for " + colour.name;
            return false;
        }
        press_inverse_tenths(colour.ink, recipe);

        for (int k = 0; k < pastel_name_width; ++k)
            names.push_back(k < static_cast<int>(colour.name.size()) ? static_cast<uint8_t>(colour.name[k]) : 0);
        for (int k = 0; k < 3; ++k) put_u16(cie50, d50[k]);
        for (int k = 0; k < 3; ++k) put_u16(cie65, d65[k]);
        for (int k = 0; k < 4; ++k) put_u16(cmyk, recipe[k]);

        char cell[96];
        std::snprintf(cell, sizeof cell, "%zu,Page %zu,", i, i / pastel_steps + 1);
        csv += cell + colour.name;
        for (const uint16_t* v : {d50, d65})
            for (int k = 0; k < 3; ++k) {
                std::snprintf(cell, sizeof cell, ",%u.%02u", v[k] / 100u, v[k] % 100u);
                csv += cell;
            }
        for (int k = 0; k < 4; ++k) {
            std::snprintf(cell, sizeof cell, ",%u.%u", recipe[k] / 10u, recipe[k] % 10u);
            csv += cell;
        }
        csv += "\n";
    }
    files->push_back({"addon.pub", text_bytes(pastel_descriptor)});
    files->push_back({"addon.names", names});
    files->push_back({"addon.cie50", cie50});
    files->push_back({"addon.cie65", cie65});
    files->push_back({"addon.cmyk", cmyk});
    files->push_back({"addon.csv", text_bytes(csv)});
    return true;
}
