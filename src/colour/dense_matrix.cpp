#include "colour/dense_matrix.hpp"

#include <algorithm>
#include <cmath>
#include <utility>

namespace dvc::colour_math {

DenseMatrix::DenseMatrix(int16_t rows, int16_t columns)
    : rows_(std::max<int16_t>(rows, 0)),
      columns_(std::max<int16_t>(columns, 0)),
      elements_(static_cast<std::size_t>(rows_) * static_cast<std::size_t>(columns_), 0.0) {}

DenseMatrix::DenseMatrix(int16_t rows, int16_t columns, const double* rowMajor) : DenseMatrix(rows, columns) {
    std::copy_n(rowMajor, elements_.size(), elements_.begin());
}

DenseMatrix DenseMatrix::Identity(int16_t size) {
    DenseMatrix m(size, size);
    for (int i = 0; i < size; ++i) m.At(i, i) = 1.0;
    return m;
}

void DenseMatrix::CopyTo(double* rowMajor) const { std::copy(elements_.begin(), elements_.end(), rowMajor); }

DenseMatrix DenseMatrix::Times(const DenseMatrix& other) const {
    if (columns_ != other.rows_) return *this;
    DenseMatrix product(rows_, other.columns_);
    for (int r = 0; r < rows_; ++r)
        for (int c = 0; c < other.columns_; ++c) {
            double sum = 0.0;
            for (int k = 0; k < columns_; ++k) sum += At(r, k) * other.At(k, c);
            product.At(r, c) = sum;
        }
    return product;
}

std::optional<DenseMatrix> DenseMatrix::Inverse() const {
    if (rows_ != columns_) return std::nullopt;
    const int n = rows_;
    DenseMatrix a = *this;
    DenseMatrix inverse = Identity(rows_);
    for (int column = 0; column < n; ++column) {
        // Rows above `column` are the pivots used so far.
        int pivot = column;
        for (int row = column + 1; row < n; ++row)
            if (std::abs(a.At(row, column)) > std::abs(a.At(pivot, column))) pivot = row;
        if (a.At(pivot, column) == 0.0) return std::nullopt;
        for (int k = 0; k < n; ++k) {
            std::swap(a.At(pivot, k), a.At(column, k));
            std::swap(inverse.At(pivot, k), inverse.At(column, k));
        }
        const double scale = 1.0 / a.At(column, column);
        for (int k = 0; k < n; ++k) {
            a.At(column, k) *= scale;
            inverse.At(column, k) *= scale;
        }
        for (int row = 0; row < n; ++row) {
            if (row == column) continue;
            const double factor = a.At(row, column);
            for (int k = 0; k < n; ++k) {
                a.At(row, k) -= factor * a.At(column, k);
                inverse.At(row, k) -= factor * inverse.At(column, k);
            }
        }
    }
    return inverse;
}

double DenseMatrix::Determinant3() const {
    const auto& m = *this;
    return m.At(0, 0) * m.At(1, 1) * m.At(2, 2) + m.At(0, 1) * m.At(1, 2) * m.At(2, 0) +
           m.At(0, 2) * m.At(1, 0) * m.At(2, 1) - m.At(0, 2) * m.At(1, 1) * m.At(2, 0) -
           m.At(0, 0) * m.At(1, 2) * m.At(2, 1) - m.At(0, 1) * m.At(1, 0) * m.At(2, 2);
}

bool DenseMatrix::Invertible3() const { return rows_ == 3 && columns_ == 3 && std::abs(Determinant3()) > 1e-6; }

}  // namespace dvc::colour_math
