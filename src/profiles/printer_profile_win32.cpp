// Making a printer profile current: only its path and description are kept;
// matching reads the file itself.
#include <windows.h>

#include "frame/library_state.h"
#include "icc/icc_directory.h"
#include "profiles/profile_description.h"
#include "profiles/profile_load_win32.h"
#include "profiles/profile_settings.h"
#include "profiles/stored_profile_choice.h"

void (*on_printer_profile_load)() = nullptr;

namespace {

// Every description tag in directory order: the last readable one wins.
void read_printer_description(byte_span file)
{
    icc_for_each_tag(file, [&](const icc_tag_entry& tag, uint32_t type) {
        if (tag.signature == icc_tag_desc)
            read_description_tag(file, tag, type, printer_profile_name, sizeof printer_profile_name);
        return true;
    });
}

}  // namespace

bool load_printer_profile(const char* path)
{
    if (on_printer_profile_load != nullptr) on_printer_profile_load();
    lstrcpyA(printer_profile_path, default_printer_profile_name);
    lstrcpyA(printer_profile_name, default_printer_profile_name);
    return note_load(&printer_choice, path,
                     load_chosen_profile(path, default_printer_profile_name, printer_profile_path,
                                         printer_profile_name, read_printer_description));
}

const char* current_printer_profile() { return printer_profile_path; }
