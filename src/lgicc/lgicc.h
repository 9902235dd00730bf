/*
 * lgicc.h - public interface of LgICC.dll, the colour-matching module.
 *
 * The module converts 16-bit device values from one ICC profile to another
 * through the platform's colour system. Five functions, exported under these
 * undecorated names on every architecture, all with the stdcall (WINAPI)
 * convention:
 *
 *   SetOptions                     builds the options word
 *   LgoNewTransformPtr             makes an empty transformation object
 *   LgoCreateMatchTransformation   prepares it for a pair of profile files
 *   LgoICCMatchColors              converts colours through it
 *   LgoDeleteMatchTransformation   releases it and everything it holds
 *
 * Every failure is a status (LGICC_ERR_*), never a fault: null or stale
 * transformation pointers, bad buffers and constant arguments other than the
 * documented ones are all refused. docs/lgicc.md is the full contract.
 */
#ifndef LGICC_H
#define LGICC_H

#include <stdint.h>

#ifdef _WIN32
#define LGICC_CALL __stdcall
#else
#define LGICC_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Statuses (16-bit signed results) ---------------------------------- */
#define LGICC_OK                       0  /* success */
#define LGICC_ERR_TRANSFORMATION       1  /* null, unknown or already deleted transformation */
#define LGICC_ERR_ARGUMENT             2  /* a constant argument is not its documented value */
#define LGICC_ERR_OPTIONS              3  /* options word not valid (see the options word below) */
#define LGICC_ERR_PATH                 4  /* a profile path is null, empty, too long or not absolute */
#define LGICC_ERR_SOURCE_PROFILE       5  /* the source profile is missing or not a readable ICC profile */
#define LGICC_ERR_DESTINATION_PROFILE  6  /* the destination profile is missing or not a readable ICC profile */
#define LGICC_ERR_COLOR_SPACE          7  /* a profile's data colour space is not RGB, CMYK or XYZ */
#define LGICC_ERR_TRANSFORM_REFUSED    8  /* the colour system refused to build the transform */
#define LGICC_ERR_NOT_PREPARED         9  /* no successful LgoCreateMatchTransformation on this object */
#define LGICC_ERR_CHANNELS            10  /* channel counts do not match the profiles' colour spaces */
#define LGICC_ERR_BUFFER              11  /* null input or output, or a colour count below 1 */
#define LGICC_ERR_OPTIONS_CHANGED     12  /* options differ from those the transformation was prepared with */
#define LGICC_ERR_TRANSLATE           13  /* the colour system failed to convert the colours */
#define LGICC_ERR_NO_MEMORY           14  /* no memory for the module's own records */

/* ---- Options word ------------------------------------------------------ */
/*
 * A 32-bit word built only through SetOptions, starting from 0 (which is
 * itself valid: perceptual intent, ICC XYZ encoding).
 *
 *   bits 0-7    option 0, rendering intent, ICC numbering (0 to 3)
 *   bits 8-15   option 2, XYZ encoding (0 or 1)
 *   bits 16-30  reserved, always 0
 *   bit 31      set by SetOptions when asked for an unknown option number or
 *               a value outside the option's range; the word is then refused
 *               by LgoCreateMatchTransformation and LgoICCMatchColors.
 */
#define LGICC_OPTION_INTENT            0
#define LGICC_OPTION_XYZ_ENCODING      2

#define LGICC_INTENT_PERCEPTUAL               0
#define LGICC_INTENT_RELATIVE_COLORIMETRIC    1
#define LGICC_INTENT_SATURATION               2
#define LGICC_INTENT_ABSOLUTE_COLORIMETRIC    3

/* XYZ values (source or destination of XYZ colour space), unsigned 16-bit: */
#define LGICC_XYZ_ICC          0  /* ICC PCS encoding: 0x8000 stands for 1.0 (Y = 100) */
#define LGICC_XYZ_FULL_SCALE   1  /* 0xFFFF stands for 1.0 */

#define LGICC_OPTIONS_INTENT_MASK      0x000000FFu
#define LGICC_OPTIONS_XYZ_SHIFT        8
#define LGICC_OPTIONS_XYZ_MASK         0x0000FF00u
#define LGICC_OPTIONS_RESERVED_MASK    0x7FFF0000u
#define LGICC_OPTIONS_INVALID          0x80000000u

/* ---- Constant arguments ------------------------------------------------ */
#define LGICC_RESERVED       0  /* every argument documented as reserved must be 0 */
#define LGICC_SAMPLE_BYTES   2  /* bytes per channel value: only 16-bit values are supported */

/* ---- Functions ---------------------------------------------------------- */

typedef struct lgo_transformation lgo_transformation;

/* Returns options with option set to value (see the options word above). */
uint32_t LGICC_CALL SetOptions(uint32_t options, int32_t option, int32_t value);

/* A new, unprepared transformation object; null when no memory is left.
 * The value names the object and is never its address: once the object is
 * deleted the value is refused for the rest of the process, whatever is
 * made after it, also by a later load of the module. */
lgo_transformation* LGICC_CALL LgoNewTransformPtr(void);

/*
 * Opens both profiles (absolute paths, at most 259 characters) and builds the
 * transform with the options' rendering intent. Preparing an object again
 * first releases what it held; after any failure on a live object it is
 * unprepared (LgoICCMatchColors answers LGICC_ERR_NOT_PREPARED).
 * Called as (t, source, destination, 0, options, 0, 0, 2, 0).
 */
int16_t LGICC_CALL LgoCreateMatchTransformation(lgo_transformation* transformation,
                                                const char* source_path,
                                                const char* destination_path,
                                                int32_t reserved1,
                                                uint32_t options,
                                                int32_t reserved2,
                                                int32_t reserved3,
                                                int32_t sample_bytes,
                                                int32_t reserved4);

/*
 * Converts count colours of interleaved unsigned 16-bit values: source_channels
 * values per colour in, destination_channels values per colour out (3 for
 * RGB and XYZ, 4 for CMYK, as the profiles' colour spaces say). options must
 * equal the word the transformation was prepared with. The output is written
 * only after every colour has been converted, so it may overlap the input (the
 * same buffer is fine); on failure it is left unchanged.
 * Called as (t, options, in, out, count, source channels, destination
 * channels, 0, 0, 2, 0).
 */
int16_t LGICC_CALL LgoICCMatchColors(lgo_transformation* transformation,
                                     uint32_t options,
                                     const uint16_t* input,
                                     uint16_t* output,
                                     int32_t count,
                                     uint16_t source_channels,
                                     uint16_t destination_channels,
                                     int32_t reserved1,
                                     int32_t reserved2,
                                     int32_t sample_bytes,
                                     int32_t reserved3);

/* Releases the object, its profiles and its transform: LGICC_OK, or
 * LGICC_ERR_TRANSFORMATION for null or a pointer that is not a live object
 * (a second delete is harmless). */
int16_t LGICC_CALL LgoDeleteMatchTransformation(lgo_transformation* transformation);

#ifdef __cplusplus
}
#endif

#endif /* LGICC_H */
