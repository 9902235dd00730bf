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

// The two halves of match_to_printer, for matching many colours through one
// transformation: the transformation made ready (kept, or prepared afresh),
// false when the route is closed; then elements matched through it in one
// call of the module, false (elements partly written) when the module
// refuses, and then nothing stays prepared.
bool ready_printer_transform(matching_state& matching, const wchar_t* source, const wchar_t* destination);
bool match_ready(matching_state& matching, uint16_t (*elements)[4], uint32_t count);

// ready_printer_transform for a caller that knows the names it would pass are
// those the kept transformation was prepared from (their buffers change only
// with a drop): the names are not compared again. False with nothing done
// when it cannot tell so cheaply (nothing kept, another intent, a name that
// resolves against the current directory), and false with the
// transformation dropped when its files changed.
bool kept_transformation_stands(matching_state& matching);

// Releases the prepared transformation, and every answer matched through it;
// the next match prepares afresh.
void drop_printer_transform(matching_state& matching);
