// The small dense matrices of the host's colour arithmetic: rows and
// columns as signed 16-bit counts, elements as doubles, [row][column].
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace dvc::colour_math {

class DenseMatrix {
public:
    // From `rows` x `columns` doubles, row by row.
    DenseMatrix(int16_t rows, int16_t columns, const double* rowMajor);
    static DenseMatrix Identity(int16_t size);

    int16_t Rows() const { return rows_; }
    int16_t Columns() const { return columns_; }
    double& At(int row, int column) { return elements_[static_cast<std::size_t>(row * columns_ + column)]; }
    double At(int row, int column) const { return elements_[static_cast<std::size_t>(row * columns_ + column)]; }
    // Row by row into `rowMajor` (Rows() x Columns() doubles).
    void CopyTo(double* rowMajor) const;

    // this · other; a copy of this when the inner sizes differ.
    DenseMatrix Times(const DenseMatrix& other) const;
    // Gauss-Jordan elimination with partial pivoting (the first of equal
    // largest candidates); nullopt for a non-square matrix or a zero pivot.
    std::optional<DenseMatrix> Inverse() const;
    // The determinant of a 3x3 matrix by the rule of Sarrus.
    double Determinant3() const;
    // A 3x3 matrix whose |determinant| is above 1e-6; exactly 1e-6 is singular.
    bool Invertible3() const;

private:
    DenseMatrix(int16_t rows, int16_t columns);
    int16_t rows_;
    int16_t columns_;
    std::vector<double> elements_;
};

}  // namespace dvc::colour_math
