// The printer's values of guide colours, kept beside the prepared
// transformation they were matched through. Hosts ask the same colours again
// on every repaint of a list, and the colour system's match of one colour
// costs ten times the rest of a look-up; so the first colour asked of a
// publication has all of the publication's colours matched in one call, and
// later asks read what was kept. Kept per publication and illuminant (the
// measurement matched differs by illuminant); a colour's answer is there only
// once it was matched. What is kept goes with the transformation
// (drop_printer_transform), so an answer is never older than the files,
// names and intent the transformation was prepared from.
#pragma once
#include <cstddef>
#include <cstdint>

// One publication's answers under one illuminant.
struct kept_publication_cmyk {
    uint32_t pub;
    bool d50;
    uint32_t count;            // colours the lists have room for
    uint16_t (*values)[4];     // count answers, C M Y K
    uint8_t* matched;          // one bit per colour: its answer is in values
};

struct kept_cmyk_answers {
    kept_publication_cmyk* lists = nullptr;
    uint32_t used = 0, room = 0;
};

// The answer kept for colour index of pub; null when there is none.
const uint16_t* kept_cmyk_of(const kept_cmyk_answers& kept, uint32_t pub, bool d50, uint32_t index);

// The list of pub under that illuminant, with room for count colours, made
// empty when there is none yet; null when memory runs out (nothing is kept
// then, and the colour is matched on its own). An existing list smaller than
// count is not grown: a publication's colour count does not change. The
// record returned moves when the next list is made.
kept_publication_cmyk* keep_publication_cmyk(kept_cmyk_answers& kept, uint32_t pub, bool d50, uint32_t count);

// Keeps cmyk as colour index's answer; an index beyond the list is ignored.
void keep_cmyk(kept_publication_cmyk& list, uint32_t index, const uint16_t cmyk[4]);

// Lets every kept answer go.
void forget_cmyk_answers(kept_cmyk_answers& kept);

// Bytes held for kept answers, lists and records included.
size_t kept_cmyk_bytes(const kept_cmyk_answers& kept);
