// Designers' swatch files read as publications at start-up, after the DLL
// add-ons: the `palettes` folder beside the library and the user's own
// %APPDATA%\HUEX\Palettes. The choices are made in colorlib/palette_files.h;
// this is the part that reads folders, files and the registry.
#pragma once

struct publication_catalogue;

// Appends the palettes to the catalogue's add-on list and stores the codes
// given to files seen for the first time.
void scan_palettes(publication_catalogue& catalogue);
