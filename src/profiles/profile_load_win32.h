// The steps that making a monitor and making a printer profile current share:
// check the path, recognise the default name, open the file and name it.
#pragma once

#include "profiles/profile_file_win32.h"

// The caller has put its default in force (path and name both the default
// name, its built-in model) before the call, so that nothing of the profile
// current before survives. Then: a null path or one longer than
// max_profile_path_length is refused (false); the default name is accepted
// as it is (true, nothing opened); any other path is opened as a profile:
// when that fails, false; else current_path := path, current_name := the
// file's name in the ANSI code page, and true with *profile open: the caller
// reads its tags (which may replace the name with the description) and
// closes it. Both text fields are 260 characters.
bool open_chosen_profile(const wchar_t* path, const wchar_t* default_name, wchar_t* current_path, char* current_name,
                         opened_profile* profile);
