/**
 * @file huex.h
 * @brief The interface of huex.dll for C and C++ hosts.
 *
 * Every function is exported under its undecorated name and uses the WINAPI
 * (stdcall) convention. Texts are single-byte (ANSI) and zero-terminated,
 * except in the W forms of the functions that take or give a file's path
 * (@ref huex_wide), whose paths are UTF-16;
 * buffers are the caller's and must have the documented sizes: where a
 * function writes a text without taking a length, the size it needs is one
 * of the HUEX_..._SIZE values below, terminator included.
 *
 * Failures are return values (a status, a 0 length, -1 for a count), never a
 * fault, a message box or a log. The thread's last error is no part of that:
 * after a failure GetLastError means nothing unless the function says
 * otherwise (MMF_open_profile_file is the one that does).
 *
 * The names of colours and the descriptions of publications are Windows-1252
 * bytes as the guides store them. The texts of the user interface
 * (HUEX_GetColorSetName, the default profile names) come from the language
 * module or the library's own table through LoadStringA, in the ANSI code
 * page of the process: Windows-1252 on Western European systems.
 *
 * The groups (guides and records, look-ups, profiles, matching, picker, ICC
 * reader, number and text helpers) each begin with what a host needs to know
 * about their functions.
 *
 * @par Threads
 * @copydetails huex_threads
 */
/**
 * @page huex_threads Threads
 *
 * Every function may be called from any thread. The library keeps its state
 * behind one lock that each call holds only for its own duration; calls from
 * several threads are serialised, never interleaved, so each answer is one
 * the library would give before or after a concurrent change. Texts are
 * written into the caller's buffers; the few functions that return a pointer
 * to a text of the library's (sz_signature, sz_XYZNumber and
 * sz_xy_from_XYZNumber) return a buffer of the calling thread, valid until
 * that thread's next call that writes the same buffer. The picker runs its
 * modal loop on the calling thread; one picker is open per process at a time
 * (a second request, from any thread, is refused while one is open); while it
 * is open, other threads may call every other function. Do not unload the
 * library while another thread is inside it.
 *
 * What the library keeps is the process's, not a thread's: the current
 * monitor and printer profiles, the one matching session and its rendering
 * intent, and the picker's options are the same for every thread, and a
 * change made on one thread is what the next call on any other sees.
 */
#ifndef HUEX_H
#define HUEX_H

#include <windows.h>

#include "huex_version.h"

#ifdef __cplusplus
extern "C" {
#endif

/**
 * @defgroup huex_basics Statuses and buffer sizes
 * @brief The status codes the functions return and the sizes of the
 * buffers they write into.
 *
 * Most functions that can fail return one of the HUEX_ status codes (a
 * 16-bit value); functions that return a text's length return 0 when
 * nothing was found, and those that return a count return -1. The version
 * of the library these declarations describe is HUEX_VERSION_TEXT
 * (huex_version.h, included here).
 *
 * @par Threads
 * @copydetails huex_threads
 * @{
 */

/** A compile-time check that C89 and C++98 accept as well as their
 * successors: a typedef of a char array whose size is negative when
 * @p condition is false. */
#define HUEX_STATIC_ASSERT(condition, name) typedef char huex_assert_##name[(condition) ? 1 : -1]

/** @name Buffer sizes
 * The exports write texts into caller buffers of these sizes, terminator
 * included.
 * @{ */
#define HUEX_PUB_NAME_SIZE    251  /**< HUEX_EnumPubs, HUEX_GetColorSetName */
#define HUEX_COLOR_NAME_SIZE  76   /**< HUEX_GetColorName */
#define HUEX_SHORT_NAME_SIZE  36   /**< HUEX_GetShortColorName */
#define HUEX_PATH_SIZE        260  /**< HUEX_GetProfileName, enum_profiles_by_classification's path */
/** @} */

/** @name Status codes
 * @{ */
#define HUEX_OK                 0  /**< success */
#define HUEX_NO_COLOR           1  /**< the record names no colour, or an index or code is out of range */
#define HUEX_NO_PUBLICATION     2  /**< no such publication (HUEX_EncodeColor) */
#define HUEX_NO_DATA            3  /**< measurements or recipe not available (HUEX_GetColorCMYK) */
#define HUEX_NO_MEMORY          4  /**< no memory for a returned string, or no transformation object */
#define HUEX_NOT_SUPPORTED      5  /**< profile kind not supported, or the colour-matching module refused */
#define HUEX_DEFAULT_IN_FORCE   6  /**< a profile cannot be made current; the default has taken its place */
/** @} */

/**
 * @brief The base of the causes a matching call leaves in GetLastError.
 *
 * When HUEX_BeginMatchingSession, HUEX_BeginMatching, HUEX_Match or
 * HUEX_MatchToPrinterProfile answers HUEX_NOT_SUPPORTED or HUEX_NO_MEMORY
 * because the colour-matching module refused, GetLastError() right after it
 * gives HUEX_MATCHING_ERROR_BASE plus the module's status (LGICC_ERR_*,
 * lgicc.h): the cause. An application-defined error code (bit 29 set), so it
 * never reads as a system error.
 * @since 1.1
 */
#define HUEX_MATCHING_ERROR_BASE 0x20480000L

/** @} */

/**
 * @defgroup huex_records Guides and colour records
 * @brief The publications (colour guides) and the 8-byte record by which a
 * host holds one of their colours.
 *
 * The library offers four built-in guides and up to ten add-on ones, each a
 * publication named by a colour-system code and a flag: code 37 with flag 0,
 * 1, 2 (solid guides: coated, uncoated, process simulation) or 3 (process
 * guide, indexes up to 1023 only); 293 (process guide, any index); 549,
 * 1573, 1061, 1317 (add-ons 4 to 7, any flag); 2085, 2341, 805 with flag 0
 * or 1 (add-ons 8 to 13). HUEX_EnumPubs lists the publications present with
 * their pairs.
 *
 * A host holds a colour as an extended_color: it reads as plain RGB (the
 * high bytes) and carries in its low bytes which colour of which
 * publication it is. HUEX_EncodeColor makes one, HUEX_DecodeColor takes one
 * apart; the look-ups (@ref huex_lookups) answer what colour it names.
 *
 * @par Threads
 * @copydetails huex_threads
 * @{
 */

#ifndef HUEX_EXTENDED_COLOR_DEFINED
/** Defined once extended_color is declared, so that it is declared once only. */
#define HUEX_EXTENDED_COLOR_DEFINED
/**
 * @brief A colour as a host holds it: plain RGB that may also name a colour
 * of a publication.
 *
 * The high byte of red, green and blue is a display colour. The record names
 * a guide colour when byte 6 (the low byte of color_system) is not 0
 * (HUEX_ColorIsExtended); the low bytes of the first three words then hold
 * the colour flag (bits 0 to 3 of red) and the index fields (HUEX_SetIndex),
 * laid out as the colour-system code says. Build one with HUEX_EncodeColor
 * rather than by hand. A record of all zeros names no colour.
 * @since 1.0
 */
typedef struct extended_color {
    WORD red;           /**< red in the high byte; flag and index bits in the low byte */
    WORD green;         /**< green in the high byte; bits 0-7 of index field 0 in the low byte */
    WORD blue;          /**< blue in the high byte; bits 0-7 of index field 1 in the low byte */
    WORD color_system;  /**< the colour-system code; 0 for a plain RGB colour */
} extended_color;
#endif

HUEX_STATIC_ASSERT(sizeof(extended_color) == 8, extended_color_is_8_bytes);

/**
 * @brief Lists the publications, one per call.
 *
 * Start with *system = -1; each call writes the next publication's
 * description into name, replaces *system and *flag by the pair that names
 * it, and returns the description's length. The built-in guides come first
 * (37/0, 37/1, 37/2, 293/0), then the add-ons that lie beside the library.
 *
 * @param[in,out] system the code of the publication listed last; -1 to
 *                start. Receives the next one's code.
 * @param[in,out] flag   the flag of the publication listed last (not read
 *                when *system is -1). Receives the next one's flag.
 * @param[out]    name   receives the description, at most 250 characters
 *                and the terminator: HUEX_PUB_NAME_SIZE (251) bytes.
 * @return the length of the description written (1 or more); 0 at the end of
 *         the list, with all three left alone. 0 also when an argument is
 *         NULL or the pair names no publication the list hands out: a host
 *         cannot tell those from the end, so pass three valid pointers and
 *         the pair the last call gave.
 * @par Example
 * @code
 * short system = -1, flag = 0;
 * char name[HUEX_PUB_NAME_SIZE];
 * while (HUEX_EnumPubs(&system, &flag, name) > 0)
 *     printf("%s: code %d, flag %d\n", name, system, flag);
 * @endcode
 * @lasterror not set.
 * @since 1.0
 */
int WINAPI HUEX_EnumPubs(short *system, short *flag, char *name);

/** The solid guides' code: flag 0 coated, 1 uncoated, 2 process simulation
 * (3, the process guide's first 1024 colours). */
#define HUEX_SYSTEM_SOLID    37
/** The process guide's code (any flag). */
#define HUEX_SYSTEM_PROCESS  293

/**
 * @brief Whether a record names a guide colour: 1 when byte 6 (the low byte
 * of color_system) is not 0.
 * @param[in] record the record (8 bytes); NULL gives 0.
 * @return 1 when the record is extended, else 0. An extended record may still
 *         name no existing colour: the look-ups tell.
 * @since 1.0
 */
BYTE WINAPI HUEX_ColorIsExtended(const extended_color *record);
/**
 * @brief Sets the colour flag: bits 0 to 3 of the red word; nothing else
 * changes.
 * @param[in,out] record the record (8 bytes); NULL is ignored.
 * @param[in]     flag   the flag; only its bits 0 to 3 are stored.
 * @since 1.0
 */
void WINAPI HUEX_SetColorFlag(extended_color *record, short flag);
/**
 * @brief Reads the colour flag: bits 0 to 3 of the red word.
 * @param[in] record the record (8 bytes); NULL gives 0.
 * @return the flag, 0 to 15.
 * @since 1.0
 */
short WINAPI HUEX_GetColorFlag(const extended_color *record);
/**
 * @brief Sets one of the two 10-bit index fields; nothing else changes.
 *
 * Field 0 keeps its bits 0 to 7 in the low byte of green and bits 8 and 9 in
 * bits 6 and 7 of red; field 1 keeps them in the low byte of blue and bits 4
 * and 5 of red. Bits of index above bit 9 are dropped.
 * @param[in,out] record the record (8 bytes); NULL is ignored.
 * @param[in]     which  0 or 1; any other value changes nothing.
 * @param[in]     index  the value to store.
 * @since 1.0
 */
void WINAPI HUEX_SetIndex(extended_color *record, short which, short index);
/**
 * @brief Reads one of the two 10-bit index fields (see HUEX_SetIndex).
 * @param[in] record the record (8 bytes); NULL gives 0.
 * @param[in] which  0 or 1; any other value gives 0.
 * @return the field's value, 0 to 1023.
 * @since 1.0
 */
short WINAPI HUEX_GetIndex(const extended_color *record, short which);
/**
 * @brief Makes a record name one colour of a publication.
 *
 * Writes the code into color_system and the flag and index into the low
 * bytes, laid out as the code needs; the RGB high bytes stay as the caller
 * set them. For a record that reads right as plain RGB too, copy
 * HUEX_GetColorRGB's answer for the new record into them afterwards.
 * @param[in]     system the colour-system code (see the group's
 *                       description).
 * @param[in]     flag   the flag; with codes that select one publication
 *                       under any flag (293, 549, 1061, 1317, 1573) it is
 *                       not stored.
 * @param[in]     index  the colour's index within the publication, from 0.
 * @param[in,out] record the record (8 bytes): its RGB high bytes are kept.
 * @retval HUEX_OK the record names the colour.
 * @retval HUEX_NO_PUBLICATION the pair selects no existing publication;
 *         nothing written.
 * @retval HUEX_NO_COLOR the index is negative, beyond the publication, or
 *         beyond what the code's fields hold (1023 for codes 37, 2085, 2341;
 *         4095 for 293, 549, 1061, 1317, 1573; 32767 for 805); nothing
 *         written. Also for a NULL record.
 * @lasterror not set.
 * @since 1.0
 */
short WINAPI HUEX_EncodeColor(short system, short flag, short index, extended_color *record);
/**
 * @brief Takes a record apart into the code, flag and index it carries.
 *
 * Reads the fields only: whether the publication exists and holds the
 * colour is the look-ups' question. With the codes whose layout keeps index
 * bits in the flag's place (293, 549, 1061, 1317, 1573) *flag is 0.
 * @param[out] system receives the record's code (also when it has no layout).
 * @param[out] flag   receives the flag.
 * @param[out] index  receives the index.
 * @param[in]  record the record (8 bytes).
 * @retval HUEX_OK all three written.
 * @retval HUEX_NO_COLOR the code has no layout (only *system written), or an
 *         argument is NULL (nothing written).
 * @lasterror not set.
 * @since 1.0
 */
short WINAPI HUEX_DecodeColor(short *system, short *flag, short *index, const extended_color *record);

/** @} */

/**
 * @defgroup huex_lookups Look-ups
 * @brief What a record's colour is: its name, index, measurements, screen
 * colour and printing values.
 *
 * Each look-up resolves the record to a colour first. When the record names
 * no colour (not extended, a code without a layout, a publication that is
 * not there, an index beyond it) it returns HUEX_NO_COLOR (the names: 0) and
 * writes nothing; each function says what it answers when the publication
 * lacks the data. d50 1 selects the D50 measurements, any other value D65.
 *
 * @par Threads
 * @copydetails huex_threads
 * @{
 */

/**
 * @brief The colour's screen RGB through the current display model.
 *
 * The measurement is converted through the display model of the current
 * monitor profile (HUEX_SetMonitorProfile); colours outside the display's
 * gamut are clipped per channel, and paper white (X, Y and Z all 99.99 or
 * more) is always 255, 255, 255. A display model that cannot be inverted
 * (a profile with collinear primaries or an unusable gamma) gives black.
 * @param[in]  record the record (8 bytes).
 * @param[out] rgb    receives red, green and blue (3 WORDs, 6 bytes), each
 *                    8-bit value shifted left by 8 (low bytes 0).
 * @param[in]  d50    1: the D50 measurement; any other value: D65.
 * @retval HUEX_OK rgb written.
 * @retval HUEX_NO_COLOR the record names no colour, the publication has no
 *         measurement of that illuminant, or an argument is NULL; rgb
 *         untouched.
 * @lasterror not set.
 * @since 1.0
 */
short WINAPI HUEX_GetColorRGB(const extended_color *record, WORD rgb[3], short d50);
/**
 * @brief The colour's measurement, CIE XYZ.
 * @param[in]  record the record (8 bytes).
 * @param[out] xyz    receives X, Y and Z (3 WORDs, 6 bytes), with 100 (the Y
 *                    of white) as 65535, truncated; values above 100 are
 *                    clamped to 65535.
 * @param[in]  d50    1: the D50 measurement; any other value: D65.
 * @retval HUEX_OK xyz written.
 * @retval HUEX_NO_COLOR the record names no colour, the publication has no
 *         measurement of that illuminant, or an argument is NULL; xyz
 *         untouched.
 * @lasterror not set.
 * @since 1.0
 */
short WINAPI HUEX_GetColorXYZ(const extended_color *record, WORD xyz[3], short d50);
/**
 * @brief The colour's full name: "VERIHUE ", its name, a blank and the
 * publication's suffix, e.g. "VERIHUE Lagoon 3 DSC".
 * @param[in]  record the record (8 bytes).
 * @param[out] name   receives the name, at most 75 characters and the
 *                    terminator: HUEX_COLOR_NAME_SIZE (76) bytes.
 * @return the length written; 0 when the record names no colour or an
 *         argument is NULL (name untouched), and 0 with an empty text when
 *         the publication has no name for the colour.
 * @lasterror not set.
 * @since 1.0
 */
short WINAPI HUEX_GetColorName(const extended_color *record, char *name);
/**
 * @brief The colour's name as the guide stores it, e.g. "Lagoon 3".
 * @param[in]  record the record (8 bytes).
 * @param[out] name   receives the name, at most 35 characters and the
 *                    terminator: HUEX_SHORT_NAME_SIZE (36) bytes.
 * @return the length written; 0 as HUEX_GetColorName.
 * @lasterror not set.
 * @since 1.0
 */
short WINAPI HUEX_GetShortColorName(const extended_color *record, char *name);
/**
 * @brief The colour's index within its publication.
 *
 * The answer is a status; the index itself is written through @p index.
 * @param[in]  record the record (8 bytes).
 * @param[out] index  receives the index, from 0 (a DWORD, 4 bytes).
 * @retval HUEX_OK (0) *index written.
 * @retval HUEX_NO_COLOR (1) the record names no colour, or an argument is
 *         NULL; *index untouched.
 * @lasterror not set.
 * @since 1.0
 */
short WINAPI HUEX_GetColorIndex(const extended_color *record, DWORD *index);
/**
 * @brief The name of the colour system in the language of the user
 * interface: in English, VERIHUE&reg; COLOR SYSTEM.
 *
 * The text comes through LoadStringA, so it is in the ANSI code page of the
 * process (Windows-1252 on Western European systems, where the &reg; is
 * byte 0xAE).
 * @param[in]  ignored not used; pass 0.
 * @param[out] name    receives the text, at most 250 characters and the
 *                     terminator: HUEX_PUB_NAME_SIZE (251) bytes.
 * @return the length written; 0 when name is NULL.
 * @lasterror not set.
 * @since 1.0
 */
int WINAPI HUEX_GetColorSetName(DWORD ignored, char *name);
/**
 * @brief The number of colours on each page of the publication a pair
 * selects.
 * @ingroup huex_records
 * @param[in] system the colour-system code.
 * @param[in] flag   the flag.
 * @return colours per page (7 for the solid guides, 9 for the process guide),
 *         or -1 when the pair selects no existing publication or one without
 *         colours.
 * @lasterror not set.
 * @since 1.0
 */
int WINAPI HUEX_PubColors(short system, short flag);
/**
 * @brief The number of pages of the publication a pair selects.
 * @ingroup huex_records
 * @param[in] system the colour-system code.
 * @param[in] flag   the flag.
 * @return the number of pages (136 for the solid guides, 334 for the process
 *         guide), or -1 as HUEX_PubColors.
 * @lasterror not set.
 * @since 1.0
 */
int WINAPI HUEX_PubPages(short system, short flag);

/** @} */

/**
 * @defgroup huex_helpers Number and text helpers
 * @brief Conversions between 8-bit and 16-bit colour components, the
 * decoding of ICC fixed-point numbers, and short texts made from them.
 *
 * None of these fails or keeps state, except that the three sz_ functions
 * return texts in buffers of the library's (see each).
 *
 * @par Threads
 * @copydetails huex_threads
 * @{
 */

/**
 * @brief A 16-bit component as 8 bits: bits 8 to 15 (0x2345 gives 0x23).
 * @param[in] v the component in its low 16 bits.
 * @return bits 8 to 15 of v.
 * @since 1.0
 */
BYTE WINAPI uint2byte(DWORD v);
/**
 * @brief An 8-bit component as 16 bits: shifted left by 8 (0x23 gives
 * 0x2300).
 * @param[in] b the component.
 * @return b << 8.
 * @since 1.0
 */
DWORD WINAPI byte2uint(BYTE b);
/**
 * @brief The low 16 bits, zero-extended (0x56782345 gives 0x2345).
 * @param[in] v any value.
 * @return v & 0xFFFF.
 * @since 1.0
 */
DWORD WINAPI uint2long(DWORD v);
/**
 * @brief The low 16 bits (-1 gives 0xFFFF).
 * @param[in] v any value.
 * @return v & 0xFFFF.
 * @since 1.0
 */
WORD WINAPI long2uint(LONG v);

/** @} */

/**
 * @defgroup huex_icc ICC reader
 * @brief A stateless reader of ICC profile files: open a file, read its
 * header, tag directory and tags, close it.
 *
 * MMF_open_profile_file maps a file read-only (no sharing while it is open)
 * and hands out the mapping and file handles; every read takes the mapping
 * handle, makes its own view and releases it before returning. Values come
 * back in host order; fixed-point numbers stay raw (decode them with
 * decode_s15Fixed16Number, @ref huex_helpers).
 *
 * No reader looks outside the file: a directory entry or tag that does not
 * lie wholly inside the file, a tag shorter than its 8-byte type preamble,
 * and an element outside its tag make the reader return 0 and write nothing.
 *
 * A tag search: MMF_read_profile_tag_count, then MMF_read_tag for the
 * indexes 0 to count - 1 until the wanted signature comes up; hand that entry
 * to the reader for the type MMF_read_tag reported (none of the tag readers
 * looks at the type itself).
 *
 * @par Threads
 * @copydetails huex_threads
 *
 * @par One profile, several threads
 * The reader keeps no state: several threads may read one open profile
 * through its mapping handle.
 * @{
 */

/*
 * The ICC number types, declared under names of the library's own and, unless
 * HUEX_NO_ICC_NAMES is defined before this header is included, under their
 * ICC names too (icSignature, icXYZNumber, ...). Define it when another ICC
 * header declares those names: everything here uses the huex_ names.
 */
#ifdef HUEX_NO_ICC_NAMES
#define HUEX_ICC_TAG(name) huex_##name
#else
/** The structure tags of the ICC number types: their ICC names, or huex_
 * ones when HUEX_NO_ICC_NAMES is defined (undefined again below). */
#define HUEX_ICC_TAG(name) name
#endif
typedef DWORD huex_icSignature;           /**< four characters, the first in the high byte: "desc" is 0x64657363 */
typedef LONG  huex_icS15Fixed16Number;    /**< a fixed-point number: value = word / 65536 */
typedef BYTE  huex_icUInt8Number;         /**< an unsigned 8-bit number */
typedef WORD  huex_icUInt16Number;        /**< an unsigned 16-bit number */
typedef DWORD huex_icUInt32Number;        /**< an unsigned 32-bit number */

/** @brief An ICC XYZNumber: three raw fixed-point words.
 * @since 1.0 */
typedef struct HUEX_ICC_TAG(icXYZNumber) {
    huex_icS15Fixed16Number X;  /**< X, raw */
    huex_icS15Fixed16Number Y;  /**< Y, raw */
    huex_icS15Fixed16Number Z;  /**< Z, raw */
} huex_icXYZNumber;

/** @brief An ICC dateTimeNumber.
 * @since 1.0 */
typedef struct HUEX_ICC_TAG(icDateTimeNumber) {
    huex_icUInt16Number year;     /**< year, e.g. 2024 */
    huex_icUInt16Number month;    /**< month, 1 to 12 */
    huex_icUInt16Number day;      /**< day of the month */
    huex_icUInt16Number hours;    /**< hours */
    huex_icUInt16Number minutes;  /**< minutes */
    huex_icUInt16Number seconds;  /**< seconds */
} huex_icDateTimeNumber;
#undef HUEX_ICC_TAG

#ifndef HUEX_NO_ICC_NAMES
/** @name The ICC names
 * The same types under their ICC names; not declared when HUEX_NO_ICC_NAMES
 * is defined before huex.h is included (define it when another ICC header
 * declares them).
 * @{ */
typedef huex_icSignature        icSignature;         /**< huex_icSignature */
typedef huex_icS15Fixed16Number icS15Fixed16Number;  /**< huex_icS15Fixed16Number */
typedef huex_icUInt8Number      icUInt8Number;       /**< huex_icUInt8Number */
typedef huex_icUInt16Number     icUInt16Number;      /**< huex_icUInt16Number */
typedef huex_icUInt32Number     icUInt32Number;      /**< huex_icUInt32Number */
typedef huex_icXYZNumber        icXYZNumber;         /**< huex_icXYZNumber */
typedef huex_icDateTimeNumber   icDateTimeNumber;    /**< huex_icDateTimeNumber */
/** @} */
#endif

/** @brief Header bytes 0-79, field by field, none validated.
 * @since 1.0 */
typedef struct MMF_profile_header {
    huex_icUInt32Number   size;              /**< bytes 0-3: the profile's size as stated */
    huex_icSignature      cmm_type;          /**< bytes 4-7: preferred colour-matching module */
    huex_icUInt32Number   version;           /**< bytes 8-11: format version, the whole word */
    huex_icSignature      device_class;      /**< bytes 12-15: "mntr", "prtr", "scnr", "spac", ... */
    huex_icSignature      color_space;       /**< bytes 16-19: data colour space ("RGB ", "CMYK", ...) */
    huex_icSignature      connection_space;  /**< bytes 20-23: "XYZ " or "Lab " */
    huex_icDateTimeNumber date;              /**< bytes 24-35: creation time */
    huex_icSignature      magic;             /**< bytes 36-39: "acsp" in a profile */
    huex_icSignature      platform;          /**< bytes 40-43: primary platform */
    huex_icUInt32Number   flags;             /**< bytes 44-47: profile flags */
    huex_icSignature      manufacturer;      /**< bytes 48-51: device manufacturer */
    huex_icUInt32Number   model;             /**< bytes 52-55: device model */
    huex_icUInt32Number   attributes_high;   /**< bytes 56-59: device attributes, first half */
    huex_icUInt32Number   attributes_low;    /**< bytes 60-63: device attributes, second half */
    huex_icUInt32Number   rendering_intent;  /**< bytes 64-67: 0 perceptual ... 3 absolute colorimetric */
    huex_icXYZNumber      illuminant;        /**< bytes 68-79: the connection space's illuminant, raw */
} MMF_profile_header;

/** @brief One entry of the tag directory; the tag readers take it by value.
 * @since 1.0 */
typedef struct MMF_tag_entry {
    huex_icSignature    signature;  /**< the tag's signature, e.g. "desc" */
    huex_icUInt32Number offset;     /**< of the tag's data from the start of the file */
    huex_icUInt32Number size;       /**< of the tag's data, its 8-byte preamble included */
} MMF_tag_entry;

/** @brief The fixed part of lut8Type and lut16Type; type_signature, reserved
 * and pad are never written, input_entries and output_entries by
 * MMF_read_Lut16Type only.
 * @since 1.0 */
typedef struct MMF_lut_header {
    huex_icSignature        type_signature;   /**< never written */
    huex_icUInt32Number     reserved;         /**< never written */
    huex_icUInt8Number      input_channels;   /**< contents byte 0 */
    huex_icUInt8Number      output_channels;  /**< contents byte 1 */
    huex_icUInt8Number      grid_points;      /**< contents byte 2 */
    huex_icUInt8Number      pad;              /**< never written */
    /** @name The matrix
     * @{ */
    /** the matrix, contents bytes 4-39, raw words in row order: e00 e01 e02
     * first, e20 e21 e22 last */
    huex_icS15Fixed16Number e00, e01, e02, e10, e11, e12, e20, e21, e22;
    /** @} */
    huex_icUInt16Number     input_entries;    /**< contents bytes 40-41, lut16Type only */
    huex_icUInt16Number     output_entries;   /**< contents bytes 42-43, lut16Type only */
} MMF_lut_header;

HUEX_STATIC_ASSERT(sizeof(huex_icXYZNumber) == 12 && sizeof(huex_icDateTimeNumber) == 12, icc_numbers_are_3_and_6_words);
HUEX_STATIC_ASSERT(sizeof(MMF_profile_header) == 80, MMF_profile_header_is_20_words);
HUEX_STATIC_ASSERT(sizeof(MMF_tag_entry) == 12, MMF_tag_entry_is_3_words);
HUEX_STATIC_ASSERT(sizeof(MMF_lut_header) == 52, MMF_lut_header_is_13_words);

/**
 * @brief Opens a profile file for the readers: read-only, unshared, mapped.
 *
 * The extension must be ".icc", ".icm" or ".pf", in any case (".ICM");
 * a relative path is taken from the current directory. While the file is
 * open nobody else can open it, the library's own profile functions
 * included (HUEX_SetMonitorProfile on the same file fails until it is
 * closed). Both handles are inheritable: a child process created with handle
 * inheritance while the file is open holds it too.
 * @param[in]  path    the file's path (ANSI).
 * @param[out] mapping receives the mapping handle, which every reader takes;
 *                     NULL after a failure.
 * @param[out] file    receives the file handle; NULL after a failure.
 * @return 1 when the file was opened and mapped; 0 otherwise. Both handles
 *         are NULL after a failure (when the pointers are not NULL), so
 *         MMF_close_profile_file may be called unconditionally. The handles
 *         are the caller's until it gives them to MMF_close_profile_file.
 * @lasterror set when the file cannot be opened or mapped: the system's
 *         reason (ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND,
 *         ERROR_SHARING_VIOLATION for a file open elsewhere,
 *         ERROR_ACCESS_DENIED, ERROR_FILE_INVALID for an empty file, ...).
 *         Not set when the path is NULL, has another extension, or a handle
 *         pointer is NULL: call SetLastError(0) first to tell these apart.
 * @since 1.0
 */
BYTE WINAPI MMF_open_profile_file(const char *path, HANDLE *mapping, HANDLE *file);
/**
 * @brief Closes what MMF_open_profile_file opened.
 * @param[in] mapping the mapping handle; NULL is passed over.
 * @param[in] file    the file handle; NULL is passed over.
 * @since 1.0
 */
void WINAPI MMF_close_profile_file(HANDLE mapping, HANDLE file);

/**
 * @brief Reads header bytes 0-79 into a record.
 * @param[in]  mapping the mapping handle of an open profile.
 * @param[out] header  receives the fields (80 bytes), none validated.
 * @return 1 on success; 0, nothing written, when the file is shorter than
 *         128 bytes, no view can be made, or header is NULL.
 * @lasterror not set.
 * @since 1.0
 */
BOOL  WINAPI MMF_read_profile_header(HANDLE mapping, MMF_profile_header *header);
/**
 * @brief The tag count stored at byte 128.
 *
 * As stored: it may promise more entries than the file holds, and
 * MMF_read_tag refuses those.
 * @param[in] mapping the mapping handle of an open profile.
 * @return the count; 0 also when the file is shorter than 132 bytes or no
 *         view can be made.
 * @lasterror not set.
 * @since 1.0
 */
DWORD WINAPI MMF_read_profile_tag_count(HANDLE mapping);
/**
 * @brief Reads one entry of the tag directory and the type signature at the
 * start of its tag.
 * @param[in]  mapping        the mapping handle of an open profile.
 * @param[in]  index          the entry, 0 to count - 1.
 * @param[out] entry          receives the entry (12 bytes).
 * @param[out] type_signature receives the tag's type signature, e.g. "desc"
 *                            or "mluc" for a description.
 * @return 1 on success; 0, nothing written, when the index is out of range,
 *         the entry or its tag does not lie inside the file, no view can be
 *         made, or an output is NULL.
 * @lasterror not set.
 * @since 1.0
 */
BOOL  WINAPI MMF_read_tag(HANDLE mapping, LONG index, MMF_tag_entry *entry,
                          huex_icSignature *type_signature);
/**
 * @brief The address of a tag's contents in a view the caller mapped itself:
 * view + offset + 8.
 * @param[in] view a view of the whole file (MapViewOfFile of the mapping).
 * @param[in] tag  the tag's directory entry.
 * @return the address; nothing is checked, not even view.
 * @since 1.0
 */
const BYTE *WINAPI MMF_offset_to_tag(const void *view, MMF_tag_entry tag);

/**
 * @brief A big-endian uInt8Number from any memory.
 * @param[in] p the number's 1 byte; NULL gives 0.
 * @return the number.
 * @since 1.0
 */
huex_icUInt8Number      WINAPI MMF_read_icUInt8Number(const void *p);
/**
 * @brief A big-endian uInt16Number from any memory.
 * @param[in] p the number's 2 bytes; NULL gives 0.
 * @return the number in host order.
 * @since 1.0
 */
huex_icUInt16Number     WINAPI MMF_read_icUInt16Number(const void *p);
/**
 * @brief A big-endian uInt32Number from any memory.
 * @param[in] p the number's 4 bytes; NULL gives 0.
 * @return the number in host order.
 * @since 1.0
 */
huex_icUInt32Number     WINAPI MMF_read_icUInt32Number(const void *p);
/**
 * @brief A big-endian s15Fixed16Number from any memory, raw.
 * @param[in] p the number's 4 bytes; NULL gives 0.
 * @return the raw word in host order (decode it with
 *         decode_s15Fixed16Number).
 * @since 1.0
 */
huex_icS15Fixed16Number WINAPI MMF_read_icS15Fixed16Number(const void *p);
/**
 * @brief A signature from any memory, the first character in the high byte.
 * @param[in] p the signature's 4 bytes; NULL gives 0.
 * @return the signature.
 * @since 1.0
 */
huex_icSignature        WINAPI MMF_read_icSignature(const void *p);
/**
 * @brief A dateTimeNumber from any memory.
 * @param[in]  p    the number's 12 bytes; NULL writes nothing.
 * @param[out] date receives the six fields in host order (12 bytes).
 * @since 1.0
 */
void WINAPI MMF_read_icDateTimeNumber(const void *p, huex_icDateTimeNumber *date);
/**
 * @brief An XYZNumber from any memory, raw.
 * @param[in]  p   the number's 12 bytes; NULL writes nothing.
 * @param[out] xyz receives the three raw words in host order (12 bytes).
 * @since 1.0
 */
void WINAPI MMF_read_icXYZNumber(const void *p, huex_icXYZNumber *xyz);

/**
 * @brief Reads a textType tag: its bytes as stored.
 *
 * There is no length parameter: the caller sizes the buffer from the tag
 * entry that MMF_read_tag gave. The text is exactly tag.size - 8 bytes, the
 * terminator the tag stores included; nothing is added, so a tag that
 * stores no terminator gives an unterminated text. Allocate tag.size - 7
 * bytes, zeroed, to have it terminated whatever the file holds (check first
 * that tag.size is at least 8). A tag of exactly 8 bytes copies nothing and
 * answers 1.
 * @param[in]  mapping the mapping handle of an open profile.
 * @param[in]  tag     the tag's directory entry.
 * @param[out] buffer  receives tag.size - 8 bytes.
 * @return 1 on success; 0, nothing written, when the tag does not lie inside
 *         the file or is shorter than 8 bytes, no view can be made, or buffer
 *         is NULL.
 * @par Example
 * @code
 * char *text = (tag.size >= 8) ? (char *)calloc(tag.size - 7, 1) : NULL;
 * if (text != NULL && MMF_read_textType(mapping, tag, text))
 *     puts(text);
 * free(text);
 * @endcode
 * @lasterror not set.
 * @since 1.0
 */
BOOL  WINAPI MMF_read_textType(HANDLE mapping, MMF_tag_entry tag, char *buffer);
/**
 * @brief Reads the ASCII part of a textDescriptionType tag (type "desc").
 *
 * A description that fits (its stored count, terminator included, at most
 * length) is copied whole; a longer one is cut to length - 1 characters. The
 * text is always terminated inside length bytes. Version 4 profiles keep
 * their description as "mluc", which this reader does not read.
 * @param[in]  mapping the mapping handle of an open profile.
 * @param[in]  tag     the tag's directory entry.
 * @param[out] buffer  receives the text: length bytes.
 * @param[in]  length  the size of buffer in bytes, 1 or more.
 * @return 1 on success; 0, nothing written, when length is below 1, the tag
 *         has no count word or does not lie inside the file, no view can be
 *         made, or buffer is NULL.
 * @lasterror not set.
 * @since 1.0
 */
BOOL  WINAPI MMF_read_ProfileDescriptionType(HANDLE mapping, MMF_tag_entry tag,
                                             char *buffer, LONG length);
/**
 * @brief Reads the first XYZ number of an XYZType tag, raw.
 * @param[in]  mapping the mapping handle of an open profile.
 * @param[in]  tag     the tag's directory entry.
 * @param[out] xyz     receives X, Y, Z as raw words (12 bytes).
 * @return 1 on success; 0, nothing written, when the tag holds no XYZ
 *         number, no view can be made, or xyz is NULL.
 * @lasterror not set.
 * @since 1.0
 */
BOOL  WINAPI MMF_read_XYZType(HANDLE mapping, MMF_tag_entry tag, huex_icXYZNumber *xyz);
/**
 * @brief The entry count of a curveType tag.
 * @param[in] mapping the mapping handle of an open profile.
 * @param[in] tag     the tag's directory entry.
 * @return the count: 0 for an identity curve, 1 for a gamma; 0 also on
 *         failure (the tag does not hold its count and every entry, or no
 *         view can be made).
 * @lasterror not set.
 * @since 1.0
 */
DWORD WINAPI MMF_get_CurveType_count(HANDLE mapping, MMF_tag_entry tag);
/**
 * @brief One entry of a curveType tag, as stored / 65535.
 *
 * A one-entry curve holds a gamma in u8Fixed8 form: the gamma is the value
 * times 65535 / 256.
 * @param[in]  mapping the mapping handle of an open profile.
 * @param[in]  tag     the tag's directory entry.
 * @param[in]  index   the entry, 0 to count - 1.
 * @param[out] value   receives the entry / 65535 (0.0 to 1.0).
 * @return 1 on success; 0, nothing written, when index is not below the
 *         count, the tag does not hold all its entries, no view can be made,
 *         or value is NULL.
 * @lasterror not set.
 * @since 1.0
 */
BOOL  WINAPI MMF_read_CurveType_index(HANDLE mapping, MMF_tag_entry tag,
                                      DWORD index, double *value);
/**
 * @brief The element count of a "ui08", "ui16", "ui32" or "ui64" tag, from
 * its size: (size - 8) / element width.
 * @param[in] tag            the tag's directory entry.
 * @param[in] type_signature the tag's type, as MMF_read_tag reported it.
 * @return the count; 0 for another type or a size below 8.
 * @since 1.0
 */
DWORD WINAPI get_UIntArrayType_count(MMF_tag_entry tag, huex_icSignature type_signature);
/**
 * @brief One element of a uInt8ArrayType tag.
 * @param[in]  mapping the mapping handle of an open profile.
 * @param[in]  tag     the tag's directory entry.
 * @param[in]  index   the element, from 0.
 * @param[out] value   receives the element (1 byte).
 * @return 1 on success; 0, nothing written, when the element is not inside
 *         the tag, no view can be made, or value is NULL.
 * @lasterror not set.
 * @since 1.0
 */
BOOL  WINAPI MMF_read_UInt8ArrayType(HANDLE mapping, MMF_tag_entry tag,
                                     DWORD index, BYTE *value);
/**
 * @brief One element of a uInt32ArrayType tag, in host order.
 * @param[in]  mapping the mapping handle of an open profile.
 * @param[in]  tag     the tag's directory entry.
 * @param[in]  index   the element, from 0.
 * @param[out] value   receives the element (4 bytes).
 * @return 1 on success; 0, nothing written, when the element is not inside
 *         the tag, no view can be made, or value is NULL.
 * @lasterror not set.
 * @since 1.0
 */
BOOL  WINAPI MMF_read_UInt32ArrayType(HANDLE mapping, MMF_tag_entry tag,
                                      DWORD index, DWORD *value);
/**
 * @brief The fixed part of a lut8Type tag: channels, grid points, matrix.
 * @param[in]     mapping the mapping handle of an open profile.
 * @param[in]     tag     the tag's directory entry.
 * @param[in,out] lut     the record (52 bytes): input_channels,
 *                        output_channels, grid_points and the matrix are
 *                        written, the other fields keep what they held.
 * @return 1 on success; 0, nothing written, when the tag is shorter than its
 *         fixed part, no view can be made, or lut is NULL.
 * @lasterror not set.
 * @since 1.0
 */
BOOL  WINAPI MMF_read_Lut8Type(HANDLE mapping, MMF_tag_entry tag, MMF_lut_header *lut);
/**
 * @brief The fixed part of a lut16Type tag: channels, grid points, matrix
 * and the table entry counts.
 * @param[in]     mapping the mapping handle of an open profile.
 * @param[in]     tag     the tag's directory entry.
 * @param[in,out] lut     the record (52 bytes): what MMF_read_Lut8Type writes,
 *                        and input_entries and output_entries.
 * @return 1 on success; 0, nothing written, as MMF_read_Lut8Type.
 * @lasterror not set.
 * @since 1.0
 */
BOOL  WINAPI MMF_read_Lut16Type(HANDLE mapping, MMF_tag_entry tag, MMF_lut_header *lut);

/** @} */

/** @addtogroup huex_helpers
 * @{ */

/**
 * @brief A fixed-point number as a double: the word read as a signed 32-bit
 * integer, / 65536.
 * @param[in]  raw   the raw word (0x00010000 gives 1.0, 0xFFFF0000 -1.0).
 * @param[out] value receives the value (8 bytes); NULL writes nothing.
 * @since 1.0
 */
void   WINAPI decode_s15Fixed16Number(huex_icS15Fixed16Number raw, double *value);
/**
 * @brief Three fixed-point numbers as doubles (decode_s15Fixed16Number of
 * each).
 * @param[in]  x raw X.
 * @param[in]  y raw Y.
 * @param[in]  z raw Z.
 * @param[out] X receives X (8 bytes).
 * @param[out] Y receives Y (8 bytes).
 * @param[out] Z receives Z (8 bytes). When any output is NULL nothing is
 *               written.
 * @since 1.0
 */
void   WINAPI decode_XYZNumber(huex_icS15Fixed16Number x, huex_icS15Fixed16Number y,
                               huex_icS15Fixed16Number z, double *X, double *Y, double *Z);
/**
 * @brief A curve entry as a double: the low 16 bits / 65535.
 * @param[in] value the entry in its low 16 bits.
 * @return 0.0 to 1.0 (0xFFFF is exactly 1.0).
 * @since 1.0
 */
double WINAPI convert_icUInt16Number_to_double(DWORD value); /* low 16 bits / 65535 */
/**
 * @brief The first four decimals of |value|, rounded: 0 to 10000.
 *
 * 0.96420 gives 9642, -1.25 gives 2500; a fraction of 0.99995 or more gives
 * 10000. Infinities and NaN give 0.
 * @param[in] value any value.
 * @return 0 to 10000.
 * @since 1.0
 */
LONG   WINAPI decimal4(double value);     /* first four decimals of |value|, 0-10000 */
/**
 * @brief A signature as a text in single quotes: 0x64657363 gives 'desc'.
 *
 * The four bytes, the first character from the high byte, between single
 * quotes. A zero byte ends the text where it stands, before the closing
 * quote: 0 gives a lone "'".
 * @param[in] signature the signature.
 * @return the text, in a buffer of the library's (7 bytes) that the caller
 *         must not free or write. It is valid until the calling thread's next
 *         call of sz_signature; copy it to keep it.
 * @par Threads
 * The buffer belongs to the calling thread: other threads' calls do not
 * touch it.
 * @since 1.0
 */
char  *WINAPI sz_signature(huex_icSignature signature);          /* "'desc'" */
/**
 * @brief Three fixed-point numbers as a text: "X=0.9642 Y=1.0000 Z=0.8249 ".
 *
 * Each number rounded half away from zero to four decimals, with its sign;
 * every piece, the last included, ends in a blank.
 * @param[in] x raw X.
 * @param[in] y raw Y.
 * @param[in] z raw Z.
 * @return the text, in a buffer of the library's (48 bytes) that the caller
 *         must not free or write. sz_xy_from_XYZNumber writes the same
 *         buffer: the text is valid until the calling thread's next call of
 *         either; copy it to keep it.
 * @par Threads
 * The buffer belongs to the calling thread: other threads' calls do not
 * touch it.
 * @since 1.0
 */
char  *WINAPI sz_XYZNumber(huex_icS15Fixed16Number x, huex_icS15Fixed16Number y,
                           huex_icS15Fixed16Number z);           /* "X=0.9642 Y=1.0000 Z=0.8249 " */
/**
 * @brief The chromaticity of three fixed-point numbers as a text:
 * "x=0.3457 y=0.3585".
 *
 * x = X / (X + Y + Z) and y = Y / (X + Y + Z), written as sz_XYZNumber writes
 * numbers, with no blank at the end; both 0 when the sum is 0.
 * @param[in] x raw X.
 * @param[in] y raw Y.
 * @param[in] z raw Z.
 * @return the text, in the buffer sz_XYZNumber writes too: valid until the
 *         calling thread's next call of either; copy it to keep it.
 * @par Threads
 * The buffer belongs to the calling thread: other threads' calls do not
 * touch it.
 * @since 1.0
 */
char  *WINAPI sz_xy_from_XYZNumber(huex_icS15Fixed16Number x, huex_icS15Fixed16Number y,
                                   huex_icS15Fixed16Number z);   /* "x=0.3457 y=0.3585" */

/** @} */

/**
 * @defgroup huex_profiles Profiles
 * @brief The current monitor and printer profiles, questions about any
 * profile file, and the profiles installed on the system.
 *
 * Profiles are named by the paths of their files (".icc", ".icm", ".pf",
 * extension in any case; at most 259 characters), or by one of
 * two default names: "Default Display" (the built-in display model) and the
 * default printer's name, "150-line Imagesetter" (the built-in printer, whose
 * printing values are the guides' recipes). Both follow the language of the
 * user interface. Paths are read in the process's ANSI code page; a path
 * handed back holds '?' for a letter that code page lacks. Profiles in
 * folders whose names it cannot spell are reached through the W forms
 * (@ref huex_wide).
 *
 * The monitor profile drives the screen colours (HUEX_GetColorRGB, the
 * picker) and is the source of HUEX_BeginMatching; the printer profile is
 * the destination of HUEX_GetColorCMYK and HUEX_MatchToPrinterProfile. Both
 * choices are kept in the user's settings when the library is unloaded (at
 * the latest when the process ends) and made current again when it is next
 * loaded; the picker's settings page changes them too.
 *
 * The Get/Create functions hand out a copy of a text in a block from
 * LocalAlloc (text length + 1 bytes) that the host gives back with
 * HUEX_DisposeProfile. They return HUEX_OK, or HUEX_NO_MEMORY with *profile
 * set to NULL.
 *
 * @par Threads
 * @copydetails huex_threads
 * @{
 */

/**
 * @brief A copy of the current monitor profile's path, or of the default
 * display's name when the built-in display model is current.
 * @param[out] profile receives the copy, which the caller owns and gives back
 *                     with HUEX_DisposeProfile.
 * @retval HUEX_OK *profile holds the copy.
 * @retval HUEX_NO_MEMORY no memory for the copy (or profile is NULL);
 *         *profile is NULL.
 * @lasterror not set.
 * @since 1.0
 */
short WINAPI HUEX_GetMonitorProfile(char **profile);
/**
 * @brief A copy of the current printer profile's path, or of the default
 * printer's name when the built-in printer is current.
 * @param[out] profile receives the copy, which the caller owns and gives back
 *                     with HUEX_DisposeProfile.
 * @retval HUEX_OK *profile holds the copy.
 * @retval HUEX_NO_MEMORY no memory for the copy (or profile is NULL);
 *         *profile is NULL.
 * @lasterror not set.
 * @since 1.0
 */
short WINAPI HUEX_GetPrinterProfile(char **profile);
/**
 * @brief A copy of the default printer's name, the name that makes the
 * built-in printer current (HUEX_SetPrinterProfile).
 * @param[out] profile receives the copy, which the caller owns and gives back
 *                     with HUEX_DisposeProfile.
 * @retval HUEX_OK *profile holds the copy.
 * @retval HUEX_NO_MEMORY no memory for the copy (or profile is NULL);
 *         *profile is NULL.
 * @lasterror not set.
 * @since 1.0
 */
short WINAPI HUEX_GetDefaultPrinterProfile(char **profile);
/**
 * @brief A copy of any text, in a block the library allocates, for hosts
 * that hand profile names around as the library's blocks.
 * @param[in]  path    the text to copy; not checked to name a profile.
 * @param[out] profile receives the copy, which the caller owns and gives back
 *                     with HUEX_DisposeProfile.
 * @retval HUEX_OK *profile holds the copy.
 * @retval HUEX_NO_MEMORY no memory for the copy, path is NULL, or profile is
 *         NULL; *profile is NULL.
 * @lasterror not set.
 * @since 1.0
 */
short WINAPI HUEX_CreateProfile(const char *path, char **profile);
/**
 * @brief Gives back a text the Get/Create functions handed out.
 * @param[in] profile the text; NULL is passed over. Anything else must be a
 *                    block the library handed out and not yet given back.
 * @return HUEX_OK, always.
 * @since 1.0
 */
short WINAPI HUEX_DisposeProfile(char *profile); /* always HUEX_OK */

/**
 * @brief Makes a profile the current monitor profile: the display model
 * that turns measurements into screen colours.
 *
 * The model starts from the built-in display model and takes the colorants,
 * white point, tone curves and description the profile holds: what the
 * profile lacks is the built-in model's, whatever was current before. The
 * profile's name (HUEX_GetProfileName) is its description, else its file
 * name. The screen colours of every look-up follow at once.
 * @param[in] path the profile's path, or the default display's name; NULL
 *                 makes the built-in display model current (and answers
 *                 HUEX_DEFAULT_IN_FORCE).
 * @retval HUEX_OK the profile, or the built-in model asked for by name, is
 *         current.
 * @retval HUEX_DEFAULT_IN_FORCE path is NULL, longer than 259 characters, or
 *         cannot be opened as a profile (missing, another extension, a file
 *         open elsewhere): the built-in display model is current, and
 *         HUEX_GetMonitorProfile gives the default display's name.
 * @lasterror not set.
 * @since 1.0
 */
short WINAPI HUEX_SetMonitorProfile(const char *path);
/**
 * @brief Makes a profile the current printer profile, the destination of
 * the printing values.
 *
 * Only the path and the profile's description are kept; matching reads the
 * file when it needs it.
 * @param[in] path the profile's path, or the default printer's name
 *                 (HUEX_GetDefaultPrinterProfile) for the built-in printer.
 * @retval HUEX_OK the profile, or the built-in printer asked for by name, is
 *         current.
 * @retval HUEX_DEFAULT_IN_FORCE path is NULL, longer than 259 characters, or
 *         cannot be opened as a profile: the built-in printer is current, and
 *         HUEX_GetPrinterProfile gives the default printer's name.
 * @lasterror not set.
 * @since 1.0
 */
short WINAPI HUEX_SetPrinterProfile(const char *path);

/**
 * @brief The data colour space of a profile file, as a small code.
 * @param[in] path the profile's path.
 * @retval 1 RGB.
 * @retval 0 CMYK.
 * @retval 2 XYZ.
 * @retval -1 any other colour space, or a path that cannot be opened or
 *         whose header cannot be read (the default names included).
 * @lasterror not set.
 * @since 1.0
 */
short WINAPI HUEX_GetProfileType(const char *path); /* RGB 1, CMYK 0, XYZ 2, other -1 */
/**
 * @brief The rendering intent word of a profile's header, as stored.
 * @param[in] path the profile's path.
 * @return the word: 0 perceptual, 1 relative colorimetric, 2 saturation, 3
 *         absolute colorimetric in a valid profile; -1 when the path cannot
 *         be opened or its header cannot be read (the default names
 *         included).
 * @lasterror not set.
 * @since 1.0
 */
LONG  WINAPI HUEX_GetProfileIntent(const char *path); /* header word as stored */
/**
 * @brief The profile connection space of a profile file, as a small code.
 * @param[in] path the profile's path.
 * @retval 0 XYZ.
 * @retval 1 Lab.
 * @retval -1 anything else, or a path that cannot be opened or whose header
 *         cannot be read (the default names included).
 * @lasterror not set.
 * @since 1.0
 */
short WINAPI HUEX_GetProfilePcs(const char *path);  /* XYZ 0, Lab 1, other -1 */

/**
 * @brief The name a profile goes by: its description, or the default name
 * itself.
 *
 * The description is the text of the first "desc" tag: its ASCII part
 * (textDescriptionType), or in a version 4 profile the English text of the
 * "mluc" tag (else its first), letters above U+00FF and control characters
 * as '?'. It is cut to 255 characters; "???" for a profile without one.
 * @param[in]  path the profile's path, or one of the default names.
 * @param[out] name receives the text: HUEX_PATH_SIZE (260) bytes.
 * @return the length written; 0, name untouched, when the path cannot be
 *         opened as a profile or an argument is NULL.
 * @lasterror not set.
 * @since 1.0
 */
short WINAPI HUEX_GetProfileName(const char *path, char *name);

/**
 * @brief Lists the installed profiles of one class, one per call.
 *
 * The walk goes through the colour system's folder (GetColorDirectoryA)
 * and then the older folder `system32\color` of the Windows directory; a file
 * name in both is listed once, from the first. Files that are no profiles
 * (other extensions, folders) and profiles of other classes are passed over;
 * a .icc, .icm or .pf file too short for the 128-byte header ends the walk
 * with -1. A profile whose path the ANSI code page cannot spell exactly is
 * passed over (enum_profiles_by_classificationW lists it). Start with
 * *state = NULL and find_data zeroed; keep both between
 * calls and change neither. After 0 and after -1 the search is closed and
 * *state is NULL again, so the same variables start a new walk. A walk
 * given up before its end keeps a search open: close it with
 * FindClose(*state) when *state is not NULL, or call on until the answer is
 * 0 or -1.
 * @param[in]     classification 0 display, 1 input, 2 output, 3 colour space
 *                               (XYZ data only).
 * @param[in,out] state          the search, NULL to start.
 * @param[in,out] find_data      the search's record (320 bytes), the caller's
 *                               storage for the whole walk.
 * @param[out]    path           receives the profile's path in lower case:
 *                               HUEX_PATH_SIZE (260) bytes. Overwritten for
 *                               every file examined.
 * @param[out]    description    receives the profile's description (as
 *                               HUEX_GetProfileName gives it), cut to
 *                               description_length - 1 characters.
 * @param[in]     description_length the size of description in bytes.
 * @return the length of the path of the next profile of the class (path and
 *         description written); 0 at the end (the search is closed and *state
 *         is NULL again); -1 for an unknown classification or a NULL
 *         argument (nothing touched); -1 too when neither folder can be
 *         searched or a profile's header cannot be read, which ends the walk
 *         (*state is NULL again). An INVALID_HANDLE_VALUE handed in as
 *         *state starts a walk.
 * @lasterror not set.
 * @since 1.0
 */
LONG WINAPI enum_profiles_by_classification(LONG classification, HANDLE *state,
                                            WIN32_FIND_DATAA *find_data, char *path,
                                            char *description, LONG description_length);

/** @} */

/**
 * @defgroup huex_matching Matching
 * @brief Colours from one ICC profile to another through the colour-matching
 * module LgICC.dll, and to the current printer.
 *
 * One matching session at a time: begin it for a pair of profile files,
 * match any number of colour arrays, end it. Beginning again replaces (and
 * releases) the session. The session is the process's: whatever thread began
 * it, HUEX_Match on any thread matches through it.
 *
 * Colours are arrays of 8-byte elements of four WORDs (an extended_color
 * array fits): RGB and XYZ use the first three values, CMYK all four; 65535
 * is the full value of a channel, and 100 for XYZ. After a three-channel
 * destination the fourth value of an element is 0.
 *
 * Supported: RGB or CMYK or XYZ source profiles, RGB or CMYK destinations.
 * The printing values of a guide colour come from HUEX_GetColorCMYK
 * (@ref huex_lookups).
 *
 * @par Threads
 * @copydetails huex_threads
 * @{
 */

/**
 * @brief Begins a session that matches from one profile file to another.
 *
 * Relative paths are taken from the current directory. The session uses the
 * rendering intent of HUEX_SetRenderingIntent. The module reads both files
 * whole, so no file is held while the session lasts.
 * @param[in] source      the source profile's path: RGB, CMYK or XYZ data.
 * @param[in] destination the destination profile's path: RGB or CMYK data.
 * @retval HUEX_OK the session is open.
 * @retval HUEX_NO_MEMORY the module made no transformation object; nothing
 *         changed (a session open before stays open).
 * @retval HUEX_NOT_SUPPORTED a profile kind not supported, a path that is no
 *         profile (a default name included) or a file open elsewhere, a
 *         rendering intent outside 0 to 3, or the module refused the pair. There is no session afterwards:
 *         one open before has been ended.
 * @lasterror not set.
 * @since 1.0
 */
short WINAPI HUEX_BeginMatchingSession(const char *source, const char *destination);
/**
 * @brief Begins a session from the current monitor profile.
 *
 * HUEX_BeginMatchingSession with the monitor profile's path as the source.
 * The built-in display model is no profile: with "Default Display" current
 * this answers HUEX_NOT_SUPPORTED.
 * @param[in] destination the destination profile's path: RGB or CMYK data.
 * @return as HUEX_BeginMatchingSession.
 * @lasterror not set.
 * @since 1.0
 */
short WINAPI HUEX_BeginMatching(const char *destination);
/**
 * @brief Matches an array of colours in place through the open session.
 * @param[in]     count  the number of elements; 0 or less matches nothing.
 * @param[in,out] colors count elements of 8 bytes (count * 8 bytes): source
 *                       values in, destination values out.
 * @retval HUEX_OK every element matched (also for count <= 0).
 * @retval HUEX_NOT_SUPPORTED there is no session or colors is NULL (nothing
 *         changed), or the module refused a colour: elements before it are
 *         matched, it and the following ones are unchanged; the session
 *         stays open.
 * @lasterror not set.
 * @since 1.0
 */
short WINAPI HUEX_Match(LONG count, void *colors);
/**
 * @brief Ends the session, if one is open, and releases it.
 * @return HUEX_OK, always.
 * @since 1.0
 */
short WINAPI HUEX_EndMatching(void); /* always HUEX_OK */
/**
 * @brief The rendering intent the next session begins with.
 * @return the intent in ICC numbering (0 perceptual, 1 relative
 *         colorimetric, 2 saturation, 3 absolute colorimetric); 0 after load
 *         (it is not kept in the settings).
 * @since 1.0
 */
LONG WINAPI HUEX_GetRenderingIntent(void);
/**
 * @brief Sets the rendering intent the next session begins with.
 *
 * The value is stored unchecked and takes effect at the next begin (and for
 * HUEX_GetColorCMYK at once); a session already open keeps its intent. A
 * value outside 0 to 3 makes every begin answer HUEX_NOT_SUPPORTED.
 * @param[in] intent 0 perceptual, 1 relative colorimetric, 2 saturation, 3
 *                   absolute colorimetric.
 * @return the previous intent.
 * @since 1.0
 */
LONG WINAPI HUEX_SetRenderingIntent(LONG intent);
/**
 * @brief Matches colours from the monitor profile to the printer profile, in
 * place.
 *
 * With a printer profile current this begins a session from the monitor
 * profile (HUEX_BeginMatching), matches and ends it: a session the host had
 * open is gone afterwards (unless the begin answers HUEX_NO_MEMORY). With the
 * built-in printer, each element is taken as an extended_color and replaced
 * by its CMYK recipe (HUEX_GetColorCMYK), and an open session is left alone.
 * @param[in]     count  the number of elements; 0 or less matches nothing.
 * @param[in,out] colors count elements of 8 bytes (count * 8 bytes): values of
 *                       the monitor profile's space in, of the printer
 *                       profile's out; for the built-in printer
 *                       extended_color records in, CMYK out.
 * @return HUEX_OK, or the first failing status: that of HUEX_BeginMatching or
 *         HUEX_Match, or with the built-in printer that of HUEX_GetColorCMYK
 *         for the first element without a recipe (elements before it are
 *         replaced, it and the following ones unchanged).
 * @lasterror not set.
 * @since 1.0
 */
short WINAPI HUEX_MatchToPrinterProfile(LONG count, void *colors);

/**
 * @brief The printing values of the colour a record names, for the current
 * printer.
 *
 * For the built-in printer: the colour's recipe. For a printer profile: its
 * measurement matched from "xyzprof.pf" (looked for in the colour system's
 * folder, then in `system32\color`) to the printer profile with the rendering
 * intent in force; paper white (no component below 99.99) and every case the
 * match is not possible (no "xyzprof.pf", a profile the module refuses) give
 * the recipe. Matching through a printer profile ends a matching session the
 * host had open.
 * @ingroup huex_lookups
 * @param[in]  color the record (8 bytes).
 * @param[out] cmyk  receives C, M, Y, K (4 WORDs, 8 bytes), 65535 for 100 %
 *                   ink.
 * @param[in]  d50   1: the D50 measurement; any other value: D65 (a recipe
 *                   is the same for both).
 * @retval HUEX_OK cmyk written.
 * @retval HUEX_NO_COLOR the record names no colour, or an argument is NULL;
 *         cmyk untouched.
 * @retval HUEX_NO_DATA the publication has no measurement (printer profile)
 *         or no recipe for the colour; cmyk untouched.
 * @lasterror not set.
 * @since 1.0
 */
short WINAPI HUEX_GetColorCMYK(const extended_color *color, WORD cmyk[4], short d50);

/** @} */

/**
 * @defgroup huex_picker Picker
 * @brief The modal colour picker: the user finds a colour by page, by name,
 * by value or by guide, and the host gets it back.
 *
 * A modal colour picker over the host's window: the host's window is
 * disabled until the user confirms (OK, Enter, a double-click on a swatch) or
 * cancels (Cancel, Escape, closing the window). The picker opens at the last
 * colour chosen in this process (kept across processes in the settings) and
 * shows the caller's colour, when it gives one, in its "Original" patch.
 * Nothing is chosen, at once, when the picker window cannot be made or a
 * picker is already open in this process; an owner that is no window is
 * treated as none. The picker shows the four built-in guides.
 *
 * @par Threads
 * @copydetails huex_threads
 *
 * @par The picker's thread
 * The picker runs its modal loop on the calling thread and returns when the
 * user closes it. Meanwhile the thread's own windows keep receiving their
 * messages, and their procedures may call any function but the picker's
 * (which refuse while it is open). The owner should be a window of the
 * calling thread: the picker disables it for as long as it is open.
 * @{
 */

/**
 * @brief Opens the picker and hands the choice back as the host's record.
 * @param[in]     owner  the host's window, which the picker disables while it
 *                       is open; NULL (or no window) for none.
 * @param[in,out] record an extended record (byte 6 not 0) gives the
 *                       "Original" colour; any other record opens the picker
 *                       without one. When a colour is chosen it is rewritten:
 *                       display RGB in the high bytes; code 37 with the flag
 *                       0-2 for the solid guides, 293 for the process guide,
 *                       and the index.
 * @param[out]    d50    when not NULL, receives the illuminant option in
 *                       force when the picker closed (1 D50, 0 D65), chosen
 *                       or not; untouched when the picker did not open.
 * @retval 1 a colour was chosen; the record is rewritten.
 * @retval 0 nothing was chosen (cancelled, the window could not be made,
 *         another picker is open), or record is NULL; the record is
 *         untouched.
 * @par Threads
 * Runs the modal loop on the calling thread; refused (0) while another
 * picker is open in the process.
 * @lasterror not set.
 * @since 1.0
 */
BYTE WINAPI HUEX_PickColor(HWND owner, extended_color *record, short *d50);
/**
 * @brief Opens the picker over the calling thread's window and returns the
 * chosen colour's id.
 *
 * Without an owner argument: the picker opens over the calling thread's
 * first visible top-level window (else one of the process, else none).
 * @return the chosen colour's id, publication << 16 | index (the
 *         publication 0 to 2 for the solid guides, 3 for the process guide),
 *         or -1 when nothing was chosen.
 * @par Threads
 * Runs the modal loop on the calling thread; refused (-1) while another
 * picker is open in the process.
 * @lasterror not set.
 * @since 1.0
 */
LONG WINAPI VERIHUE_SHOW_PICKER(void);
/**
 * @brief Opens the picker over the calling thread's window and returns the
 * chosen colour's display RGB and name.
 *
 * The owner is found as VERIHUE_SHOW_PICKER finds it.
 * @param[out] name       when not NULL and max_length >= 0, receives the
 *                        colour's full name (as HUEX_GetColorName gives it),
 *                        at most max_length characters and the terminator:
 *                        max_length + 1 bytes (76 hold every name). Untouched
 *                        when nothing was chosen.
 * @param[in]  max_length the longest name to write, in characters.
 * @return the display RGB (red in bits 0-7, green 8-15, blue 16-23) with the
 *         illuminant option in force, or 0 when nothing was chosen (a chosen
 *         black is 0 too: test whether name was written to tell them apart).
 * @par Threads
 * Runs the modal loop on the calling thread; refused (0) while another
 * picker is open in the process.
 * @lasterror not set.
 * @since 1.0
 */
DWORD WINAPI VERIHUE_COLOR_PICKER(char *name, short max_length);
/**
 * @brief Shows or hides the picker's "Settings" page, from the next opening
 * on.
 * @param[in] mode 1 shows it, 0 hides it, any other value changes nothing.
 * @return the previous state: 1 shown, 0 hidden (1 after load; not kept in
 *         the settings).
 * @since 1.0
 */
LONG WINAPI HUEX_ShowSettingsTab(LONG mode);
/**
 * @brief Kept for hosts written against earlier versions: does nothing.
 * @param[in] ignored not used.
 * @return 0, always.
 * @since 1.0
 */
short WINAPI HUEX_OpenResponder(LONG ignored);
/**
 * @brief Kept for hosts written against earlier versions: does nothing.
 * @return 0, always.
 * @since 1.0
 */
short WINAPI HUEX_CloseResponder(void);

/** @} */

/**
 * @defgroup huex_search Looking colours up
 * @brief A guide colour found by its name or by a colour value, and a
 * colour's CIELAB: what the picker's name box and `huexinfo match` answer.
 *
 * A search covers one publication, named by its colour-system code and flag
 * as HUEX_EncodeColor takes them, or every publication when the code is
 * HUEX_ALL_PUBS, in the order HUEX_EnumPubs lists them (the built-in guides
 * first, then the add-ons). Under the solid guides' code with flag 3 only the
 * process guide's first 1024 colours are searched: the colours that pair can
 * name. The records found are named by the pair searched, or in an all-guide
 * search by the pair HUEX_EnumPubs gives their publication, and read as plain
 * RGB too: their high bytes hold the screen colour HUEX_GetColorRGB gives for
 * the D50 measurement (black when the colour has none).
 *
 * Colour values are CIELAB under D50, three doubles L, a, b: the space of the
 * guides' D50 measurements (white X 96.42, Y 100, Z 82.49). Distances are
 * CIEDE2000 (kL = kC = kH = 1), the units a printer's tolerances are given
 * in.
 *
 * @par Threads
 * @copydetails huex_threads
 * @{
 */

/** @name Status codes of the look-ups by name and value
 * Beside those of @ref huex_basics, which these functions return as well.
 * @{ */
#define HUEX_NOT_FOUND          7  /**< no colour of that name (HUEX_FindColorByName) */
#define HUEX_INVALID_ARGUMENT   8  /**< a pointer is NULL, or a count or value is out of its range */
#define HUEX_NOT_A_VALUE        9  /**< the text is no colour value (HUEX_ReadColorValue) */
/** @} */

/** The code that asks HUEX_FindColorByName and HUEX_FindNearestColors to
 * search every publication, in the order HUEX_EnumPubs lists them. */
#define HUEX_ALL_PUBS (-1)

/**
 * @brief Finds a guide colour by its name.
 *
 * The name is compared as the picker's name box compares it: letter case
 * ignored (ASCII and the accented letters of Windows-1252), nothing trimmed.
 * It may be the name the guide stores, as HUEX_GetShortColorName gives it
 * ("Rosehip 3"), or the full name HUEX_GetColorName gives ("VERIHUE Rosehip 3
 * DSC"), whose suffix then picks the publication in an all-guide search. The
 * first colour of the search's order whose name matches is the answer: the
 * earlier publication, then the lower index.
 * @param[in]  system the colour-system code, or HUEX_ALL_PUBS for every
 *                    publication.
 * @param[in]  flag   the flag (not read with HUEX_ALL_PUBS).
 * @param[in]  name   the name, zero-terminated Windows-1252 text.
 * @param[out] record receives the colour's record (8 bytes), see the group's
 *                    description.
 * @retval HUEX_OK the record names the colour found.
 * @retval HUEX_NOT_FOUND no colour searched has that name (an empty name
 *         names none); record untouched.
 * @retval HUEX_NO_PUBLICATION the pair selects no existing publication;
 *         record untouched.
 * @retval HUEX_INVALID_ARGUMENT name or record is NULL; record untouched.
 * @par Example
 * @code
 * extended_color rosehip;
 * if (HUEX_FindColorByName(HUEX_ALL_PUBS, 0, "Rosehip 3", &rosehip) == HUEX_OK)
 *     ... the coated guide's Rosehip 3, the first in the list ...
 * @endcode
 * @lasterror not set.
 * @since 1.1
 */
short WINAPI HUEX_FindColorByName(short system, short flag, const char *name, extended_color *record);

/**
 * @brief The colour's CIELAB under D50, from its D50 measurement.
 *
 * Worked out from the measurement as the guide stores it (hundredths of X, Y
 * and Z), relative to the D50 white above, not from HUEX_GetColorXYZ's
 * rounded words.
 * @param[in]  record the record (8 bytes).
 * @param[out] lab    receives L (0 to 100), a and b: 3 doubles, 24 bytes.
 * @retval HUEX_OK lab written.
 * @retval HUEX_NO_COLOR the record names no colour; lab untouched.
 * @retval HUEX_NO_DATA the publication has no D50 measurement of the colour;
 *         lab untouched.
 * @retval HUEX_INVALID_ARGUMENT record or lab is NULL; lab untouched.
 * @lasterror not set.
 * @since 1.1
 */
short WINAPI HUEX_GetColorLab(const extended_color *record, double lab[3]);

/**
 * @brief Reads a colour value as a person types it into the picker's name
 * box, as CIELAB under D50.
 *
 * The forms, letter case and blanks around the value ignored:
 * - `#RRGGBB` and `#RGB`: sRGB in hexadecimal;
 * - `rgb(r, g, b)` and `rgb r g b`: sRGB, whole numbers 0 to 255;
 * - `L a b`, `L,a,b`, `lab L a b`, `lab(L, a, b)`: CIELAB under D50, L 0 to
 *   100, a and b -128 to 128.
 *
 * The three numbers stand apart by blanks or by one comma. sRGB is taken as
 * seen under D65 and adapted to D50 with the Bradford transform: "#E4002B"
 * reads as L 48.77, a 74.67, b 46.88.
 * @param[in]  text the text, zero-terminated.
 * @param[out] lab  receives L, a and b: 3 doubles, 24 bytes.
 * @retval HUEX_OK lab written.
 * @retval HUEX_NOT_A_VALUE the text is none of the forms, a number is out of
 *         its range, or something follows the value; lab untouched.
 * @retval HUEX_INVALID_ARGUMENT text or lab is NULL; lab untouched.
 * @lasterror not set.
 * @since 1.1
 */
short WINAPI HUEX_ReadColorValue(const char *text, double lab[3]);

/**
 * @brief The guide colours nearest to a CIELAB value by CIEDE2000, nearest
 * first.
 *
 * Every colour searched that has a D50 measurement is a candidate (its Lab as
 * HUEX_GetColorLab gives it). Where two are as near, the earlier publication
 * and then the lower index comes first. `huexinfo match` lists, for each
 * publication, what this answers for that publication's pair.
 * @param[in]  system  the colour-system code, or HUEX_ALL_PUBS for every
 *                     publication: then the count nearest of all of them.
 * @param[in]  flag    the flag (not read with HUEX_ALL_PUBS).
 * @param[in]  lab     the value: L, a and b under D50 (3 doubles), each a
 *                     finite number.
 * @param[in]  count   how many colours are wanted, 1 or more.
 * @param[out] records receives the records (see the group's description),
 *                     room for count records (8 bytes each).
 * @param[out] delta_e receives each record's CIEDE2000 distance to the value:
 *                     room for count doubles; NULL when not wanted.
 * @param[out] found   receives how many records were written: count, or
 *                     fewer when fewer colours are measured.
 * @retval HUEX_OK *found records written (1 or more) and their distances.
 * @retval HUEX_NO_DATA no colour searched has a D50 measurement; *found is
 *         0, records and delta_e untouched.
 * @retval HUEX_NO_PUBLICATION the pair selects no existing publication;
 *         nothing written.
 * @retval HUEX_INVALID_ARGUMENT lab, records or found is NULL, count is below
 *         1, or a value is not a finite number; nothing written.
 * @retval HUEX_NO_MEMORY no memory for the ranking of count colours; nothing
 *         written.
 * @par Example
 * @code
 * double lab[3], de[2];
 * extended_color nearest[2];
 * LONG n;
 * if (HUEX_ReadColorValue("#E4002B", lab) == HUEX_OK &&
 *     HUEX_FindNearestColors(HUEX_SYSTEM_PROCESS, 0, lab, 2, nearest, de, &n) == HUEX_OK)
 *     ... nearest[0] is "VERIHUE 062i DSP", de[0] 2.65 ...
 * @endcode
 * @lasterror not set.
 * @since 1.1
 */
short WINAPI HUEX_FindNearestColors(short system, short flag, const double lab[3], LONG count,
                                    extended_color *records, double *delta_e, LONG *found);

/** @} */

/**
 * @defgroup huex_wide Wide-character paths
 * @brief The functions that take or give a file's path, in forms whose
 * paths are UTF-16 (WCHAR) texts: profiles and files in folders whose names
 * the ANSI code page of the process cannot spell (a Cyrillic user name on a
 * Western system, any CJK name).
 *
 * Each function here is its ANSI namesake (the name without the final W)
 * with WCHAR paths: the same arguments in the same order, the same checks,
 * the same answers and the same state. Both forms may be mixed freely: a
 * profile made current through one form is what the other form reads back.
 * Path buffers (HUEX_PATH_SIZE) count WCHARs instead of bytes; texts handed
 * out are blocks from LocalAlloc of (length + 1) WCHARs, given back with
 * HUEX_DisposeProfileW.
 *
 * The library keeps every path in UTF-16. An ANSI function converts the path
 * it is given from the ANSI code page, and a path it gives back to that code
 * page, a letter the code page lacks as '?' (never a look-alike letter, which
 * could name another file): a host that may meet such paths uses these
 * forms. The profile paths kept in the user's settings are stored as text
 * values (REG_SZ) in UTF-16, which a library of an earlier version, reading
 * them in ANSI, gets in its code page.
 *
 * Profile names (descriptions, the default names) come from the same ANSI
 * texts as through the ANSI forms, widened from the ANSI code page: the
 * letters are the same whichever form asks.
 *
 * @par Threads
 * @copydetails huex_threads
 * @{
 */

/**
 * @brief MMF_open_profile_file for a UTF-16 path.
 *
 * Opens the file read-only and unshared and maps it, for the readers; the
 * extension ".icc", ".icm" or ".pf" in any case; a relative path is taken
 * from the current directory.
 * @param[in]  path    the file's path (UTF-16).
 * @param[out] mapping receives the mapping handle; NULL after a failure.
 * @param[out] file    receives the file handle; NULL after a failure.
 * @return 1 when the file was opened and mapped; 0 otherwise, both handles
 *         NULL (when the pointers are not NULL). The handles are the
 *         caller's until it gives them to MMF_close_profile_file.
 * @lasterror as MMF_open_profile_file: the system's reason when the file
 *         cannot be opened or mapped; not set when the path is NULL, has
 *         another extension, or a handle pointer is NULL.
 * @since 1.1
 */
BYTE WINAPI MMF_open_profile_fileW(const WCHAR *path, HANDLE *mapping, HANDLE *file);

/**
 * @brief HUEX_GetMonitorProfile in UTF-16: a copy of the current monitor
 * profile's path, or of the default display's name.
 * @param[out] profile receives the copy, (length + 1) WCHARs, which the
 *                     caller owns and gives back with HUEX_DisposeProfileW.
 * @retval HUEX_OK *profile holds the copy.
 * @retval HUEX_NO_MEMORY no memory for the copy (or profile is NULL);
 *         *profile is NULL.
 * @lasterror not set.
 * @since 1.1
 */
short WINAPI HUEX_GetMonitorProfileW(WCHAR **profile);
/**
 * @brief HUEX_SetMonitorProfile for a UTF-16 path: makes a profile the
 * current monitor profile.
 * @param[in] path the profile's path (extension ".icc", ".icm" or ".pf" in
 *                 any case), or the default display's name; NULL makes the
 *                 built-in display model current.
 * @retval HUEX_OK the profile, or the built-in model asked for by name, is
 *         current.
 * @retval HUEX_DEFAULT_IN_FORCE path is NULL, longer than 259 WCHARs, or
 *         cannot be opened as a profile: the built-in display model is
 *         current.
 * @lasterror not set.
 * @since 1.1
 */
short WINAPI HUEX_SetMonitorProfileW(const WCHAR *path);
/**
 * @brief HUEX_GetPrinterProfile in UTF-16: a copy of the current printer
 * profile's path, or of the default printer's name.
 * @param[out] profile receives the copy, (length + 1) WCHARs, which the
 *                     caller owns and gives back with HUEX_DisposeProfileW.
 * @retval HUEX_OK *profile holds the copy.
 * @retval HUEX_NO_MEMORY no memory for the copy (or profile is NULL);
 *         *profile is NULL.
 * @lasterror not set.
 * @since 1.1
 */
short WINAPI HUEX_GetPrinterProfileW(WCHAR **profile);
/**
 * @brief HUEX_GetDefaultPrinterProfile in UTF-16: a copy of the name that
 * makes the built-in printer current.
 * @param[out] profile receives the copy, (length + 1) WCHARs, which the
 *                     caller owns and gives back with HUEX_DisposeProfileW.
 * @retval HUEX_OK *profile holds the copy.
 * @retval HUEX_NO_MEMORY no memory for the copy (or profile is NULL);
 *         *profile is NULL.
 * @lasterror not set.
 * @since 1.1
 */
short WINAPI HUEX_GetDefaultPrinterProfileW(WCHAR **profile);
/**
 * @brief HUEX_SetPrinterProfile for a UTF-16 path: makes a profile the
 * current printer profile.
 * @param[in] path the profile's path, or the default printer's name
 *                 (HUEX_GetDefaultPrinterProfileW) for the built-in printer.
 * @retval HUEX_OK the profile, or the built-in printer asked for by name, is
 *         current.
 * @retval HUEX_DEFAULT_IN_FORCE path is NULL, longer than 259 WCHARs, or
 *         cannot be opened as a profile: the built-in printer is current.
 * @lasterror not set.
 * @since 1.1
 */
short WINAPI HUEX_SetPrinterProfileW(const WCHAR *path);
/**
 * @brief HUEX_CreateProfile in UTF-16: a copy of any text in a block the
 * library allocates.
 * @param[in]  path    the text to copy; not checked to name a profile.
 * @param[out] profile receives the copy, (length + 1) WCHARs, which the
 *                     caller owns and gives back with HUEX_DisposeProfileW.
 * @retval HUEX_OK *profile holds the copy.
 * @retval HUEX_NO_MEMORY no memory for the copy, path is NULL, or profile is
 *         NULL; *profile is NULL.
 * @lasterror not set.
 * @since 1.1
 */
short WINAPI HUEX_CreateProfileW(const WCHAR *path, WCHAR **profile);
/**
 * @brief Gives back a text the W Get/Create functions handed out.
 * @param[in] profile the text; NULL is passed over. Anything else must be a
 *                    block a W function handed out and not yet given back.
 * @return HUEX_OK, always.
 * @since 1.1
 */
short WINAPI HUEX_DisposeProfileW(WCHAR *profile); /* always HUEX_OK */
/**
 * @brief HUEX_GetProfileType for a UTF-16 path: the data colour space of a
 * profile file.
 * @param[in] path the profile's path.
 * @retval 1 RGB.
 * @retval 0 CMYK.
 * @retval 2 XYZ.
 * @retval -1 any other colour space, or a path that cannot be opened or
 *         whose header cannot be read (the default names included).
 * @lasterror not set.
 * @since 1.1
 */
short WINAPI HUEX_GetProfileTypeW(const WCHAR *path);
/**
 * @brief HUEX_GetProfileIntent for a UTF-16 path: the rendering intent word
 * of a profile's header, as stored.
 * @param[in] path the profile's path.
 * @return the word (0 to 3 in a valid profile); -1 when the path cannot be
 *         opened or its header cannot be read (the default names included).
 * @lasterror not set.
 * @since 1.1
 */
LONG  WINAPI HUEX_GetProfileIntentW(const WCHAR *path);
/**
 * @brief HUEX_GetProfilePcs for a UTF-16 path: the profile connection space
 * of a profile file.
 * @param[in] path the profile's path.
 * @retval 0 XYZ.
 * @retval 1 Lab.
 * @retval -1 anything else, or a path that cannot be opened or whose header
 *         cannot be read (the default names included).
 * @lasterror not set.
 * @since 1.1
 */
short WINAPI HUEX_GetProfilePcsW(const WCHAR *path);
/**
 * @brief HUEX_GetProfileName for a UTF-16 path: the name a profile goes by,
 * its description or the default name itself.
 * @param[in]  path the profile's path, or one of the default names.
 * @param[out] name receives the text: HUEX_PATH_SIZE (260) WCHARs. The
 *                  description as HUEX_GetProfileName gives it (at most 255
 *                  characters, "???" for a profile without one), widened
 *                  from the ANSI code page.
 * @return the length written, in WCHARs; 0, name untouched, when the path
 *         cannot be opened as a profile or an argument is NULL.
 * @lasterror not set.
 * @since 1.1
 */
short WINAPI HUEX_GetProfileNameW(const WCHAR *path, WCHAR *name);
/**
 * @brief enum_profiles_by_classification with a UTF-16 find record and
 * path: lists the installed profiles of one class, one per call, whatever
 * letters their names hold.
 *
 * The same walk, folders, order, classes and ends as the ANSI form (see
 * there); *state and find_data are kept between calls and changed by none
 * but the walk, and a walk given up before its end is closed with
 * FindClose(*state). A record of one form must not be handed to the other.
 * The ANSI form lists only the profiles whose paths its code page spells
 * exactly; this one lists them all.
 * @param[in]     classification 0 display, 1 input, 2 output, 3 colour space
 *                               (XYZ data only).
 * @param[in,out] state          the search, NULL to start.
 * @param[in,out] find_data      the search's record (592 bytes), the caller's
 *                               storage for the whole walk, zeroed at the
 *                               start.
 * @param[out]    path           receives the profile's path in lower case:
 *                               HUEX_PATH_SIZE (260) WCHARs. Overwritten for
 *                               every file examined.
 * @param[out]    description    receives the profile's description (as
 *                               HUEX_GetProfileNameW gives it), cut to
 *                               description_length - 1 WCHARs.
 * @param[in]     description_length the size of description in WCHARs.
 * @return the length in WCHARs of the path of the next profile of the class
 *         (path and description written); 0 at the end (the search is closed
 *         and *state is NULL again); -1 for an unknown classification or a
 *         NULL argument (nothing touched); -1 too when neither folder can be
 *         searched or a profile's header cannot be read, which ends the walk
 *         (*state is NULL again).
 * @lasterror not set.
 * @since 1.1
 */
LONG WINAPI enum_profiles_by_classificationW(LONG classification, HANDLE *state,
                                             WIN32_FIND_DATAW *find_data, WCHAR *path,
                                             WCHAR *description, LONG description_length);

/**
 * @brief HUEX_BeginMatchingSession for UTF-16 paths: begins a session that
 * matches from one profile file to another.
 *
 * Relative paths are taken from the current directory; the colour-matching
 * module gets both paths whole, in UTF-16 (LgoCreateMatchTransformationW).
 * @param[in] source      the source profile's path: RGB, CMYK or XYZ data.
 * @param[in] destination the destination profile's path: RGB or CMYK data.
 * @retval HUEX_OK the session is open.
 * @retval HUEX_NO_MEMORY the module made no transformation object; nothing
 *         changed.
 * @retval HUEX_NOT_SUPPORTED a profile kind not supported, a path that is no
 *         profile or a file open elsewhere, a rendering intent outside 0 to
 *         3, or the module refused the pair; there is no session afterwards.
 * @lasterror after HUEX_NO_MEMORY or HUEX_NOT_SUPPORTED from the module,
 *         HUEX_MATCHING_ERROR_BASE plus its status, as for the ANSI form.
 * @since 1.1
 */
short WINAPI HUEX_BeginMatchingSessionW(const WCHAR *source, const WCHAR *destination);
/**
 * @brief HUEX_BeginMatching for a UTF-16 path: begins a session from the
 * current monitor profile.
 * @param[in] destination the destination profile's path: RGB or CMYK data.
 * @return as HUEX_BeginMatchingSessionW; HUEX_NOT_SUPPORTED while the
 *         built-in display model is current.
 * @lasterror as HUEX_BeginMatchingSessionW.
 * @since 1.1
 */
short WINAPI HUEX_BeginMatchingW(const WCHAR *destination);

/** @} */

#ifdef __cplusplus
}
#endif

#endif /* HUEX_H */
