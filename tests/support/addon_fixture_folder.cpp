#include "addon_fixture.h"

#include "test_files.h"

bool write_addon_folder(const std::string& dir, const addon_tables& t, const std::string& page) {
    const struct { const char* type; const std::string& bytes; } files[] = {
        {"pub", t.pub}, {"names", t.names}, {"cie50", t.cie50}, {"cie65", t.cie65}, {"cmyk", t.cmyk}, {"page", page},
    };
    bool ok = true;
    for (const auto& f : files)
        if (!f.bytes.empty())
            ok = write_file_bytes(dir + "/addon." + f.type, std::vector<uint8_t>(f.bytes.begin(), f.bytes.end())) && ok;
    return ok;
}
