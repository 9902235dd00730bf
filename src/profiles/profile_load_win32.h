// The steps that making a monitor and making a printer profile current share:
// check the path, recognise the default name, open the file, name it, read
// its tags, close it.
#pragma once
#include "frame/byte_span.h"

// Reads what a profile's tags give (called with the whole file, open only
// for the call).
typedef void (*profile_tag_reader)(byte_span file);

// The caller has put its default in force (path and name both the default
// name, its built-in model) before the call, so that nothing of the profile
// current before survives. Then: a null path or one longer than
// max_profile_path_length is refused (false); the default name is accepted
// as it is (true); any other path is opened as a profile: when that fails,
// false; else current_path := path, current_name := the file's name,
// read_tags(file), which may replace the name with the description, and true.
// Both text fields are 260 bytes.
bool load_chosen_profile(const char* path, const char* default_name, char* current_path,
                         char* current_name, profile_tag_reader read_tags);
