// Placeholder: replaced by the colour maths.
#include "chromalib/chromalib.h"

extern "C" {
colour Colour_Yxy2XZ(colour c) { return c; }
int32_t Colour_XYZ2Yxy_UsingOneStruct(colour *) { return -1; }
colour Colour_XYZ2xy(colour c) { return c; }
int32_t Colour_GetMatrix(void **, int32_t, colour, colour, colour, colour) { return -1; }
int32_t Colour_GetMatrixValue(double *, void *, int32_t, int32_t) { return -1; }
int32_t Colour_ReleaseMatrix(void **) { return 0; }
}
