// The add-on publications beside the library, listed once at start-up.
#pragma once

// Finds the add-on publications in the library's own folder and lists them
// in addon_list (addons.h).
void scan_addons();
