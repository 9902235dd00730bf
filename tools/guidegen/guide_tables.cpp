#include "guide_tables.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <set>

#include "press_inverse.h"
#include "press_model.h"
#include "process_guide.h"
#include "solid_guide.h"

namespace {

struct table_row {
    std::string name;
    std::string page;
    uint16_t d50[3];
    uint16_t d65[3];
    uint16_t recipe[4];
};

void put_u16(std::vector<uint8_t>& out, uint16_t v)
{
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void put_text(std::vector<uint8_t>& out, const std::string& text, size_t width)
{
    for (size_t i = 0; i < width; ++i) out.push_back(i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
}

bool printable(const std::string& s)
{
    for (char ch : s)
        if (ch < 0x20 || ch > 0x7E || ch == ',' || ch == '"') return false;
    return true;
}

std::string lower(const std::string& s)
{
    std::string out = s;
    for (char& ch : out) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return out;
}

bool fill_measurement(const xyz_value& d50, table_row& row)
{
    return stored_xyz(d50, row.d50) && stored_xyz(adapt_d50_to_d65(d50), row.d65);
}

std::string page_label(int page_number)
{
    char text[16];
    std::snprintf(text, sizeof text, "Page %d", page_number);
    return text;
}

std::vector<uint8_t> names_table(const std::vector<table_row>& rows, size_t width)
{
    std::vector<uint8_t> out;
    for (const table_row& r : rows) put_text(out, r.name, width);
    return out;
}

std::vector<uint8_t> cie_table(const std::vector<table_row>& rows, bool d50)
{
    std::vector<uint8_t> out;
    for (const table_row& r : rows)
        for (int i = 0; i < 3; ++i) put_u16(out, d50 ? r.d50[i] : r.d65[i]);
    return out;
}

std::vector<uint8_t> cmyk_table(const std::vector<table_row>& rows)
{
    std::vector<uint8_t> out;
    for (const table_row& r : rows)
        for (int i = 0; i < 4; ++i) put_u16(out, r.recipe[i]);
    return out;
}

std::vector<uint8_t> page_table(const std::vector<std::string>& labels)
{
    std::vector<uint8_t> out;
    for (const std::string& l : labels) put_text(out, l, page_label_width);
    return out;
}

void append(std::string& s, const char* text) { s += text; }

std::vector<uint8_t> csv_table(const std::vector<table_row>& rows)
{
    std::string s = "index,page,name,X_D50,Y_D50,Z_D50,X_D65,Y_D65,Z_D65,C,M,Y,K\n";
    char cell[64];
    for (size_t i = 0; i < rows.size(); ++i) {
        const table_row& r = rows[i];
        std::snprintf(cell, sizeof cell, "%zu,", i);
        append(s, cell);
        s += r.page + "," + r.name;
        for (int k = 0; k < 3; ++k) {
            std::snprintf(cell, sizeof cell, ",%u.%02u", r.d50[k] / 100u, r.d50[k] % 100u);
            append(s, cell);
        }
        for (int k = 0; k < 3; ++k) {
            std::snprintf(cell, sizeof cell, ",%u.%02u", r.d65[k] / 100u, r.d65[k] % 100u);
            append(s, cell);
        }
        for (int k = 0; k < 4; ++k) {
            std::snprintf(cell, sizeof cell, ",%u.%u", r.recipe[k] / 10u, r.recipe[k] % 10u);
            append(s, cell);
        }
        s += "\n";
    }
    return std::vector<uint8_t>(s.begin(), s.end());
}

bool names_ok(const std::vector<table_row>& rows, size_t width, std::string* error)
{
    std::set<std::string> seen;
    for (const table_row& r : rows) {
        if (r.name.empty() || r.name.size() > width || !printable(r.name)) {
            *error = "bad name \"" + r.name + "\"";
            return false;
        }
        if (!seen.insert(lower(r.name)).second) {
            *error = "name used twice: \"" + r.name + "\"";
            return false;
        }
    }
    return true;
}

}  // namespace

cmyk_value recipe_coverage(const uint16_t tenths[4])
{
    return cmyk_value{tenths[0] / 1000.0, tenths[1] / 1000.0, tenths[2] / 1000.0, tenths[3] / 1000.0};
}

bool stored_xyz(const xyz_value& v, uint16_t out[3])
{
    const double in[3] = {v.x, v.y, v.z};
    for (int i = 0; i < 3; ++i) {
        double scaled = in[i] * 10000.0;
        if (!(scaled >= 0.0) || scaled > 65535.0) return false;
        out[i] = static_cast<uint16_t>(std::lround(scaled));
    }
    return true;
}

bool build_guide_files(std::vector<guide_file>* files, std::string* error)
{
    files->clear();

    // Solid guides: one design, three measurement sets, one recipe each.
    const std::vector<solid_colour> solids = design_solid_guide();
    std::vector<table_row> coated(solids.size()), uncoated(solids.size()), simulated(solids.size());
    for (size_t i = 0; i < solids.size(); ++i) {
        table_row base;
        base.name = solids[i].name;
        base.page = page_label(static_cast<int>(i / solid_steps) + 1);
        press_inverse_tenths(solids[i].coated, base.recipe);
        coated[i] = uncoated[i] = simulated[i] = base;
        if (!fill_measurement(lab_to_xyz_d50(solids[i].coated), coated[i]) ||
            !fill_measurement(lab_to_xyz_d50(solids[i].uncoated), uncoated[i]) ||
            !fill_measurement(press_forward(recipe_coverage(base.recipe)), simulated[i])) {
            *error = "measurement out of range for " + base.name;
            return false;
        }
    }
    if (!names_ok(coated, solid_name_width, error)) return false;
    std::vector<std::string> solid_labels;
    for (int p = 1; p <= solid_page_labels; ++p) solid_labels.push_back(p <= solid_family_count ? page_label(p) : "End");

    // Process guide: each combination is its own recipe.
    const std::vector<process_recipe> combos = design_process_guide();
    std::vector<table_row> process(combos.size());
    std::set<uint64_t> distinct;
    for (size_t i = 0; i < combos.size(); ++i) {
        table_row& r = process[i];
        int page = static_cast<int>(i / process_rows) + 1;
        char name[16];
        std::snprintf(name, sizeof name, "%03d%c", page, 'a' + static_cast<int>(i % process_rows));
        r.name = name;
        r.page = page_label(page);
        uint64_t key = 0;
        for (int k = 0; k < 4; ++k) {
            r.recipe[k] = static_cast<uint16_t>(combos[i].ink[k]);
            key = key << 16 | r.recipe[k];
        }
        if (!distinct.insert(key).second) {
            *error = "process combination repeats at " + r.name;
            return false;
        }
        if (!fill_measurement(press_forward(recipe_coverage(r.recipe)), r)) {
            *error = "measurement out of range for " + r.name;
            return false;
        }
    }
    if (combos.size() != static_cast<size_t>(process_colour_count) || solids.size() != static_cast<size_t>(solid_colour_count)) {
        *error = "guide sizes differ from their descriptors";
        return false;
    }
    if (!names_ok(process, process_name_width, error)) return false;
    std::vector<std::string> process_labels;
    for (int p = 1; p <= process_pages; ++p) process_labels.push_back(page_label(p));

    files->push_back({"spot.names", names_table(coated, solid_name_width)});
    files->push_back({"spot.cmyk", cmyk_table(coated)});
    files->push_back({"spot.page", page_table(solid_labels)});
    files->push_back({"process.names", names_table(process, process_name_width)});
    files->push_back({"process.cmyk", cmyk_table(process)});
    files->push_back({"process.page", page_table(process_labels)});
    const struct {
        const char* pub;
        const std::vector<table_row>* rows;
    } pubs[] = {{"solidc", &coated}, {"solidu", &uncoated}, {"simprc", &simulated}, {"process", &process}};
    for (const auto& p : pubs) {
        files->push_back({std::string(p.pub) + ".cie50", cie_table(*p.rows, true)});
        files->push_back({std::string(p.pub) + ".cie65", cie_table(*p.rows, false)});
        files->push_back({std::string(p.pub) + ".csv", csv_table(*p.rows)});
    }
    return true;
}

bool write_guide_files(const std::vector<guide_file>& files, const std::string& dir, std::string* error)
{
    for (const guide_file& f : files) {
        std::string path = dir + "/" + f.name;
        FILE* out = std::fopen(path.c_str(), "wb");
        if (out == nullptr) {
            *error = "cannot create " + path;
            return false;
        }
        bool ok = f.bytes.empty() || std::fwrite(f.bytes.data(), 1, f.bytes.size(), out) == f.bytes.size();
        ok = std::fclose(out) == 0 && ok;
        if (!ok) {
            *error = "cannot write " + path;
            return false;
        }
    }
    return true;
}
