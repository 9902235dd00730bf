// A colour book as a palette text (.gpl): a header naming the publication
// with one column per colour of a guide page, then one line per colour with
// its screen RGB and full name, in UTF-8.
#pragma once
#include <string>

#include "exchange/color_book.h"

std::string write_gpl(const color_book& book);
