/* chromalib: colour-space conversions and the primaries-to-matrix
 * computation. */
#ifndef CHROMALIB_CHROMALIB_H
#define CHROMALIB_CHROMALIB_H
#include <stdint.h>
#ifdef __cplusplus
extern "C" {
#endif

#ifndef DVC_COLOUR_DEFINED
#define DVC_COLOUR_DEFINED
typedef struct colour {
    double reserved_a[7];   /* members 1 to 7: kept, copied, zero when built */
    double X, Y, Z;         /* members 8 to 10: tristimulus values          */
    double x, y;            /* members 11 and 12: chromaticity              */
    double reserved_b[6];   /* members 13 to 18                             */
} colour;                   /* 18 doubles, 144 bytes, passed by value       */
#endif

colour  Colour_Yxy2XZ(colour c);                     /* fills X and Z from Y, x, y */
int32_t Colour_XYZ2Yxy_UsingOneStruct(colour *c);    /* fills x, y (Y kept) from X, Y, Z */
colour  Colour_XYZ2xy(colour c);                     /* fills x, y from X, Y, Z */
int32_t Colour_GetMatrix(void **matrix, int32_t kind, colour red, colour green,
                         colour blue, colour white); /* RGB-to-XYZ from primaries and white */
int32_t Colour_GetMatrixValue(double *value, void *matrix, int32_t row, int32_t column);
int32_t Colour_ReleaseMatrix(void **matrix);

#ifdef __cplusplus
}
#endif
#endif
