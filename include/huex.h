/*
 * huex.h - public interface of huex.dll for C and C++ hosts.
 *
 * Every function is exported under its undecorated name and uses the WINAPI
 * (stdcall) convention. Texts are single-byte (ANSI) and zero-terminated;
 * buffers are the caller's and must have the documented sizes.
 */
#ifndef HUEX_H
#define HUEX_H

#include <windows.h>

#include "huex_version.h"

#ifdef __cplusplus
extern "C" {
#endif

/* A compile-time check that C89 and C++98 accept as well as their successors. */
#define HUEX_STATIC_ASSERT(condition, name) typedef char huex_assert_##name[(condition) ? 1 : -1]

/* ==== Buffer sizes ==== */
/* The exports write texts into caller buffers of these sizes, terminator included. */
#define HUEX_PUB_NAME_SIZE    251  /* HUEX_EnumPubs, HUEX_GetColorSetName */
#define HUEX_COLOR_NAME_SIZE  76   /* HUEX_GetColorName */
#define HUEX_SHORT_NAME_SIZE  36   /* HUEX_GetShortColorName */
#define HUEX_PATH_SIZE        260  /* HUEX_GetProfileName, enum_profiles_by_classification's path */

/* ==== Status codes ==== */
#define HUEX_OK                 0  /* success */
#define HUEX_NO_COLOR           1  /* the record names no colour, or an index or code is out of range */
#define HUEX_NO_PUBLICATION     2  /* no such publication (HUEX_EncodeColor) */
#define HUEX_NO_DATA            3  /* measurements or recipe not available (HUEX_GetColorCMYK) */
#define HUEX_NO_MEMORY          4  /* no memory for a returned string, or no transformation object */
#define HUEX_NOT_SUPPORTED      5  /* profile kind not supported, or the colour-matching module refused */
#define HUEX_DEFAULT_IN_FORCE   6  /* a profile cannot be made current; the default has taken its place */

/*
 * When a matching call (HUEX_BeginMatchingSession, HUEX_BeginMatching,
 * HUEX_Match, HUEX_MatchToPrinterProfile) answers HUEX_NOT_SUPPORTED or
 * HUEX_NO_MEMORY because the colour-matching module refused, GetLastError()
 * right after it gives HUEX_MATCHING_ERROR_BASE plus the module's status
 * (LGICC_ERR_*, lgicc.h): the cause. An application-defined error code
 * (bit 29 set), so it never reads as a system error.
 */
#define HUEX_MATCHING_ERROR_BASE 0x20480000L

/* ==== Colour records ==== */
/*
 * The 8-byte record hosts hold: three 16-bit RGB words whose high bytes are the
 * display colour, and a colour-system code in the fourth word. The low bytes of
 * the first three words carry the colour flag and the colour's index.
 */
#ifndef HUEX_EXTENDED_COLOR_DEFINED
#define HUEX_EXTENDED_COLOR_DEFINED
typedef struct extended_color {
    WORD red;
    WORD green;
    WORD blue;
    WORD color_system;
} extended_color;
#endif

HUEX_STATIC_ASSERT(sizeof(extended_color) == 8, extended_color_is_8_bytes);

/* ==== Publications ==== */
/*
 * Lists the publications one per call. Start with *system = -1; each call
 * writes the next publication's description into name (HUEX_PUB_NAME_SIZE
 * bytes), replaces *system and *flag by its colour-system code and flag and
 * returns the description's length. 0 ends the list and leaves all three alone.
 */
int WINAPI HUEX_EnumPubs(short *system, short *flag, char *name);

/* ==== Colour records and look-ups ==== */
/*
 * Colour-system codes and flags name a publication: 37 with flag 0, 1, 2
 * (solid guides: coated, uncoated, process simulation) or 3 (process guide,
 * indexes up to 1023 only); 293 (process guide, any index); 549, 1573, 1061,
 * 1317 (add-ons 4 to 7); 2085, 2341, 805 with flag 0 or 1 (add-ons 8 to 13).
 */
#define HUEX_SYSTEM_SOLID    37
#define HUEX_SYSTEM_PROCESS  293

/* 1 when byte 6 of the record is not 0, i.e. the record names a guide colour. */
BYTE WINAPI HUEX_ColorIsExtended(const extended_color *record);
/* Bits 0 to 3 of the red word; nothing else changes. */
void WINAPI HUEX_SetColorFlag(extended_color *record, short flag);
short WINAPI HUEX_GetColorFlag(const extended_color *record);
/* Index field 0 or 1 (10 bits each); any other `which` changes nothing / gives 0. */
void WINAPI HUEX_SetIndex(extended_color *record, short which, short index);
short WINAPI HUEX_GetIndex(const extended_color *record, short which);
/*
 * Makes the record name colour `index` of the publication that system and flag
 * select; the RGB high bytes stay as the caller set them. HUEX_OK, or
 * HUEX_NO_PUBLICATION (nothing written) when the pair selects no existing
 * publication, or HUEX_NO_COLOR (nothing written) when the index is negative,
 * beyond the publication, or beyond what the code's fields hold (1023 for
 * codes 37, 2085, 2341; 4095 for 293, 549, 1061, 1317, 1573).
 */
short WINAPI HUEX_EncodeColor(short system, short flag, short index, extended_color *record);
/* HUEX_OK, or HUEX_NO_COLOR for a code without an encoding (only *system written). */
short WINAPI HUEX_DecodeColor(short *system, short *flag, short *index, const extended_color *record);

/*
 * Look-ups of the colour a record names. Each returns HUEX_NO_COLOR (names: 0)
 * and writes nothing when the record names no colour or the publication lacks
 * the data. d50 1 selects the D50 measurements, any other value D65.
 */
/* Screen RGB through the current display model, each 8-bit value << 8. */
short WINAPI HUEX_GetColorRGB(const extended_color *record, WORD rgb[3], short d50);
/* X, Y, Z with 100 (white Y) as 65535; larger values are clamped to 65535. */
short WINAPI HUEX_GetColorXYZ(const extended_color *record, WORD xyz[3], short d50);
/* "VERIHUE " + name + " " + display suffix; name: HUEX_COLOR_NAME_SIZE bytes. Returns the length. */
short WINAPI HUEX_GetColorName(const extended_color *record, char *name);
/* The stored name alone; name: HUEX_SHORT_NAME_SIZE bytes. Returns the length. */
short WINAPI HUEX_GetShortColorName(const extended_color *record, char *name);
/* The colour's index within its publication. */
short WINAPI HUEX_GetColorIndex(const extended_color *record, DWORD *index);
/* The name of the colour system in the user's language; returns its length (name: HUEX_PUB_NAME_SIZE bytes). */
int WINAPI HUEX_GetColorSetName(DWORD ignored, char *name);
/* Colours per page / number of pages of the publication a pair selects, or -1. */
int WINAPI HUEX_PubColors(short system, short flag);
int WINAPI HUEX_PubPages(short system, short flag);

/* 8-bit <-> 16-bit components: 0x2345 -> 0x23, 0x23 -> 0x2300; low 16 bits. */
BYTE WINAPI uint2byte(DWORD v);
DWORD WINAPI byte2uint(BYTE b);
DWORD WINAPI uint2long(DWORD v);
WORD WINAPI long2uint(LONG v);

/* ==== ICC reader ==== */
/*
 * A stateless reader of ICC profile files. MMF_open_profile_file maps a file
 * read-only (no sharing while it is open) and hands out the mapping and file
 * handles; every read takes the mapping handle, makes its own view and
 * releases it before returning. Values come back in host order; fixed-point
 * numbers stay raw (decode them with decode_s15Fixed16Number).
 *
 * No reader looks outside the file: a directory entry or tag that does not
 * lie wholly inside the file, a tag shorter than its 8-byte type preamble,
 * and an element outside its tag make the reader return 0 and write nothing.
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
#define HUEX_ICC_TAG(name) name
#endif
typedef DWORD huex_icSignature;           /* "desc" is 0x64657363 */
typedef LONG  huex_icS15Fixed16Number;    /* value = word / 65536 */
typedef BYTE  huex_icUInt8Number;
typedef WORD  huex_icUInt16Number;
typedef DWORD huex_icUInt32Number;

typedef struct HUEX_ICC_TAG(icXYZNumber) {
    huex_icS15Fixed16Number X;
    huex_icS15Fixed16Number Y;
    huex_icS15Fixed16Number Z;
} huex_icXYZNumber;

typedef struct HUEX_ICC_TAG(icDateTimeNumber) {
    huex_icUInt16Number year;
    huex_icUInt16Number month;
    huex_icUInt16Number day;
    huex_icUInt16Number hours;
    huex_icUInt16Number minutes;
    huex_icUInt16Number seconds;
} huex_icDateTimeNumber;
#undef HUEX_ICC_TAG

#ifndef HUEX_NO_ICC_NAMES
typedef huex_icSignature        icSignature;
typedef huex_icS15Fixed16Number icS15Fixed16Number;
typedef huex_icUInt8Number      icUInt8Number;
typedef huex_icUInt16Number     icUInt16Number;
typedef huex_icUInt32Number     icUInt32Number;
typedef huex_icXYZNumber        icXYZNumber;
typedef huex_icDateTimeNumber   icDateTimeNumber;
#endif

/* Header bytes 0-79, field by field, none validated. */
typedef struct MMF_profile_header {
    huex_icUInt32Number   size;
    huex_icSignature      cmm_type;
    huex_icUInt32Number   version;
    huex_icSignature      device_class;
    huex_icSignature      color_space;
    huex_icSignature      connection_space;
    huex_icDateTimeNumber date;
    huex_icSignature      magic;
    huex_icSignature      platform;
    huex_icUInt32Number   flags;
    huex_icSignature      manufacturer;
    huex_icUInt32Number   model;
    huex_icUInt32Number   attributes_high;
    huex_icUInt32Number   attributes_low;
    huex_icUInt32Number   rendering_intent; /* 0 perceptual ... 3 absolute colorimetric */
    huex_icXYZNumber      illuminant;
} MMF_profile_header;

/* One entry of the tag directory; the tag readers take it by value. */
typedef struct MMF_tag_entry {
    huex_icSignature    signature;
    huex_icUInt32Number offset;  /* of the tag's data from the start of the file */
    huex_icUInt32Number size;    /* of the tag's data, its 8-byte preamble included */
} MMF_tag_entry;

/* The fixed part of lut8Type and lut16Type; type_signature, reserved and pad
 * are never written, input_entries and output_entries by MMF_read_Lut16Type
 * only. */
typedef struct MMF_lut_header {
    huex_icSignature        type_signature;
    huex_icUInt32Number     reserved;
    huex_icUInt8Number      input_channels;
    huex_icUInt8Number      output_channels;
    huex_icUInt8Number      grid_points;
    huex_icUInt8Number      pad;
    huex_icS15Fixed16Number e00, e01, e02, e10, e11, e12, e20, e21, e22;
    huex_icUInt16Number     input_entries;
    huex_icUInt16Number     output_entries;
} MMF_lut_header;

HUEX_STATIC_ASSERT(sizeof(huex_icXYZNumber) == 12 && sizeof(huex_icDateTimeNumber) == 12, icc_numbers_are_3_and_6_words);
HUEX_STATIC_ASSERT(sizeof(MMF_profile_header) == 80, MMF_profile_header_is_20_words);
HUEX_STATIC_ASSERT(sizeof(MMF_tag_entry) == 12, MMF_tag_entry_is_3_words);
HUEX_STATIC_ASSERT(sizeof(MMF_lut_header) == 52, MMF_lut_header_is_13_words);

/* Extensions ".icc", ".icm" and ".pf" only, compared case-sensitively. Both
 * handles are 0 after a failure, so MMF_close_profile_file may be called
 * unconditionally. */
BYTE WINAPI MMF_open_profile_file(const char *path, HANDLE *mapping, HANDLE *file);
void WINAPI MMF_close_profile_file(HANDLE mapping, HANDLE file);

BOOL  WINAPI MMF_read_profile_header(HANDLE mapping, MMF_profile_header *header);
DWORD WINAPI MMF_read_profile_tag_count(HANDLE mapping);
/* Entry index (0 to count - 1) and the type signature at the start of its tag. */
BOOL  WINAPI MMF_read_tag(HANDLE mapping, LONG index, MMF_tag_entry *entry,
                          huex_icSignature *type_signature);
/* view + offset + 8, for a view the caller mapped itself; nothing checked. */
const BYTE *WINAPI MMF_offset_to_tag(const void *view, MMF_tag_entry tag);

/* Big-endian numbers from any memory; no checks beyond a null pointer. */
huex_icUInt8Number      WINAPI MMF_read_icUInt8Number(const void *p);
huex_icUInt16Number     WINAPI MMF_read_icUInt16Number(const void *p);
huex_icUInt32Number     WINAPI MMF_read_icUInt32Number(const void *p);
huex_icS15Fixed16Number WINAPI MMF_read_icS15Fixed16Number(const void *p);
huex_icSignature        WINAPI MMF_read_icSignature(const void *p);
void WINAPI MMF_read_icDateTimeNumber(const void *p, huex_icDateTimeNumber *date);
void WINAPI MMF_read_icXYZNumber(const void *p, huex_icXYZNumber *xyz);

/* Tag readers: 1 on success, 0 (nothing written) on failure. None looks at
 * the tag's type; pick the reader from the type MMF_read_tag reported. */
/* textType: exactly tag.size - 8 bytes, the stored terminator included. */
BOOL  WINAPI MMF_read_textType(HANDLE mapping, MMF_tag_entry tag, char *buffer);
/* textDescriptionType, ASCII part: a description longer than length bytes is
 * cut to length - 1 characters; the text is always terminated. */
BOOL  WINAPI MMF_read_ProfileDescriptionType(HANDLE mapping, MMF_tag_entry tag,
                                             char *buffer, LONG length);
BOOL  WINAPI MMF_read_XYZType(HANDLE mapping, MMF_tag_entry tag, huex_icXYZNumber *xyz);
/* curveType: the entry count (0 for an identity curve and on failure). */
DWORD WINAPI MMF_get_CurveType_count(HANDLE mapping, MMF_tag_entry tag);
/* Entry index as stored / 65535 (a one-entry curve holds a u8Fixed8 gamma). */
BOOL  WINAPI MMF_read_CurveType_index(HANDLE mapping, MMF_tag_entry tag,
                                      DWORD index, double *value);
/* Element count of a "ui08", "ui16", "ui32" or "ui64" tag from its size; 0 otherwise. */
DWORD WINAPI get_UIntArrayType_count(MMF_tag_entry tag, huex_icSignature type_signature);
BOOL  WINAPI MMF_read_UInt8ArrayType(HANDLE mapping, MMF_tag_entry tag,
                                     DWORD index, BYTE *value);
BOOL  WINAPI MMF_read_UInt32ArrayType(HANDLE mapping, MMF_tag_entry tag,
                                      DWORD index, DWORD *value);
BOOL  WINAPI MMF_read_Lut8Type(HANDLE mapping, MMF_tag_entry tag, MMF_lut_header *lut);
BOOL  WINAPI MMF_read_Lut16Type(HANDLE mapping, MMF_tag_entry tag, MMF_lut_header *lut);

/* Numbers and texts. The sz_ texts live in two static buffers of the library
 * (one for sz_signature, one shared by the other two), valid until the next
 * call that writes the same buffer. */
void   WINAPI decode_s15Fixed16Number(huex_icS15Fixed16Number raw, double *value);
void   WINAPI decode_XYZNumber(huex_icS15Fixed16Number x, huex_icS15Fixed16Number y,
                               huex_icS15Fixed16Number z, double *X, double *Y, double *Z);
double WINAPI convert_icUInt16Number_to_double(DWORD value); /* low 16 bits / 65535 */
LONG   WINAPI decimal4(double value);     /* first four decimals of |value|, 0-10000 */
char  *WINAPI sz_signature(huex_icSignature signature);          /* "'desc'" */
char  *WINAPI sz_XYZNumber(huex_icS15Fixed16Number x, huex_icS15Fixed16Number y,
                           huex_icS15Fixed16Number z);           /* "X=0.9642 Y=1.0000 Z=0.8249 " */
char  *WINAPI sz_xy_from_XYZNumber(huex_icS15Fixed16Number x, huex_icS15Fixed16Number y,
                                   huex_icS15Fixed16Number z);   /* "x=0.3457 y=0.3585" */

/* ==== Profiles ==== */
/*
 * Profiles are named by the paths of their files (".icc", ".icm", ".pf",
 * extension compared case-sensitively; at most 259 characters), or by one of
 * two default names: "Default Display" (the built-in display model) and the
 * default printer's name (the built-in printer). Both follow the language of
 * the user interface.
 *
 * The Get/Create functions hand out a copy of a text in a block from
 * LocalAlloc (text length + 1 bytes) that the host gives back with
 * HUEX_DisposeProfile. They return HUEX_OK, or HUEX_NO_MEMORY with *profile
 * set to NULL.
 */
short WINAPI HUEX_GetMonitorProfile(char **profile);
short WINAPI HUEX_GetPrinterProfile(char **profile);
short WINAPI HUEX_GetDefaultPrinterProfile(char **profile);
short WINAPI HUEX_CreateProfile(const char *path, char **profile);
short WINAPI HUEX_DisposeProfile(char *profile); /* always HUEX_OK */

/*
 * Make a profile current. HUEX_OK, or HUEX_DEFAULT_IN_FORCE when the path is
 * NULL, longer than 259 characters or cannot be opened as a profile: the
 * default display (printer) is then current, and HUEX_GetMonitorProfile
 * (HUEX_GetPrinterProfile) returns the default name. A monitor profile
 * replaces the colorants, white point, tone curves and description it holds;
 * what it lacks stays as it was.
 */
short WINAPI HUEX_SetMonitorProfile(const char *path);
short WINAPI HUEX_SetPrinterProfile(const char *path);

/* Header queries. A path that cannot be opened or whose header cannot be read
 * (the default names included) gives -1 from all three. */
short WINAPI HUEX_GetProfileType(const char *path); /* RGB 1, CMYK 0, XYZ 2, other -1 */
LONG  WINAPI HUEX_GetProfileIntent(const char *path); /* header word as stored */
short WINAPI HUEX_GetProfilePcs(const char *path);  /* XYZ 0, Lab 1, other -1 */

/* The profile's description (or the default name itself) in name, which must
 * hold HUEX_PATH_SIZE bytes; "???" for a profile without one. Returns the length; 0 and
 * name untouched when the path cannot be opened as a profile. */
short WINAPI HUEX_GetProfileName(const char *path, char *name);

/*
 * Lists the profiles of one class in the system colour directory, one per
 * call: classification 0 display, 1 input, 2 output, 3 colour space with XYZ
 * data. Start with *state = NULL and find_data zeroed; keep both between
 * calls. Returns the length of the profile's lower-case path (path: HUEX_PATH_SIZE
 * bytes) and writes its description (cut to description_length - 1
 * characters); 0 at the end; -1 when the colour directory cannot be
 * searched or a profile's header cannot be read (a .icc, .icm or .pf file
 * shorter than the 128-byte header), which ends the walk there. After 0 and
 * after -1 the search is closed and *state is NULL again, so the same
 * variables start a new walk. An unknown classification gives -1 and touches
 * nothing.
 */
LONG WINAPI enum_profiles_by_classification(LONG classification, HANDLE *state,
                                            WIN32_FIND_DATAA *find_data, char *path,
                                            char *description, LONG description_length);

/* ==== Matching ==== */
/*
 * One matching session at a time, through the colour-matching module
 * LgICC.dll: begin it for a pair of profile files, match any number of colour
 * arrays, end it. Beginning again replaces (and releases) the session.
 *
 * Colours are arrays of 8-byte elements of four WORDs (an extended_color
 * array fits): RGB and XYZ use the first three values, CMYK all four; 65535
 * is the full value of a channel, and 100 for XYZ. After a three-channel
 * destination the fourth value of an element is 0.
 *
 * Supported: RGB or CMYK or XYZ source profiles, RGB or CMYK destinations.
 * Begin returns HUEX_OK, HUEX_NO_MEMORY (no transformation object), or
 * HUEX_NOT_SUPPORTED (a profile kind not supported, a path that is no
 * profile, or the module refused the pair). After HUEX_NOT_SUPPORTED there
 * is no session; HUEX_NO_MEMORY changes nothing.
 */
short WINAPI HUEX_BeginMatchingSession(const char *source, const char *destination);
/* The current monitor profile as source ("Default Display" is no profile: 5). */
short WINAPI HUEX_BeginMatching(const char *destination);
/* HUEX_OK (also for count <= 0), or HUEX_NOT_SUPPORTED when there is no
 * session or a colour fails: elements before it are matched, it and the
 * following ones are unchanged. */
short WINAPI HUEX_Match(LONG count, void *colors);
short WINAPI HUEX_EndMatching(void); /* always HUEX_OK */
/* ICC numbering (0 perceptual, 1 relative colorimetric, 2 saturation, 3
 * absolute colorimetric); 0 after load. Takes effect at the next begin.
 * Set stores the value unchecked and returns the previous one. */
LONG WINAPI HUEX_GetRenderingIntent(void);
LONG WINAPI HUEX_SetRenderingIntent(LONG intent);
/* Matches colors from the monitor profile to the printer profile; with the
 * built-in printer, each element is taken as an extended_color and replaced
 * by its CMYK recipe. HUEX_OK, or the first failing status. Replaces any
 * open session. */
short WINAPI HUEX_MatchToPrinterProfile(LONG count, void *colors);

/*
 * The printing values C, M, Y, K (65535 is 100 % ink) of the colour a record
 * names, for the current printer: its recipe for the built-in printer, else
 * its measurement (d50 1: D50, otherwise D65) matched from "xyzprof.pf" in
 * the system colour directory to the printer profile; paper white (no
 * component below 99.99) and every case the match is not possible give the
 * recipe. HUEX_OK, HUEX_NO_COLOR (no guide colour, or a null argument),
 * HUEX_NO_DATA (no measurement or recipe), HUEX_NO_MEMORY. Replaces any open
 * session.
 */
short WINAPI HUEX_GetColorCMYK(const extended_color *color, WORD cmyk[4], short d50);

/* ==== Picker ==== */
/*
 * A modal colour picker over the host's window: the host's window is
 * disabled until the user confirms (OK, Enter, a double-click on a swatch) or
 * cancels (Cancel, Escape, closing the window). The picker opens at the last
 * colour chosen in this process (kept across processes in the settings) and
 * shows the caller's colour, when it gives one, in its "Original" patch.
 * Nothing is chosen, at once, when the picker window cannot be made or a
 * picker is already open in this process; an owner that is no window is
 * treated as none. The picker runs on the calling thread.
 */
/*
 * record: an extended record (byte 6 not 0) gives the "Original" colour; any
 * other record opens the picker without one. Returns 1 when a colour was
 * chosen: the record is rewritten (display RGB in the high bytes; code 37
 * with the flag 0-2 for the solid guides, 293 for the process guide, and the
 * index). Returns 0 when nothing was chosen or record is NULL; the record is
 * then untouched. *d50 (when d50 is not NULL) receives the illuminant option
 * in force when the picker closed: 1 for D50, 0 for D65.
 */
BYTE WINAPI HUEX_PickColor(HWND owner, extended_color *record, short *d50);
/*
 * Without an owner argument: the picker opens over the calling thread's
 * first visible top-level window (else one of the process, else none).
 * VERIHUE_SHOW_PICKER returns the chosen colour's id (publication << 16 |
 * index), or -1 when nothing was chosen.
 */
LONG WINAPI VERIHUE_SHOW_PICKER(void);
/*
 * Returns the chosen colour's display RGB (red in bits 0-7, green 8-15, blue
 * 16-23), or 0 when nothing was chosen (a chosen black is 0 too). name (when
 * not NULL and max_length >= 0) receives the full name, at most max_length
 * characters and a NUL: it must hold max_length + 1 bytes.
 */
DWORD WINAPI VERIHUE_COLOR_PICKER(char *name, short max_length);
/*
 * 1 shows the picker's "Settings" page from the next opening on, 0 hides it,
 * any other value changes nothing. Returns the previous state (1 after load).
 */
LONG WINAPI HUEX_ShowSettingsTab(LONG mode);
/* Kept for hosts written against earlier versions: do nothing, return 0. */
short WINAPI HUEX_OpenResponder(LONG ignored);
short WINAPI HUEX_CloseResponder(void);

#ifdef __cplusplus
}
#endif

#endif /* HUEX_H */
