// The C front of the matrix functions.
#include "chromalib/chromalib.h"
#include "matrix_handles.hpp"
#include "rgb_matrix.hpp"

extern "C" {

int32_t Colour_GetMatrix(void** matrix, int32_t kind, colour red, colour green, colour blue, colour white) {
    if (matrix == nullptr) return CHROMALIB_ERR_INVALID_PARAMETER;
    *matrix = nullptr;
    if (kind != 0) return CHROMALIB_ERR_INVALID_PARAMETER;
    const auto m = dvc::chromalib::RgbToXyz({{{red.x, red.y}, {green.x, green.y}, {blue.x, blue.y}}},
                                            {white.x, white.y}, white.Y == 0.0 ? 1.0 : white.Y);
    if (!m) return CHROMALIB_ERR_SINGULAR;
    try {
        *matrix = dvc::chromalib::AdoptMatrix(*m);
    } catch (...) {  // allocation failure
        return CHROMALIB_ERR_SINGULAR;
    }
    return CHROMALIB_OK;
}

int32_t Colour_GetMatrixValue(double* value, void* matrix, int32_t row, int32_t column) {
    if (value == nullptr) return CHROMALIB_ERR_INVALID_PARAMETER;
    const auto element = dvc::chromalib::MatrixElement(matrix, row, column);
    if (!element) return CHROMALIB_ERR_INVALID_PARAMETER;
    *value = *element;
    return CHROMALIB_OK;
}

int32_t Colour_ReleaseMatrix(void** matrix) {
    if (matrix == nullptr || *matrix == nullptr) return CHROMALIB_OK;
    if (!dvc::chromalib::ReleaseMatrix(*matrix)) return CHROMALIB_ERR_INVALID_PARAMETER;
    *matrix = nullptr;
    return CHROMALIB_OK;
}

}  // extern "C"
