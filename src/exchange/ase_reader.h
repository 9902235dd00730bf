// Swatch exchange files (.ase): a header, then blocks of a type and a
// length. Colour blocks hold a UTF-16 name, a colour model ("LAB ", "RGB ",
// "CMYK", "Gray") with its values as 32-bit floats, and a colour type; the
// bytes after those are the writer's own and are passed over, and so are
// group start and end blocks and blocks of other types. RGB and Gray are
// taken as sRGB; a CMYK colour has no measurement of its own.
#pragma once
#include "exchange/swatch_palette.h"
#include "frame/byte_span.h"

palette_read read_ase(byte_span file);
