// A colour of one publication found by its name, as a person types it: the
// name the guide stores ("Rosehip 3") or the full name the library composes
// from it ("VERIHUE Rosehip 3 DSC"), letter case ignored. The picker's name
// box and the hosts' look-up both ask this.
#pragma once
#include <cstdint>

struct publication_catalogue;

// Equality of two names with letter case ignored, for the single-byte Western
// character set (ASCII and the accented letters of Windows-1252).
bool names_equal_ignoring_case(const char* a, const char* b);

// The lowest index below count whose stored name, or full name with the
// display suffix, equals text; -1 when none does. An empty text names no
// colour, nor does a colour without a name match anything.
int32_t find_named_color(publication_catalogue& catalogue, uint32_t pub_no, uint32_t count, const char* text);
