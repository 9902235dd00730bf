/*
 * huex_version.h - the version of huex.dll and its modules: their version
 * resources and the HUEX_VERSION_* macros of huex.h both come from here.
 */
#ifndef HUEX_VERSION_H
#define HUEX_VERSION_H

#define HUEX_VERSION_MAJOR 1
#define HUEX_VERSION_MINOR 0
#define HUEX_VERSION_PATCH 0
#define HUEX_VERSION_BUILD 0

#define HUEX_VERSION_QUOTE(n) #n
#define HUEX_VERSION_DOTTED(a, b, c, d) \
    HUEX_VERSION_QUOTE(a) "." HUEX_VERSION_QUOTE(b) "." HUEX_VERSION_QUOTE(c) "." HUEX_VERSION_QUOTE(d)
/* "1.0.0.0", and 1,0,0,0 as version resources write it. */
#define HUEX_VERSION_TEXT \
    HUEX_VERSION_DOTTED(HUEX_VERSION_MAJOR, HUEX_VERSION_MINOR, HUEX_VERSION_PATCH, HUEX_VERSION_BUILD)
#define HUEX_VERSION_BINARY HUEX_VERSION_MAJOR, HUEX_VERSION_MINOR, HUEX_VERSION_PATCH, HUEX_VERSION_BUILD

#endif /* HUEX_VERSION_H */
