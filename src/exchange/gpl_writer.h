// A colour book as a palette text (.gpl): a header naming the publication
// with one column per colour of a guide page, then one line per colour with
// its sRGB (from the D50 measurement) and full name, in UTF-8. Other programs
// read a palette's numbers as sRGB, so the user's display has no say in them.
#pragma once
#include <string>

#include "exchange/color_book.h"

std::string write_gpl(const color_book& book);
