// Palette texts (.gpl): a first line "GIMP Palette", optional "Name:" and
// "Columns:" lines, comments starting with "#", blank lines, and one line per
// colour: red, green and blue as whole numbers 0 to 255 (sRGB), then the
// name. Lines end with LF or CR LF. The text is UTF-8; a file that is not
// valid UTF-8 throughout was written in a single-byte code page, and its
// names are taken as Windows-1252, the library's own.
#pragma once
#include "exchange/swatch_palette.h"
#include "frame/byte_span.h"

palette_read read_gpl(byte_span file);
