// Pictures of the guides for people: each guide page a column of swatches,
// converted to screen colours by the library's own display model (the
// built-in default display), written as <guide>.png.
#pragma once

#include <string>

bool write_contact_sheets(const std::string& data_dir, const std::string& out_dir, std::string* error);
