// ICC named-colour profiles (device class 'nmcl', version 2 or 4): the
// colours of the profile's namedColor2Type tag 'ncl2'. A colour's name is
// prefix + root + suffix (32-byte fields of 7-bit ASCII; other bytes are
// taken as Windows-1252). Its measurement is in the profile's connection
// space, Lab or XYZ, always in the 16-bit encodings of version 2, which the
// tag keeps in version 4 as well; device coordinates are kept as CMYK when
// the profile's data colour space is CMYK.
#pragma once
#include "exchange/swatch_palette.h"
#include "frame/byte_span.h"

palette_read read_icc_named_colors(byte_span file);
