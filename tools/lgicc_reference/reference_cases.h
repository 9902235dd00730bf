// The conversions the module's Windows tests check, computed by Little CMS
// natively, written as a CSV table that those tests read.
#pragma once

#include <string>

// Profiles are named as "icc:<file>" (the system's shared ICC folder,
// /usr/share/color/icc) or "data:<file>" (the tests' own folder).
// Returns false when a profile cannot be opened or a transform not built.
bool write_reference_table(const std::string& icc_dir, const std::string& data_dir,
                           const std::string& out_path);
