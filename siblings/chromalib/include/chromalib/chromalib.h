/* chromalib: colour-space conversions and the primaries-to-matrix
 * computation. Every function may be called from any thread.
 *
 * Results: 0 is success, negative is failure. The reserved members of a
 * colour are copied through unchanged by every function. */
#ifndef CHROMALIB_CHROMALIB_H
#define CHROMALIB_CHROMALIB_H
#include <stdint.h>

/* The library builds with hidden visibility; these six are its exports. */
#if defined(__GNUC__)
#define CHROMALIB_API __attribute__((visibility("default")))
#else
#define CHROMALIB_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

#define CHROMALIB_OK 0
#define CHROMALIB_ERR_SINGULAR ((int32_t)0x80000000u) /* no matrix for these colours */
#define CHROMALIB_ERR_INVALID_PARAMETER                   \
    ((int32_t)0x80000001u) /* null pointer, unknown kind, \
                              handle or element */

#ifndef DVC_COLOUR_DEFINED
#define DVC_COLOUR_DEFINED
typedef struct colour {
    double reserved_a[7]; /* members 1 to 7: kept, copied, zero when built */
    double X, Y, Z;       /* members 8 to 10: tristimulus values          */
    double x, y;          /* members 11 and 12: chromaticity              */
    double reserved_b[6]; /* members 13 to 18                             */
} colour;                 /* 18 doubles, 144 bytes, passed by value       */
#endif

/* X = x·Y/y and Z = (1−x−y)·Y/y; everything else as given. With y = 0
 * the chromaticity describes no colour of finite luminance: X and Z
 * become 0. */
CHROMALIB_API colour Colour_Yxy2XZ(colour c);

/* x = X/(X+Y+Z) and y = Y/(X+Y+Z) in place, X, Y and Z kept. A zero sum
 * (black) gives x = y = 0 and still succeeds. Null gives
 * CHROMALIB_ERR_INVALID_PARAMETER. */
CHROMALIB_API int32_t Colour_XYZ2Yxy_UsingOneStruct(colour* c);

/* The same chromaticity, on a copy. */
CHROMALIB_API colour Colour_XYZ2xy(colour c);

/* Kind 0, the only kind: the RGB-to-XYZ matrix whose columns are the
 * primaries' XYZ, from their x and y, scaled so that RGB (1,1,1) gives the
 * white's XYZ from its x, y and Y. A white with Y = 0 carries chromaticity
 * only and is taken with Y = 1. On success *matrix receives a new handle
 * (release it with Colour_ReleaseMatrix). CHROMALIB_ERR_SINGULAR when a
 * y is 0, the primaries are collinear or a value is not finite;
 * CHROMALIB_ERR_INVALID_PARAMETER for a null matrix pointer or another
 * kind. On failure *matrix (when matrix is not null) is set to null. */
CHROMALIB_API int32_t Colour_GetMatrix(void** matrix, int32_t kind, colour red, colour green, colour blue,
                                       colour white);

/* Element (row, column) of a live handle, rows X, Y, Z and columns red,
 * green, blue, each 0 to 2. A null pointer, an index outside 0..2 or a
 * handle that is not live gives CHROMALIB_ERR_INVALID_PARAMETER and leaves
 * *value unchanged. */
CHROMALIB_API int32_t Colour_GetMatrixValue(double* value, void* matrix, int32_t row, int32_t column);

/* Frees the handle and sets *matrix to null. A null matrix or a null
 * *matrix is harmless and gives 0; a handle that is not live (say,
 * released already) gives CHROMALIB_ERR_INVALID_PARAMETER and is left
 * alone. */
CHROMALIB_API int32_t Colour_ReleaseMatrix(void** matrix);

#ifdef __cplusplus
}
#endif
#endif
