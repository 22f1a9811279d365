#include "rgb_matrix.hpp"

#include <cmath>

namespace dvc::chromalib {
namespace {

// Collinear primaries give a zero determinant only up to rounding, so the
// test is relative to the largest determinant columns of these lengths
// can have.
constexpr double kSingularRatio = 1e-12;

double Det(const Matrix3& m) {
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
           m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

double ColumnLength(const Matrix3& m, int column) { return std::hypot(m[0][column], m[1][column], m[2][column]); }

// Matrix m with column `column` replaced by v (Cramer's rule).
Matrix3 WithColumn(Matrix3 m, int column, const std::array<double, 3>& v) {
    for (int row = 0; row < 3; ++row) m[row][column] = v[row];
    return m;
}

std::optional<std::array<double, 3>> XyzAtUnitY(Chromaticity c) {
    if (c.y == 0.0) return std::nullopt;
    return std::array<double, 3>{c.x / c.y, 1.0, (1.0 - c.x - c.y) / c.y};
}

}  // namespace

std::optional<Matrix3> RgbToXyz(const std::array<Chromaticity, 3>& primaries, Chromaticity white, double whiteY) {
    Matrix3 p{};
    for (int column = 0; column < 3; ++column) {
        const auto xyz = XyzAtUnitY(primaries[column]);
        if (!xyz) return std::nullopt;
        for (int row = 0; row < 3; ++row) p[row][column] = (*xyz)[row];
    }
    auto w = XyzAtUnitY(white);
    if (!w) return std::nullopt;
    for (double& v : *w) v *= whiteY;

    const double det = Det(p);
    const double bound = ColumnLength(p, 0) * ColumnLength(p, 1) * ColumnLength(p, 2);
    if (!std::isfinite(det) || !(std::abs(det) > kSingularRatio * bound)) return std::nullopt;

    Matrix3 m{};
    for (int column = 0; column < 3; ++column) {
        const double scale = Det(WithColumn(p, column, *w)) / det;
        for (int row = 0; row < 3; ++row) {
            m[row][column] = p[row][column] * scale;
            if (!std::isfinite(m[row][column])) return std::nullopt;
        }
    }
    return m;
}

}  // namespace dvc::chromalib
