// Searches over the guides as a host names them: the one publication a
// colour-system pair selects, or every publication of the list in its order.
// By name (color_by_name.h) and by value (nearest_by_value.h), with the same
// answers the picker's name box gives in the guide it shows.
#pragma once
#include <cstddef>
#include <cstdint>

#include "colorlib/colorid.h"
#include "colorlib/nearest_by_value.h"
#include "exchange/cie_lab.h"
#include "frame/status.h"

struct publication_catalogue;

// One publication of a search, with the pair its colours are named by.
struct searched_pub {
    uint32_t pub_no;
    int16_t system, flag;
    uint32_t count;   // its colours that the pair can name
};

// The built-in guides and every add-on code's publications fit.
constexpr int max_searched_pubs = 16;

struct search_scope {
    searched_pub pubs[max_searched_pubs];
    int count;
};

// The code that asks for every publication, in the list's order.
constexpr int16_t every_pub = -1;

// The publication the pair selects (only those of its colours the pair's
// code can name: the process guide's first 1024 under the solid guides'
// code), or with system every_pub those the publication list names, by the
// pairs it names them with. no_publication when the pair selects none.
status make_search_scope(publication_catalogue& catalogue, int16_t system, int16_t flag, search_scope* scope);

// The first colour of the scope, in its order and then by index, whose name
// matches text (find_named_color); false when none does.
bool find_color_in_scope(publication_catalogue& catalogue, const search_scope& scope, const char* text, int* place,
                         uint32_t* index);

// A colour's CIELAB from its D50 measurement; false, lab untouched, when the
// measurement is not there.
bool color_lab_d50(publication_catalogue& catalogue, colorid id, cie_lab* lab);

// Hands every colour of one publication (below count) that has a D50
// measurement to the search, as key_base + its index.
void consider_pub_colors(publication_catalogue& catalogue, nearest_search& search, uint32_t pub_no, uint32_t count,
                         uint32_t key_base);

// The room colours of the scope nearest to target by CIEDE2000, nearest
// first, the earlier publication and then the lower index first where two
// are as near; how many were kept (fewer when fewer are measured). Each kept
// index is a key: ranked_place and ranked_index take it apart.
size_t find_nearest_in_scope(publication_catalogue& catalogue, const search_scope& scope, const cie_lab& target,
                             ranked_color* kept, size_t room);
inline int ranked_place(const ranked_color& r) { return static_cast<int>(r.index >> 16); }
inline uint32_t ranked_index(const ranked_color& r) { return r.index & 0xFFFF; }

// The colour of publication pub_no nearest to target among those with a D50
// measurement; no_color when it holds none. The picker's name box asks this.
colorid nearest_color_by_value(publication_catalogue& catalogue, const cie_lab& target, uint32_t pub_no);
