/* huex.h alone, in every C and C++ standard; with HUEX_NO_ICC_NAMES beside another ICC header's icXYZNumber. */
#define WIN32_LEAN_AND_MEAN
#ifdef HUEX_NO_ICC_NAMES
typedef struct { double X, Y, Z; } icXYZNumber;
#define XYZ huex_icXYZNumber
#else
#define XYZ icXYZNumber
#endif
#include "huex.h"
#if HUEX_VERSION_MAJOR < 1 || HUEX_COLOR_NAME_SIZE != 76 || HUEX_PATH_SIZE != MAX_PATH
#error "huex.h: version or buffer sizes"
#endif

void header_modes(const void *bytes, XYZ *xyz) { MMF_read_icXYZNumber(bytes, xyz); }
