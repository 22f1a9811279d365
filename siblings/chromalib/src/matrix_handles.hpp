// The opaque matrix handles given to callers. Every live handle is
// registered, so a stale or foreign pointer is refused instead of read.
#pragma once

#include <optional>

#include "rgb_matrix.hpp"

namespace dvc::chromalib {

// A new live handle holding m (never null).
void* AdoptMatrix(const Matrix3& m);
// Element (row, column) of a live handle; nullopt for any other pointer.
std::optional<double> MatrixElement(const void* handle, int row, int column);
// Frees a live handle; false (and nothing freed) for any other pointer.
bool ReleaseMatrix(const void* handle);

}  // namespace dvc::chromalib
