// Making a printer profile current: only its path and description are kept;
// matching reads the file itself.
#include <windows.h>

#include <cstring>

#include "frame/library_state.h"
#include "icc/icc_parse.h"
#include "profiles/profile_description.h"
#include "profiles/profile_file_win32.h"
#include "profiles/profile_settings.h"

namespace {

void use_default_printer()
{
    lstrcpyA(printer_profile_path, default_printer_profile_name);
    lstrcpyA(printer_profile_name, default_printer_profile_name);
}

}  // namespace

bool load_printer_profile(const char* path)
{
    if (path == nullptr || std::strlen(path) > max_profile_path_length) {
        use_default_printer();
        return false;
    }
    lstrcpyA(printer_profile_path, path);
    if (lstrcmpA(path, default_printer_profile_name) == 0) {
        use_default_printer();
        return true;
    }
    opened_profile profile;
    if (!open_profile(path, &profile)) {
        use_default_printer();
        return false;
    }
    // Every description tag in directory order: the last readable one wins.
    const byte_span file = profile.view.file;
    icc_for_each_tag(file, [&](const icc_tag_entry& tag, uint32_t type) {
        if (tag.signature == icc_tag_desc)
            read_description_tag(file, tag, type, printer_profile_name, sizeof printer_profile_name);
        return true;
    });
    close_profile(&profile);
    return true;
}
