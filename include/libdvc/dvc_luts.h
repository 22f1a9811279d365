/** @file
 * libdvc: look-up tables, gamut and matrices. */
#ifndef LIBDVC_DVC_LUTS_H
#define LIBDVC_DVC_LUTS_H

#include "libdvc/dvc_types.h"

/* Feature table exports: written by scripts/gen_feature_headers.py from
 * src/features/luts_table.def; change the table, not these lines. */
DVC_EXTERN_C_BEGIN

/** @brief Reads the colour gamut index.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetGamutIndex(const char *id1, const char *id2, int *value);
/** @brief Sets the colour gamut index.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetGamutIndex(const char *id1, const char *id2, int value);
/** @brief Nonzero when the colour gamut can be chosen.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedGamutIndex(const char *id1, const char *id2);
/** @brief Reads whether the monitor takes XYZ signals.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetXYZFormat(const char *id1, const char *id2, int *value);
/** @brief Makes the monitor take XYZ signals (nonzero) or not (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetXYZFormat(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monitor can take XYZ signals.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedXYZFormat(const char *id1, const char *id2);
/** @brief Sets whether the colour matrices are in use.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetColorMatrixEnable(const char *id1, const char *id2, int value);
/** @brief Nonzero when the colour matrices can be switched.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedColorMatrixEnable(const char *id1, const char *id2);
/** @brief Reads the number of colour-matrix slots.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetColorMatrixCount(const char *id1, const char *id2, int *value);
/** @brief Nonzero when the colour matrices travel in the 32-bit form.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedColorMatrix32(const char *id1, const char *id2);
/** @brief Loads the DICOM colour matrix for a blue base into the calibration mode.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetCalModeColorMatrixFromDICOMBB(const char *id1, const char *id2);
/** @brief Loads the DICOM colour matrix for a clear base into the calibration mode.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetCalModeColorMatrixFromDICOMCB(const char *id1, const char *id2);
/** @brief Nonzero when the monitor has a transferable 3D LUT.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupported3DLUT(const char *id1, const char *id2);
/** @brief The number of colour routes; 0 when unknown.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return the count; 0 when it is unknown or the call failed
 */
DVC_API int DvCtrlGetColorRouteCount(const char *id1, const char *id2);
/** @brief Switches the 3D LUT on (nonzero) or off (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlEnable3DLUT(const char *id1, const char *id2, int value);
/** @brief Reads which stored 3D LUT is in use (1 to their count).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGet3DLUTSelection(const char *id1, const char *id2, int *value);
/** @brief Chooses the stored 3D LUT in use (1 to their count).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSet3DLUTSelection(const char *id1, const char *id2, int value);
/** @brief The number of stored 3D LUTs; 0 when unknown.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return the count; 0 when it is unknown or the call failed
 */
DVC_API int DvCtrlGet3DLUTSelectionCount(const char *id1, const char *id2);
/** @brief Nonzero when the monitor keeps 10-bit tone LUTs.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedLUT10bit(const char *id1, const char *id2);
/** @brief Reads whether media emulation is on (1) or off (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetMediaEmuEnable(const char *id1, const char *id2, int *value);
/** @brief Turns media emulation on (nonzero) or off (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetMediaEmuEnable(const char *id1, const char *id2, int value);
/** @brief Reads whether the media emulation's 1D LUT is on (1) or off (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetMediaEmuEnable1DLUT(const char *id1, const char *id2, int *value);
/** @brief Turns the media emulation's 1D LUT on (nonzero) or off (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetMediaEmuEnable1DLUT(const char *id1, const char *id2, int value);
/** @brief Reads whether the media emulation's 3D LUT is on (1) or off (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetMediaEmuEnable3DLUT(const char *id1, const char *id2, int *value);
/** @brief Turns the media emulation's 3D LUT on (nonzero) or off (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetMediaEmuEnable3DLUT(const char *id1, const char *id2, int value);
/** @brief Reads which media emulation is selected.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetMediaEmuSelection(const char *id1, const char *id2, int *value);
/** @brief Selects a media emulation.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetMediaEmuSelection(const char *id1, const char *id2, int value);
/** @brief Reads which LUT set the monochrome model shows.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] value receives the value
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetMonoModelLUTSelect(const char *id1, const char *id2, int *value);
/** @brief Selects the LUT set the monochrome model shows.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] value the value to set
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetMonoModelLUTSelect(const char *id1, const char *id2, int value);
/** @brief Nonzero when the monochrome model's LUT set can be selected.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedMonoModelLUTSelect(const char *id1, const char *id2);
/** @brief Reads the LUT-A data block as the monitor keeps it.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] data receives the data block
 * @param[in,out] size the buffer's size in bytes; receives the block's length
 * @retval DvOk done
 * @retval DvErrInvalidParameter a pointer for a result is null
 * @retval DvErrSizeMismatch the buffer is smaller than the block; *size holds its length
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlGetLUTAData(const char *id1, const char *id2, uint8_t *data, int *size);
/** @brief Writes the LUT-A data block in the monitor's own layout.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[in] data the data block to write
 * @param[in] size the block's length in bytes
 * @retval DvOk done
 * @retval DvErrRefused the monitor refused the request
 * @retval DvErrNotSupported no path of the monitor has the feature
 * @retval DvErrFailed the monitor is not known, the library is busy, or the transport failed
 */
DVC_API DvError DvCtrlSetLUTAData(const char *id1, const char *id2, const uint8_t *data, int size);
/** @brief Nonzero when the monitor keeps LUT-A data.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedLUTAData(const char *id1, const char *id2);
/** @brief Nonzero when the media emulation of each colour mode can be read.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return nonzero when the monitor has the feature; 0 when it has not, or the call failed
 */
DVC_API int DvCtrlSupportedMediaEmuSelectionAtMode(const char *id1, const char *id2);

DVC_EXTERN_C_END
/* End of feature table exports */

/* Colour matrices: hand-written exports. A matrix is nine elements, row by
 * row; a slot is 0 to 255 (255 is the chip's matrix in front of the bank).
 * The 16-bit form carries 13 fraction bits (1.0 is 0x2000) and rounds half
 * up; the 32-bit form carries 29 (1.0 is 0x20000000) and truncates toward
 * zero. */
DVC_EXTERN_C_BEGIN

/** @brief Reads the matrix of a slot in the 16-bit form.
 *  @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 *  @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 *  @param slot 0 to 255.
 *  @param[out] matrix Out: nine doubles.
 *  @return DvOk; DvErrInvalidParameter for a null matrix or a slot outside 0 to 255; the path's error otherwise. */
DVC_API DvError DvCtrlGetColorMatrix(const char *id1, const char *id2, int slot, double *matrix);
/** @brief Writes the matrix of a slot in the 16-bit form.
 *  @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 *  @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 *  @param slot 0 to 255.
 *  @param[in] matrix Nine doubles, each within -4.0 to 4.0 - 2^-13.
 *  @param enable Nonzero: switch the slot on afterwards (the result is then that of the mask update).
 *  @return DvOk; DvErrInvalidParameter for a null matrix, a bad slot or an element without a 16-bit form,
 *  nothing sent. */
DVC_API DvError DvCtrlSetColorMatrix(const char *id1, const char *id2, int slot, const double *matrix, int enable);
/** @brief Reads the matrix of a slot in the 32-bit form.
 *  @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 *  @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 *  @param slot 0 to 255.
 *  @param[out] matrix Out: nine doubles.
 *  @return DvOk; DvErrInvalidParameter for a null matrix or a bad slot; the path's error otherwise. */
DVC_API DvError DvCtrlGetColorMatrix32(const char *id1, const char *id2, int slot, double *matrix);
/** @brief Writes the matrix of a slot in the 32-bit form.
 *  @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 *  @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 *  @param slot 0 to 255.
 *  @param[in] matrix Nine doubles, each within -4.0 to 4.0 - 2^-29.
 *  @param enable Nonzero: switch the slot on afterwards.
 *  @return DvOk; DvErrInvalidParameter for a null matrix, a bad slot or an element without a 32-bit form,
 *  nothing sent. */
DVC_API DvError DvCtrlSetColorMatrix32(const char *id1, const char *id2, int slot, const double *matrix, int enable);
/** @brief Reads the raw 16-bit elements of a slot, unchanged.
 *  @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 *  @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 *  @param slot 0 to 255.
 *  @param[out] raw Out: nine signed 16-bit values.
 *  @return DvOk; DvErrInvalidParameter for a null buffer or a bad slot. */
DVC_API DvError DvCtrlGetColorMatrixDirect(const char *id1, const char *id2, int slot, int16_t *raw);
/** @brief Writes raw 16-bit elements into a slot, unchanged.
 *  @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 *  @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 *  @param slot 0 to 255.
 *  @param[in] raw Nine signed 16-bit values.
 *  @param enable Nonzero: switch the slot on.
 *  @return DvOk; DvErrInvalidParameter for a null buffer or a bad slot. */
DVC_API DvError DvCtrlSetColorMatrixDirect(const char *id1, const char *id2, int slot, const int16_t *raw, int enable);
/** @brief Reads the raw 32-bit elements of a slot, unchanged.
 *  @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 *  @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 *  @param slot 0 to 255.
 *  @param[out] raw Out: nine signed 32-bit values.
 *  @return DvOk; DvErrInvalidParameter for a null buffer or a bad slot. */
DVC_API DvError DvCtrlGetColorMatrixDirect32(const char *id1, const char *id2, int slot, int32_t *raw);
/** @brief Writes raw 32-bit elements into a slot, unchanged.
 *  @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 *  @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 *  @param slot 0 to 255.
 *  @param[in] raw Nine signed 32-bit values.
 *  @param enable Nonzero: switch the slot on.
 *  @return DvOk; DvErrInvalidParameter for a null buffer or a bad slot. */
DVC_API DvError DvCtrlSetColorMatrixDirect32(const char *id1, const char *id2, int slot, const int32_t *raw,
                                             int enable);
/** @brief Reads the matrix that the video chip applies in front of the bank.
 *  @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 *  @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 *  @param[out] matrix Out: nine doubles.
 *  @return DvOk; DvErrInvalidParameter for a null matrix; the path's error otherwise. */
DVC_API DvError DvCtrlGetAsicMatrix32(const char *id1, const char *id2, double *matrix);
/**
 * @brief Reads a colour matrix (32-bit form) that a colour mode keeps.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param mode the colour mode (0 and up).
 * @param slot the matrix slot, 0 to 255.
 * @param[out] matrix receives nine elements, row by row.
 * @return DvOk; DvErrNotSupported when the monitor keeps no per-mode settings (the matrix is zeroed);
 *         DvErrNullOutput for a null @p matrix; DvErrInvalidParameter for a negative mode or a bad slot;
 *         DvErrFailed when no path answers.
 */
DVC_API DvError DvCtrlGetColorMatrix32AtMode(const char *id1, const char *id2, int mode, int slot, double *matrix);
/** @brief Nonzero when the monitor has colour matrices (from the model where it says so, else from the monitor).
 *  @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 *  @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 *  @return 1 or 0. */
DVC_API int DvCtrlSupportedColorMatrix(const char *id1, const char *id2);
/** @brief Writes a matrix so that the chip's matrix C is cancelled: C into slot 0, the matrix into
 *  the slot and C's inverse into the last slot (C^-1 times the matrix when the slot is the last).
 *  @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 *  @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 *  @param slot 1 to 255.
 *  @param[in] matrix Nine doubles.
 *  @param enable Nonzero: only slots 0, the slot and the last slot stay on (mask 0xFFFE with their bits cleared).
 *  @return DvOk once written (the individual writes are not reported); DvErrInvalidParameter for slot 0, a bad
 *  slot, a null matrix or an element without a 32-bit form; DvErrFailed when C cannot be read or is singular
 *  (|det| <= 1e-6), nothing written. */
DVC_API DvError DvCtrlSetColorMatrixAdjustedForR9Bug32(const char *id1, const char *id2, int slot,
                                                       const double *matrix, int enable);
/** @brief As DvCtrlSetColorMatrixAdjustedForR9Bug32, and hands back the raw inverse written to the last slot.
 *  @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 *  @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 *  @param slot 1 to 255.
 *  @param[in] matrix Nine doubles.
 *  @param enable As DvCtrlSetColorMatrixAdjustedForR9Bug32.
 *  @param[out] inverse Out (may be null): nine signed 32-bit values; untouched when the slot is the last.
 *  @return As DvCtrlSetColorMatrixAdjustedForR9Bug32. */
DVC_API DvError DvCtrlSetColorMatrixAdjustedForR9Bug32_c1(const char *id1, const char *id2, int slot,
                                                          const double *matrix, int enable, int32_t *inverse);

DVC_EXTERN_C_END
/* End of the colour matrices */

/* 3D LUT: transfers, grid and resampling.
 *
 * An image of N nodes per axis holds 3*N*N*N unsigned 16-bit values (full
 * scale 65535): node (i, j, k) at (i*N + j)*N + k, its components 0, 1, 2
 * in that order. Grid levels are the N input levels (0..255 scale) at which
 * the nodes of every axis sit. */
DVC_EXTERN_C_BEGIN

/** @brief Reads the monitor's working 3D LUT.
 *  @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 *  @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 *  @param[out] image 3*gridCount^3 values, written block by block.
 *  @param gridCount the model's grid (DvCtrlGet3DLUTGridCount).
 *  @return DvOk; DvErrInvalidParameter for a null image; DvErrSizeMismatch
 *  when gridCount is not the model's; DvErrNotSupported without a
 *  transferable 3D LUT; else the failing block's result. */
DVC_API DvError DvCtrlGet3DLUTDirect(const char *id1, const char *id2, uint16_t *image, uint16_t gridCount);
/** @brief Sends a whole 3D LUT to the monitor's working table.
 *  @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 *  @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 *  @param[in] image 3*gridCount^3 values.
 *  @param gridCount the model's grid (DvCtrlGet3DLUTGridCount).
 *  @return as DvCtrlGet3DLUTDirect. */
DVC_API DvError DvCtrlSet3DLUTDirect(const char *id1, const char *id2, const uint16_t *image, uint16_t gridCount);
/** @brief Reads the monitor's factory 3D LUT (read-only in the monitor).
 *  @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 *  @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 *  @param[out] image 3*gridCount^3 values.
 *  @param gridCount the model's grid (DvCtrlGet3DLUTGridCount).
 *  @return as DvCtrlGet3DLUTDirect. */
DVC_API DvError DvCtrlGet3DLUTFactory(const char *id1, const char *id2, uint16_t *image, uint16_t gridCount);
/** @brief Reads media emulation table `index` (0 to DvCtrlGetMediaEmuCount - 1).
 *  @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 *  @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 *  @param index the table, 0 to DvCtrlGetMediaEmuCount - 1.
 *  @param[out] image 3*gridCount^3 values.
 *  @param gridCount the tables' grid (DvCtrlGetMediaEmu3DLUTGridCount).
 *  @return as DvCtrlGet3DLUTDirect; DvErrInvalidParameter for an index
 *  outside the model's tables. */
DVC_API DvError DvCtrlGetMediaEmu3DLUTDirect(const char *id1, const char *id2, int index, uint16_t *image,
                                             uint16_t gridCount);
/** @brief Sends media emulation table `index`.
 *  @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 *  @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 *  @param index the table, 0 to DvCtrlGetMediaEmuCount - 1.
 *  @param[in] image 3*gridCount^3 values.
 *  @param gridCount the tables' grid (DvCtrlGetMediaEmu3DLUTGridCount).
 *  @return as DvCtrlGetMediaEmu3DLUTDirect. */
DVC_API DvError DvCtrlSetMediaEmu3DLUTDirect(const char *id1, const char *id2, int index, const uint16_t *image,
                                             uint16_t gridCount);
/** @brief The 3D LUT's nodes per axis.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return the grid count; 0 when the monitor has no transferable 3D LUT, or the call failed */
DVC_API int DvCtrlGet3DLUTGridCount(const char *id1, const char *id2);
/** @brief The media emulation tables' nodes per axis.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return the grid count; 0 when the model has none, or the call failed */
DVC_API int DvCtrlGetMediaEmu3DLUTGridCount(const char *id1, const char *id2);
/** @brief The 3D LUT's grid levels.
 *  @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 *  @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 *  @param levels room for `count` levels; @param count the grid count.
 *  @return DvOk; DvErrInvalidParameter for a null array; DvErrNotSupported
 *  when the model has no grid; DvErrSizeMismatch when count is not its grid count. */
DVC_API DvError DvCtrlGet3DLUTGridLevels(const char *id1, const char *id2, uint16_t *levels, uint16_t count);

/** @brief Resamples a 3D LUT onto another grid by tetrahedral interpolation.
 *  Needs no monitor and takes no lock. Reads 3*srcGridCount^3 values and
 *  srcGridCount ascending levels, writes all 3*dstGridCount^3 values.
 *  Destination levels outside the source levels are clamped into them; a
 *  destination level equal to a source level gives that node's values
 *  exactly. Null buffers, fewer than two source levels or too little memory
 *  leave the destination as it was.
 *  @param[in] srcImage the source image, 3*srcGridCount^3 values.
 *  @param[in] srcLevels the source grid levels, srcGridCount ascending values.
 *  @param srcGridCount the source's nodes per axis (at least 2).
 *  @param[out] dstImage receives the destination image, 3*dstGridCount^3 values.
 *  @param[in] dstLevels the destination grid levels, dstGridCount values.
 *  @param dstGridCount the destination's nodes per axis. */
DVC_API void DvCtrlHelperInterpolate3DLUT(const uint16_t *srcImage, const uint16_t *srcLevels, uint16_t srcGridCount,
                                          uint16_t *dstImage, const uint16_t *dstLevels, uint16_t dstGridCount);
/** @brief The standard grid levels of a 10- or 17-node grid.
 *  @param gridCount 10 or 17.
 *  @param[out] levels room for gridCount levels.
 *  @return DvOk; DvErrFailed (nothing written) for any other grid count or a null array. */
DVC_API DvError DvCtrlHelperGetStandardGridLevels(uint16_t gridCount, uint16_t *levels);

DVC_EXTERN_C_END
/* End of 3D LUT */
/* Tone LUT: operations with an encoding of their own. */
DVC_EXTERN_C_BEGIN

/**
 * @brief Nonzero when the tone LUT of one channel can be read and written.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param channel the LUT channel (1 red, 2 green, 3 blue on most models).
 * @return the support flag, whatever the monitor answered; 0 for an unknown monitor.
 */
DVC_API int DvCtrlSupportedLUT(const char *id1, const char *id2, int channel);
/**
 * @brief Writes the 256-entry tone LUT of one channel.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param channel the LUT channel (the monitor's table number).
 * @param[in] levels 256 output levels, 0.0 to 1.0.
 * @param bank the LUT bank (0 or 1).
 * @return DvOk; DvErrInvalidParameter for a null pointer or a negative channel or bank;
 *         DvErrOutOfUnitRange when a level cannot be encoded (nothing is sent);
 *         DvErrNotSupported when the model may not write or has no LUT data;
 *         DvErrFailed when no path takes the table.
 */
DVC_API DvError DvCtrlSetLUT(const char *id1, const char *id2, int channel, const double *levels, const int *bank);
/**
 * @brief Reads the 256-entry tone LUT of one channel.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param channel the LUT channel (the monitor's table number).
 * @param[out] levels receives 256 output levels.
 * @param bank the LUT bank (0 or 1).
 * @return DvOk; DvErrInvalidParameter for a null pointer or a negative channel or bank;
 *         DvErrNotSupported or DvErrFailed when the model has no LUT data or no path answers.
 */
DVC_API DvError DvCtrlGetLUT(const char *id1, const char *id2, int channel, double *levels, const int *bank);
/**
 * @brief Compares two LUTs in the monitor's own steps.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
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
/**
 * @brief Reads the tone LUT of one channel that a colour mode keeps, in the units of DvCtrlGetLUT.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param mode the colour mode (0 and up).
 * @param channel the LUT channel as DvCtrlGetLUT takes it: 1 red, 2 green, 3 blue.
 * @param[out] levels receives 256 output levels.
 * @return DvOk; DvErrNotSupported when the monitor keeps no per-mode settings (levels are zeroed);
 *         DvErrNullOutput for a null @p levels; DvErrInvalidParameter for a negative mode or a channel outside 1 to 3;
 *         DvErrFailed when no path answers.
 */
DVC_API DvError DvCtrlGetLUTAtMode(const char *id1, const char *id2, int mode, int channel, double *levels);
/**
 * @brief Reads the 10-bit LUT of one channel: 1024 levels.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param channel 0 red, 1 green, 2 blue.
 * @param[out] levels receives 1024 output levels, 0.0 to 1.0.
 * @return DvOk; DvErrInvalidParameter for a null pointer or a channel outside 0 to 2;
 *         DvErrNotSupported when the monitor has no 10-bit LUT (nothing is sent); DvErrFailed when no path answers.
 */
DVC_API DvError DvCtrlGetLUT10bit(const char *id1, const char *id2, int channel, double *levels);
/**
 * @brief Writes the 10-bit LUT of one channel: 1024 levels, each kept as level × 0xFFC0 rounded half up.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param channel 0 red, 1 green, 2 blue.
 * @param[in] levels 1024 output levels, 0.0 to 1.0.
 * @return DvOk; DvErrInvalidParameter for a null pointer or a channel outside 0 to 2;
 *         DvErrOutOfUnitRange when a level is outside 0.0 to 1.0 (nothing is sent);
 *         DvErrNotSupported when the monitor has no 10-bit LUT; DvErrFailed when no path takes the table.
 */
DVC_API DvError DvCtrlSetLUT10bit(const char *id1, const char *id2, int channel, const double *levels);

DVC_EXTERN_C_END
/* End of the tone LUT */

/* LUT facts of the model: answered without asking the monitor. */
DVC_EXTERN_C_BEGIN

/**
 * @brief Enumerates the colour gamut indices that the model offers.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param index the position in the list, from 0.
 * @param[out] gamut receives the gamut index at that position.
 * @return DvOk; DvErrNoMoreItems past the end; DvErrInvalidParameter for a null pointer.
 */
DVC_API DvError DvCtrlEnumGamutIndex(const char *id1, const char *id2, int index, int *gamut);
/**
 * @brief Nonzero when the model has media emulations.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 or 0; 0 for an unknown monitor.
 */
DVC_API int DvCtrlSupportedMediaEmu(const char *id1, const char *id2);
/**
 * @brief Reads the largest value of a direct rear-LUT entry of a colour channel.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] maximum receives the value.
 * @return DvOk; DvErrNotSupported when the model gives none; DvErrInvalidParameter for a null pointer.
 */
DVC_API DvError DvCtrlGetMaxRearLUTDirectColor(const char *id1, const char *id2, int *maximum);
/**
 * @brief Reads the largest value of a direct rear-LUT entry in monochrome.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] maximum receives the value.
 * @return DvOk; DvErrNotSupported when the model gives none; DvErrInvalidParameter for a null pointer.
 */
DVC_API DvError DvCtrlGetMaxRearLUTDirectMono(const char *id1, const char *id2, int *maximum);
/**
 * @brief Reads the precision of the front LUT in bits.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] precision receives the number of bits.
 * @return DvOk; DvErrNotSupported when the model gives none; DvErrInvalidParameter for a null pointer.
 */
DVC_API DvError DvCtrlGetFrontLUTPrecision(const char *id1, const char *id2, int *precision);
/**
 * @brief Nonzero when the monitor can warn of REC.709 colours in a REC.2020 picture.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when the model record says so; 0 otherwise or for an unknown monitor.
 */
DVC_API int DvCtrlSupportedREC709GamutWarningForREC2020(const char *id1, const char *id2);

DVC_EXTERN_C_END
/* End of the LUT facts */

/* Rear LUT: a block in the monitor's own layout. */
DVC_EXTERN_C_BEGIN

/**
 * @brief Nonzero when the monitor has a rear LUT.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 or 0; 0 for an unknown monitor.
 */
DVC_API int DvCtrlSupportedRearLUT(const char *id1, const char *id2);
/**
 * @brief The length of the rear LUT block in bytes.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return the length; 0 when the monitor gives none or is unknown.
 */
DVC_API int DvCtrlGetRearLUTSize(const char *id1, const char *id2);
/**
 * @brief Reads the rear LUT block as the monitor keeps it.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] data receives the block; may be null when *size is 0, to ask for the length.
 * @param[in,out] size the capacity of @p data on the way in, the block's length on the way out.
 * @return DvOk; DvErrSizeMismatch when the capacity is below the length (*size then holds it);
 *         DvErrNotSupported on models whose panel generation has no direct rear LUT;
 *         DvErrInvalidParameter for a null size, a negative one, or a null buffer with a capacity.
 */
DVC_API DvError DvCtrlGetRearLUTDirectWithROM(const char *id1, const char *id2, unsigned char *data, int *size);
/**
 * @brief Writes the rear LUT block in the monitor's own layout.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param data the block's first @p size bytes; the rest of the block is written as zeros.
 * @param size the number of bytes, at most the block's length.
 * @return DvOk; DvErrSizeMismatch when @p size exceeds the block's length;
 *         DvErrNotSupported on models whose panel generation has no direct rear LUT;
 *         DvErrInvalidParameter for a null buffer or a size of 0 or less.
 */
DVC_API DvError DvCtrlSetRearLUTDirectWithROM(const char *id1, const char *id2, const unsigned char *data, int size);

DVC_EXTERN_C_END
/* End of the rear LUT */

/* Front LUT: one table per channel in front of the colour processing, at a
 * depth of 8, 10 or 12 bits (256, 1024 or 4096 levels) up to the model's
 * own. Levels are 0.0 to 1.0; a table at the size of the model's native LUT
 * depth is kept in the model's LUT maximum, the others in fixed point. */
DVC_EXTERN_C_BEGIN

/**
 * @brief Nonzero when the front LUT takes tables of the given depth.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param bits 8, 10 or 12.
 * @return 1 when it does; 0 otherwise or for an unknown monitor.
 */
DVC_API int DvCtrlSupportedFrontLUT(const char *id1, const char *id2, int bits);
/**
 * @brief The number of levels of a front-LUT table of the given depth.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param bits 8, 10 or 12.
 * @return 256, 1024 or 4096; 0 when the front LUT does not take that depth or the monitor is unknown.
 */
DVC_API int DvCtrlGetFrontLUTSize(const char *id1, const char *id2, int bits);
/**
 * @brief Reads the largest raw value of a front-LUT entry at the model's own size.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] maximum receives the value.
 * @return DvOk; DvErrInvalidParameter for a null pointer; DvErrNotSupported when the model has no front LUT.
 */
DVC_API DvError DvCtrlGetFrontLUTMaxRawValue(const char *id1, const char *id2, int *maximum);
/**
 * @brief Reads the front LUT of one channel.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param channel 0 red, 1 green, 2 blue.
 * @param[out] levels receives @p count levels.
 * @param count the table's size, as DvCtrlGetFrontLUTSize gives it.
 * @return DvOk; DvErrInvalidParameter for a null pointer, a channel outside 0 to 2 or a count below 1;
 *         DvErrNotSupported when the monitor has no front LUT; DvErrSizeMismatch for a count of no depth it takes;
 *         DvErrFailed when no path answers.
 */
DVC_API DvError DvCtrlGetFrontLUT(const char *id1, const char *id2, int channel, double *levels, int count);
/**
 * @brief Writes the front LUT of one channel.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param channel 0 red, 1 green, 2 blue.
 * @param[in] levels @p count levels, 0.0 to 1.0.
 * @param count the table's size, as DvCtrlGetFrontLUTSize gives it.
 * @return DvOk; DvErrInvalidParameter for a null pointer, a channel outside 0 to 2 or a count below 1;
 *         DvErrNotSupported when the monitor has no front LUT; DvErrSizeMismatch for a count of no depth it takes;
 *         DvErrOutOfUnitRange when a level is outside 0.0 to 1.0 (nothing is sent); DvErrFailed when no path takes it.
 */
DVC_API DvError DvCtrlSetFrontLUT(const char *id1, const char *id2, int channel, const double *levels, int count);
/**
 * @brief Reads the front LUT of one channel that a colour mode keeps, at the model's own size.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param mode the colour mode (0 and up).
 * @param channel 0 red, 1 green, 2 blue.
 * @param[out] levels receives @p count levels.
 * @param count the front LUT's size at the model's own depth.
 * @return DvOk; DvErrNotSupported when the monitor keeps no per-mode settings (levels are zeroed) or has no
 *         front LUT; DvErrNullOutput for a null @p levels; DvErrInvalidParameter for a bad mode, channel or count;
 *         DvErrSizeMismatch for another count; DvErrFailed when no path answers.
 */
DVC_API DvError DvCtrlGetFrontLUTAtMode(const char *id1, const char *id2, int mode, int channel, double *levels,
                                        int count);
/**
 * @brief Nonzero when the front LUT can be switched on and off.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @return 1 when the model has a front LUT that the monitor takes; 0 otherwise or for an unknown monitor.
 */
DVC_API int DvCtrlSupportedFrontLUTEnabled(const char *id1, const char *id2);
/**
 * @brief Reads whether the front LUT is in use.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param[out] enabled receives 1 (in use) or 0.
 * @return DvOk; DvErrInvalidParameter for a null pointer; DvErrNotSupported without a front LUT;
 *         DvErrFailed when no path answers.
 */
DVC_API DvError DvCtrlGetFrontLUTEnabled(const char *id1, const char *id2, int *enabled);
/**
 * @brief Puts the front LUT in use (nonzero) or passes it by (0).
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param enabled nonzero to use the front LUT.
 * @return DvOk; DvErrNotSupported without a front LUT; DvErrRefused or DvErrFailed when the monitor does not take it.
 */
DVC_API DvError DvCtrlSetFrontLUTEnabled(const char *id1, const char *id2, int enabled);

DVC_EXTERN_C_END
/* End of the front LUT */

/* Media emulation: each emulation's 1D LUT (1024 levels per channel, kept as
 * level × 0xFFC0) and the emulation another colour mode uses. */
DVC_EXTERN_C_BEGIN

/**
 * @brief Reads the 1D LUT of one channel of a media emulation.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param index the emulation, 0 to DvCtrlGetMediaEmuCount less one.
 * @param channel 0 red, 1 green, 2 blue.
 * @param[out] levels receives 1024 levels, 0.0 to 1.0.
 * @return DvOk; DvErrInvalidParameter for a null pointer, a channel outside 0 to 2 or an emulation the model
 *         does not have; DvErrNotSupported without media emulation; DvErrFailed when no path answers.
 */
DVC_API DvError DvCtrlGetMediaEmu1DLUT(const char *id1, const char *id2, int index, int channel, double *levels);
/**
 * @brief Writes the 1D LUT of one channel of a media emulation.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param index the emulation, 0 to DvCtrlGetMediaEmuCount less one.
 * @param channel 0 red, 1 green, 2 blue.
 * @param[in] levels 1024 levels, 0.0 to 1.0.
 * @return DvOk; DvErrInvalidParameter for a null pointer, a channel outside 0 to 2 or an emulation the model
 *         does not have; DvErrOutOfUnitRange for a level outside 0.0 to 1.0 (nothing is sent);
 *         DvErrNotSupported without media emulation; DvErrFailed when no path takes it.
 */
DVC_API DvError DvCtrlSetMediaEmu1DLUT(const char *id1, const char *id2, int index, int channel,
                                       const double *levels);
/**
 * @brief Reads which media emulation a colour mode uses.
 * @param id1 the monitor's serial number, as DvCtrlGetSerialProduct gives it
 * @param id2 the monitor's model name, as DvCtrlGetSerialProduct gives it
 * @param mode the colour mode (0 and up).
 * @param[out] selection receives the emulation.
 * @return DvOk; DvErrNotSupported when the monitor keeps no per-mode settings (the selection is zeroed);
 *         DvErrNullOutput for a null pointer; DvErrInvalidParameter for a negative mode;
 *         DvErrFailed when no path answers.
 */
DVC_API DvError DvCtrlGetMediaEmuSelectionAtMode(const char *id1, const char *id2, int mode, int *selection);

DVC_EXTERN_C_END
/* End of media emulation */

#endif
