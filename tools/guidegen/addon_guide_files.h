// The files of an add-on publication's folder, named as the add-on's
// resources are typed: addon.pub (the descriptor), addon.names, addon.cie50,
// addon.cie65, addon.cmyk, and addon.csv for people to read. The add-on's
// resource script compiles the first five into its DLL.
#pragma once

#include <string>
#include <vector>

#include "guide_tables.h"

// The pastel guide as add-on publication 4 (code 549, flag 0). False, with
// the files incomplete, when a value does not fit its record or names repeat.
bool build_pastel_addon_files(std::vector<guide_file>* files, std::string* error);
