// The add-on publications beside the library, listed once at start-up.
#pragma once

struct publication_catalogue;

// Finds the add-on publications in the library's own folder and lists them
// in the catalogue's add-on records (addons.h).
void scan_addons(publication_catalogue& catalogue);
