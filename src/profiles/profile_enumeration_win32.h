// The profiles installed in the system colour directory, by class: the
// exported walk (enum_profiles_by_classification, huex.h) and what the
// profile dialogs and the picker's profile stepping build on it. A walk
// lists color_directory, then old_color_directory; a file whose name is in
// both is listed once, from color_directory.
#pragma once
#include <windows.h>

// The path (260 bytes) of the file name in color_directory, else in
// old_color_directory; false when neither holds it.
bool find_in_color_directories(const char* name, char* path);

// Adds the description of every profile of the class to the list box
// (LB_ADDSTRING), then default_item, when given, at index 0; returns the
// number of items added.
int fill_profile_list(int classification, HWND list_box, const char* default_item);

// Turns a description back into a path (both buffers 260 bytes). name equal
// to default_name: path := default_name, 1. Else the first profile of the
// class, in the order the directory search delivers them, whose description
// equals name exactly: path := its path, 1. No such profile: name and path
// := default_name, 0.
int profile_path_from_name(char* name, char* path, const char* default_name, int classification);
