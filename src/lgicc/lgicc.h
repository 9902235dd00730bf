/**
 * @file lgicc.h
 * @brief Public interface of LgICC.dll, the colour-matching module.
 *
 * The module converts 16-bit device values from one ICC profile to another
 * through the platform's colour system. Six functions, exported under these
 * undecorated names on every architecture, all with the stdcall (WINAPI)
 * convention:
 *
 * - SetOptions                     builds the options word
 * - LgoNewTransformPtr             makes an empty transformation object
 * - LgoCreateMatchTransformation   prepares it for a pair of profile files
 * - LgoCreateMatchTransformationW  the same for paths in UTF-16 (since 1.1)
 * - LgoICCMatchColors              converts colours through it
 * - LgoDeleteMatchTransformation   releases it and everything it holds
 *
 * Every failure is a status (LGICC_ERR_*), never a fault: null or stale
 * transformation pointers, bad buffers and constant arguments other than the
 * documented ones are all refused. docs/lgicc.md is the full contract.
 */
#ifndef LGICC_H
#define LGICC_H

#include <stddef.h>
#include <stdint.h>

/**
 * @defgroup lgicc LgICC.dll
 * @brief The colour-matching module that huex.dll imports: 16-bit device
 * values from one ICC profile to another through the Windows colour system.
 *
 * huex.dll calls these functions itself (@ref huex_matching); a host
 * needs them only to convert through the module directly. A host ships
 * LgICC.dll beside huex.dll whether it calls them or not: huex.dll does not
 * load without it. The contract in full, with the colour system's behaviour
 * under Wine, is docs/lgicc.md.
 *
 * The use: build an options word with SetOptions (starting from 0), make an
 * object with LgoNewTransformPtr, prepare it for a source and a destination
 * profile with LgoCreateMatchTransformation, convert any number of colour
 * arrays with LgoICCMatchColors, and release it with
 * LgoDeleteMatchTransformation. The module reads each profile whole when the
 * object is prepared and holds no file afterwards.
 *
 * No function sets the thread's last error as its report: the status is the
 * whole answer, and GetLastError after a call means nothing.
 *
 * @par Threads
 * Every function may be called from any thread. One lock of the module's
 * own serialises the six functions, so an object cannot be deleted while
 * another thread converts through it, and one object may be used from
 * several threads. Do not unload the module while another thread is inside
 * it.
 * @{
 */

#ifdef _WIN32
/** The calling convention of the six functions: stdcall on Windows. */
#define LGICC_CALL __stdcall
#else
#define LGICC_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/** @name Statuses (16-bit signed results)
 * LgoCreateMatchTransformation and LgoICCMatchColors check their arguments
 * in the order of their pages; the first failing check gives the status.
 * @{ */
#define LGICC_OK                       0  /**< success */
#define LGICC_ERR_TRANSFORMATION       1  /**< null, unknown or already deleted transformation */
#define LGICC_ERR_ARGUMENT             2  /**< a constant argument is not its documented value */
#define LGICC_ERR_OPTIONS              3  /**< options word not valid (see the options word below) */
#define LGICC_ERR_PATH                 4  /**< a profile path is null, empty, too long or not absolute */
#define LGICC_ERR_SOURCE_PROFILE       5  /**< the source profile is missing or not a readable ICC profile */
#define LGICC_ERR_DESTINATION_PROFILE  6  /**< the destination profile is missing or not a readable ICC profile */
#define LGICC_ERR_COLOR_SPACE          7  /**< a profile's data colour space is not RGB, CMYK or XYZ */
#define LGICC_ERR_TRANSFORM_REFUSED    8  /**< the colour system refused to build the transform */
#define LGICC_ERR_NOT_PREPARED         9  /**< no successful LgoCreateMatchTransformation on this object */
#define LGICC_ERR_CHANNELS            10  /**< channel counts do not match the profiles' colour spaces */
#define LGICC_ERR_BUFFER              11  /**< null input or output, or a colour count below 1 */
#define LGICC_ERR_OPTIONS_CHANGED     12  /**< options differ from those the transformation was prepared with */
#define LGICC_ERR_TRANSLATE           13  /**< the colour system failed to convert the colours */
#define LGICC_ERR_NO_MEMORY           14  /**< no memory for the module's own records */
/** @} */

/** @name Options word
 * A 32-bit word built only through SetOptions, starting from 0 (which is
 * itself valid: perceptual intent, ICC XYZ encoding).
 *
 * - bits 0-7    option 0, rendering intent, ICC numbering (0 to 3)
 * - bits 8-15   option 2, XYZ encoding (0 or 1)
 * - bits 16-30  reserved, always 0
 * - bit 31      set by SetOptions when asked for an unknown option number or
 *               a value outside the option's range; the word is then refused
 *               by LgoCreateMatchTransformation and LgoICCMatchColors.
 * @{ */
#define LGICC_OPTION_INTENT            0  /**< option number of the rendering intent */
#define LGICC_OPTION_XYZ_ENCODING      2  /**< option number of the XYZ encoding */

#define LGICC_INTENT_PERCEPTUAL               0  /**< rendering intent: perceptual */
#define LGICC_INTENT_RELATIVE_COLORIMETRIC    1  /**< rendering intent: relative colorimetric */
#define LGICC_INTENT_SATURATION               2  /**< rendering intent: saturation */
#define LGICC_INTENT_ABSOLUTE_COLORIMETRIC    3  /**< rendering intent: absolute colorimetric */

/* XYZ values (source or destination of XYZ colour space), unsigned 16-bit: */
#define LGICC_XYZ_ICC          0  /**< XYZ values in the ICC PCS encoding: 0x8000 stands for 1.0 (Y = 100) */
#define LGICC_XYZ_FULL_SCALE   1  /**< XYZ values full scale: 0xFFFF stands for 1.0 */

#define LGICC_OPTIONS_INTENT_MASK      0x000000FFu  /**< the bits of the rendering intent */
#define LGICC_OPTIONS_XYZ_SHIFT        8            /**< where the XYZ encoding begins */
#define LGICC_OPTIONS_XYZ_MASK         0x0000FF00u  /**< the bits of the XYZ encoding */
#define LGICC_OPTIONS_RESERVED_MASK    0x7FFF0000u  /**< reserved bits, always 0 */
#define LGICC_OPTIONS_INVALID          0x80000000u  /**< set by SetOptions for a refused option or value */
/** @} */

/** @name Constant arguments
 * @{ */
#define LGICC_RESERVED       0  /**< every argument documented as reserved must be 0 */
#define LGICC_SAMPLE_BYTES   2  /**< bytes per channel value: only 16-bit values are supported */
/** @} */

/** @brief A transformation object, known to hosts only by the value that
 * names it (never its address).
 * @since 1.0 */
typedef struct lgo_transformation lgo_transformation;

/**
 * @brief Returns options with option set to value (see the options word
 * above).
 *
 * An unknown option number or a value outside the option's range sets bit 31
 * (LGICC_OPTIONS_INVALID) instead, and the refused value does not overwrite
 * its field; bit 31 stays set through later calls. The word cannot carry a
 * status: the mistake surfaces as LGICC_ERR_OPTIONS where the word is used.
 * @param[in] options the word so far; 0 to start.
 * @param[in] option  LGICC_OPTION_INTENT or LGICC_OPTION_XYZ_ENCODING.
 * @param[in] value   the intent (0 to 3) or the XYZ encoding (0 or 1).
 * @return the new word.
 * @since 1.0
 */
uint32_t LGICC_CALL SetOptions(uint32_t options, int32_t option, int32_t value);

/**
 * @brief A new, unprepared transformation object; null when no memory is
 * left.
 *
 * The value names the object and is never its address: once the object is
 * deleted the value is refused for the rest of the process, whatever is
 * made after it, also by a later load of the module.
 * @return the object, which the caller owns and gives back with
 *         LgoDeleteMatchTransformation (the module releases objects still
 *         alive when a host unloads it); null when no memory (or, after
 *         2147483647 objects in the process, no unused value) is left.
 * @since 1.0
 */
lgo_transformation* LGICC_CALL LgoNewTransformPtr(void);

/**
 * @brief Prepares an object for a pair of profile files: opens both and
 * builds the transform with the options' rendering intent.
 *
 * Preparing an object again first releases what it held; after any failure
 * on a live object it is unprepared (LgoICCMatchColors answers
 * LGICC_ERR_NOT_PREPARED). Each profile is read whole into memory (shared for
 * reading, at most 64 MiB), so no file is held once this returns.
 * Called as (t, source, destination, 0, options, 0, 0, 2, 0).
 * @param[in] transformation   the object from LgoNewTransformPtr.
 * @param[in] source_path      the source profile's absolute path (a drive or
 *                             a UNC share, at most 259 characters): RGB, CMYK
 *                             or XYZ data.
 * @param[in] destination_path the destination profile's absolute path: RGB,
 *                             CMYK or XYZ data.
 * @param[in] reserved1        0 (LGICC_RESERVED).
 * @param[in] options          the options word (SetOptions).
 * @param[in] reserved2        0.
 * @param[in] reserved3        0.
 * @param[in] sample_bytes     2 (LGICC_SAMPLE_BYTES).
 * @param[in] reserved4        0.
 * @retval LGICC_OK the object is prepared.
 * @retval LGICC_ERR_TRANSFORMATION not a live object.
 * @retval LGICC_ERR_ARGUMENT a constant argument is not its value.
 * @retval LGICC_ERR_OPTIONS the options word is not valid.
 * @retval LGICC_ERR_PATH a path is null, empty, longer than 259 characters
 *         or not absolute.
 * @retval LGICC_ERR_SOURCE_PROFILE the source file is missing, unreadable,
 *         empty, larger than 64 MiB or no ICC profile.
 * @retval LGICC_ERR_DESTINATION_PROFILE the same for the destination.
 * @retval LGICC_ERR_COLOR_SPACE a profile's data is not RGB, CMYK or XYZ.
 * @retval LGICC_ERR_NO_MEMORY no memory for a profile's copy.
 * @retval LGICC_ERR_TRANSFORM_REFUSED the colour system built no transform.
 * @since 1.0
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

/**
 * @brief LgoCreateMatchTransformation for paths in UTF-16: profiles in
 * folders whose names the ANSI code page cannot spell.
 *
 * The same arguments, checks in the same order, the same statuses and the
 * same object afterwards; only the paths are wide texts. An object prepared
 * by either form is used, prepared again and deleted by the same functions.
 * Called as (t, source, destination, 0, options, 0, 0, 2, 0).
 * @param[in] transformation   the object from LgoNewTransformPtr.
 * @param[in] source_path      the source profile's absolute path in UTF-16
 *                             (a drive or a UNC share, at most 259 UTF-16
 *                             units): RGB, CMYK or XYZ data.
 * @param[in] destination_path the destination profile's absolute path in
 *                             UTF-16: RGB, CMYK or XYZ data.
 * @param[in] reserved1        0 (LGICC_RESERVED).
 * @param[in] options          the options word (SetOptions).
 * @param[in] reserved2        0.
 * @param[in] reserved3        0.
 * @param[in] sample_bytes     2 (LGICC_SAMPLE_BYTES).
 * @param[in] reserved4        0.
 * @retval LGICC_OK the object is prepared.
 * @retval LGICC_ERR_TRANSFORMATION not a live object.
 * @retval LGICC_ERR_ARGUMENT a constant argument is not its value.
 * @retval LGICC_ERR_OPTIONS the options word is not valid.
 * @retval LGICC_ERR_PATH a path is null, empty, longer than 259 units or
 *         not absolute.
 * @retval LGICC_ERR_SOURCE_PROFILE the source file is missing, unreadable,
 *         empty, larger than 64 MiB or no ICC profile.
 * @retval LGICC_ERR_DESTINATION_PROFILE the same for the destination.
 * @retval LGICC_ERR_COLOR_SPACE a profile's data is not RGB, CMYK or XYZ.
 * @retval LGICC_ERR_NO_MEMORY no memory for a profile's copy.
 * @retval LGICC_ERR_TRANSFORM_REFUSED the colour system built no transform.
 * @since 1.1
 */
int16_t LGICC_CALL LgoCreateMatchTransformationW(lgo_transformation* transformation,
                                                 const wchar_t* source_path,
                                                 const wchar_t* destination_path,
                                                 int32_t reserved1,
                                                 uint32_t options,
                                                 int32_t reserved2,
                                                 int32_t reserved3,
                                                 int32_t sample_bytes,
                                                 int32_t reserved4);

/**
 * @brief Converts colours through a prepared object.
 *
 * Converts count colours of interleaved unsigned 16-bit values: source_channels
 * values per colour in, destination_channels values per colour out (3 for
 * RGB and XYZ, 4 for CMYK, as the profiles' colour spaces say). options must
 * equal the word the transformation was prepared with. The output is written
 * only after every colour has been converted, so it may overlap the input (the
 * same buffer is fine); on failure it is left unchanged.
 * Called as (t, options, in, out, count, source channels, destination
 * channels, 0, 0, 2, 0).
 * @param[in]  transformation       the prepared object.
 * @param[in]  options              the word it was prepared with.
 * @param[in]  input                count * source_channels values (2 bytes
 *                                  each).
 * @param[out] output               receives count * destination_channels
 *                                  values (2 bytes each).
 * @param[in]  count                the number of colours, 1 or more.
 * @param[in]  source_channels      3 or 4, as the source's colour space.
 * @param[in]  destination_channels 3 or 4, as the destination's colour space.
 * @param[in]  reserved1            0.
 * @param[in]  reserved2            0.
 * @param[in]  sample_bytes         2.
 * @param[in]  reserved3            0.
 * @retval LGICC_OK every colour converted.
 * @retval LGICC_ERR_TRANSFORMATION not a live object.
 * @retval LGICC_ERR_ARGUMENT a constant argument is not its value.
 * @retval LGICC_ERR_OPTIONS the options word is not valid.
 * @retval LGICC_ERR_NOT_PREPARED the object is not prepared.
 * @retval LGICC_ERR_OPTIONS_CHANGED options differ from the word it was
 *         prepared with.
 * @retval LGICC_ERR_CHANNELS a channel count differs from its profile's.
 * @retval LGICC_ERR_BUFFER input or output is null, or count is below 1.
 * @retval LGICC_ERR_NO_MEMORY no memory for the module's buffers (more than
 *         16 colours take one block for the call).
 * @retval LGICC_ERR_TRANSLATE the colour system failed to convert.
 * @since 1.0
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

/**
 * @brief Releases the object, its profiles and its transform.
 * @param[in] transformation the object; its value is refused from then on.
 * @retval LGICC_OK the object is released.
 * @retval LGICC_ERR_TRANSFORMATION null or a value that is not a live object
 *         (a second delete is harmless).
 * @since 1.0
 */
int16_t LGICC_CALL LgoDeleteMatchTransformation(lgo_transformation* transformation);

#ifdef __cplusplus
}
#endif

/** @} */

#endif /* LGICC_H */
