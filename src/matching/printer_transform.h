// The prepared transformation behind HUEX_GetColorCMYK: from the XYZ profile
// to the printer profile at the current rendering intent. Preparing it (the
// module reading both profiles and building the transform) is nearly all the
// cost of a look-up, so it is kept between calls, apart from the host's
// matching session, and used again while both files and the intent are what
// it was prepared from. No file is held between calls: the folders of both
// files, and the folders above them, are watched instead, and nothing is
// looked at until the system reports a change there (folders that cannot be
// watched are looked at on every call).
#pragma once
#include <cstdint>

struct matching_state;

// Matches element (X, Y, Z on the scale where 65535 stands for 100) from the
// XYZ profile at source to the printer profile at destination; on true the
// element holds the printer's values. A file replaced, rewritten or gone
// takes effect at the first call after the system reported the change (under
// Wine a moment after the call that made it returns). False, element
// untouched, when the route is closed
// (a file missing or held, a profile kind no session takes, the module
// refusing), and then nothing stays prepared. The transformation is
// prepared at the state's rendering intent.
bool match_to_printer(matching_state& matching, const wchar_t* source, const wchar_t* destination,
                      uint16_t element[4]);

// Releases the prepared transformation; the next match prepares afresh.
void drop_printer_transform(matching_state& matching);
