/* libdvc: look-up tables, gamut and matrices. */
#ifndef LIBDVC_DVC_LUTS_H
#define LIBDVC_DVC_LUTS_H

#include "libdvc/dvc_types.h"

/* Feature table exports: written by scripts/gen_feature_headers.py from
 * src/features/luts_table.def; change the table, not these lines. */
DVC_EXTERN_C_BEGIN

/* Reads the colour gamut index. */
DVC_API DvError DvCtrlGetGamutIndex(const char *id1, const char *id2, int *value);
/* Sets the colour gamut index. */
DVC_API DvError DvCtrlSetGamutIndex(const char *id1, const char *id2, int value);
/* Nonzero when the colour gamut can be chosen. */
DVC_API int DvCtrlSupportedGamutIndex(const char *id1, const char *id2);
/* Reads whether the monitor takes XYZ signals. */
DVC_API DvError DvCtrlGetXYZFormat(const char *id1, const char *id2, int *value);
/* Makes the monitor take XYZ signals (nonzero) or not (0). */
DVC_API DvError DvCtrlSetXYZFormat(const char *id1, const char *id2, int value);
/* Nonzero when the monitor can take XYZ signals. */
DVC_API int DvCtrlSupportedXYZFormat(const char *id1, const char *id2);
/* Sets whether the colour matrices are in use. */
DVC_API DvError DvCtrlSetColorMatrixEnable(const char *id1, const char *id2, int value);
/* Nonzero when the colour matrices can be switched. */
DVC_API int DvCtrlSupportedColorMatrixEnable(const char *id1, const char *id2);
/* Nonzero when the monitor has a transferable 3D LUT. */
DVC_API int DvCtrlSupported3DLUT(const char *id1, const char *id2);
/* The number of colour routes; 0 when unknown. */
DVC_API int DvCtrlGetColorRouteCount(const char *id1, const char *id2);
/* Nonzero when the monitor keeps 10-bit tone LUTs. */
DVC_API int DvCtrlSupportedLUT10bit(const char *id1, const char *id2);
/* Reads whether media emulation is on (1) or off (0). */
DVC_API DvError DvCtrlGetMediaEmuEnable(const char *id1, const char *id2, int *value);
/* Turns media emulation on (nonzero) or off (0). */
DVC_API DvError DvCtrlSetMediaEmuEnable(const char *id1, const char *id2, int value);
/* Reads whether the media emulation's 1D LUT is on (1) or off (0). */
DVC_API DvError DvCtrlGetMediaEmuEnable1DLUT(const char *id1, const char *id2, int *value);
/* Turns the media emulation's 1D LUT on (nonzero) or off (0). */
DVC_API DvError DvCtrlSetMediaEmuEnable1DLUT(const char *id1, const char *id2, int value);
/* Reads whether the media emulation's 3D LUT is on (1) or off (0). */
DVC_API DvError DvCtrlGetMediaEmuEnable3DLUT(const char *id1, const char *id2, int *value);
/* Turns the media emulation's 3D LUT on (nonzero) or off (0). */
DVC_API DvError DvCtrlSetMediaEmuEnable3DLUT(const char *id1, const char *id2, int value);
/* Reads which media emulation is selected. */
DVC_API DvError DvCtrlGetMediaEmuSelection(const char *id1, const char *id2, int *value);
/* Selects a media emulation. */
DVC_API DvError DvCtrlSetMediaEmuSelection(const char *id1, const char *id2, int value);
/* Reads which LUT set the monochrome model shows. */
DVC_API DvError DvCtrlGetMonoModelLUTSelect(const char *id1, const char *id2, int *value);
/* Selects the LUT set the monochrome model shows. */
DVC_API DvError DvCtrlSetMonoModelLUTSelect(const char *id1, const char *id2, int value);
/* Nonzero when the monochrome model's LUT set can be selected. */
DVC_API int DvCtrlSupportedMonoModelLUTSelect(const char *id1, const char *id2);
/* Reads the LUT-A data block as the monitor keeps it. */
DVC_API DvError DvCtrlGetLUTAData(const char *id1, const char *id2, uint8_t *data, int *size);
/* Writes the LUT-A data block in the monitor's own layout. */
DVC_API DvError DvCtrlSetLUTAData(const char *id1, const char *id2, const uint8_t *data, int size);
/* Nonzero when the monitor keeps LUT-A data. */
DVC_API int DvCtrlSupportedLUTAData(const char *id1, const char *id2);

DVC_EXTERN_C_END
/* End of feature table exports */

/* Tone LUT: operations with an encoding of their own. */
DVC_EXTERN_C_BEGIN

/**
 * @brief Nonzero when the tone LUT of one channel can be read and written.
 * @param channel the LUT channel (1 red, 2 green, 3 blue on most models).
 * @return the support flag, whatever the monitor answered; 0 for an unknown monitor.
 */
DVC_API int DvCtrlSupportedLUT(const char *id1, const char *id2, int channel);
/**
 * @brief Writes the 256-entry tone LUT of one channel.
 * @param channel the LUT channel (the monitor's table number).
 * @param levels 256 output levels, 0.0 to 1.0.
 * @param bank the LUT bank (0 or 1).
 * @return DvOk; DvErrInvalidParameter for a null pointer or a negative channel or bank;
 *         DvErrOutOfUnitRange when a level cannot be encoded (nothing is sent);
 *         DvErrNotSupported when the model may not write or has no LUT data;
 *         DvErrFailed when no path takes the table.
 */
DVC_API DvError DvCtrlSetLUT(const char *id1, const char *id2, int channel, const double *levels, const int *bank);
/**
 * @brief Reads the 256-entry tone LUT of one channel.
 * @param channel the LUT channel (the monitor's table number).
 * @param levels receives 256 output levels.
 * @param bank the LUT bank (0 or 1).
 * @return DvOk; DvErrInvalidParameter for a null pointer or a negative channel or bank;
 *         DvErrNotSupported or DvErrFailed when the model has no LUT data or no path answers.
 */
DVC_API DvError DvCtrlGetLUT(const char *id1, const char *id2, int channel, double *levels, const int *bank);
/**
 * @brief Compares two LUTs in the monitor's own steps.
 * @param kind 0 for a tone LUT, 16 for a 1021-entry front LUT.
 * @param first the first array of @p count levels.
 * @param second the second array of @p count levels.
 * @param count the number of entries.
 * @param tolerance the largest difference, in steps, that still counts as equal.
 * @return 1 when every pair of entries is within the tolerance; 0 when one is not, for a null
 *         array, or for a kind and count whose full scale the monitor does not give.
 */
DVC_API int DvCtrlIsEqualLUT(const char *id1, const char *id2, int kind, const double *first, const double *second,
                             int count, int tolerance);

DVC_EXTERN_C_END
/* End of the tone LUT */

/* LUT facts of the model: answered without asking the monitor. */
DVC_EXTERN_C_BEGIN

/**
 * @brief Enumerates the colour gamut indices that the model offers.
 * @param index the position in the list, from 0.
 * @param gamut receives the gamut index at that position.
 * @return DvOk; DvErrNoMoreItems past the end; DvErrInvalidParameter for a null pointer.
 */
DVC_API DvError DvCtrlEnumGamutIndex(const char *id1, const char *id2, int index, int *gamut);
/**
 * @brief Nonzero when the model has media emulations.
 * @return 1 or 0; 0 for an unknown monitor.
 */
DVC_API int DvCtrlSupportedMediaEmu(const char *id1, const char *id2);
/**
 * @brief Reads the largest value of a direct rear-LUT entry of a colour channel.
 * @param maximum receives the value.
 * @return DvOk; DvErrNotSupported when the model gives none; DvErrInvalidParameter for a null pointer.
 */
DVC_API DvError DvCtrlGetMaxRearLUTDirectColor(const char *id1, const char *id2, int *maximum);
/**
 * @brief Reads the largest value of a direct rear-LUT entry in monochrome.
 * @param maximum receives the value.
 * @return DvOk; DvErrNotSupported when the model gives none; DvErrInvalidParameter for a null pointer.
 */
DVC_API DvError DvCtrlGetMaxRearLUTDirectMono(const char *id1, const char *id2, int *maximum);
/**
 * @brief Reads the precision of the front LUT in bits.
 * @param precision receives the number of bits.
 * @return DvOk; DvErrNotSupported when the model gives none; DvErrInvalidParameter for a null pointer.
 */
DVC_API DvError DvCtrlGetFrontLUTPrecision(const char *id1, const char *id2, int *precision);

DVC_EXTERN_C_END
/* End of the LUT facts */

/* Rear LUT: a block in the monitor's own layout. */
DVC_EXTERN_C_BEGIN

/**
 * @brief Nonzero when the monitor has a rear LUT.
 * @return 1 or 0; 0 for an unknown monitor.
 */
DVC_API int DvCtrlSupportedRearLUT(const char *id1, const char *id2);
/**
 * @brief The length of the rear LUT block in bytes.
 * @return the length; 0 when the monitor gives none or is unknown.
 */
DVC_API int DvCtrlGetRearLUTSize(const char *id1, const char *id2);
/**
 * @brief Reads the rear LUT block as the monitor keeps it.
 * @param data receives the block; may be null when *size is 0, to ask for the length.
 * @param size the capacity of @p data on the way in, the block's length on the way out.
 * @return DvOk; DvErrSizeMismatch when the capacity is below the length (*size then holds it);
 *         DvErrNotSupported on models whose panel generation has no direct rear LUT;
 *         DvErrInvalidParameter for a null size, a negative one, or a null buffer with a capacity.
 */
DVC_API DvError DvCtrlGetRearLUTDirectWithROM(const char *id1, const char *id2, unsigned char *data, int *size);
/**
 * @brief Writes the rear LUT block in the monitor's own layout.
 * @param data the block's first @p size bytes; the rest of the block is written as zeros.
 * @param size the number of bytes, at most the block's length.
 * @return DvOk; DvErrSizeMismatch when @p size exceeds the block's length;
 *         DvErrNotSupported on models whose panel generation has no direct rear LUT;
 *         DvErrInvalidParameter for a null buffer or a size of 0 or less.
 */
DVC_API DvError DvCtrlSetRearLUTDirectWithROM(const char *id1, const char *id2, const unsigned char *data, int size);

DVC_EXTERN_C_END
/* End of the rear LUT */

#endif
