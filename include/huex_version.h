/**
 * @file huex_version.h
 * @brief The version of huex.dll and its modules: their version resources
 * and the HUEX_VERSION_* macros of huex.h both come from here.
 *
 * huex.h includes it; a host compares HUEX_VERSION_MAJOR and
 * HUEX_VERSION_MINOR with what it needs, or shows HUEX_VERSION_TEXT.
 */
#ifndef HUEX_VERSION_H
#define HUEX_VERSION_H

/** @addtogroup huex_basics
 * @{ */

/* The four numbers stand alone on their lines: the build reads them. */
/** The major version; the CMake package offers itself to hosts that ask for the same one. */
#define HUEX_VERSION_MAJOR 1
/** The minor version: each function says with which major.minor it came. */
#define HUEX_VERSION_MINOR 1
/** The patch level. */
#define HUEX_VERSION_PATCH 0
/** The build number. */
#define HUEX_VERSION_BUILD 0

/** Puts its argument in quotes, for HUEX_VERSION_DOTTED. */
#define HUEX_VERSION_QUOTE(n) #n
/** Four numbers as the text "a.b.c.d". */
#define HUEX_VERSION_DOTTED(a, b, c, d) \
    HUEX_VERSION_QUOTE(a) "." HUEX_VERSION_QUOTE(b) "." HUEX_VERSION_QUOTE(c) "." HUEX_VERSION_QUOTE(d)
/** The version as a text: "1.1.0.0". */
#define HUEX_VERSION_TEXT \
    HUEX_VERSION_DOTTED(HUEX_VERSION_MAJOR, HUEX_VERSION_MINOR, HUEX_VERSION_PATCH, HUEX_VERSION_BUILD)
/** The version as version resources write it: 1,1,0,0. */
#define HUEX_VERSION_BINARY HUEX_VERSION_MAJOR, HUEX_VERSION_MINOR, HUEX_VERSION_PATCH, HUEX_VERSION_BUILD

/** @} */

#endif /* HUEX_VERSION_H */
