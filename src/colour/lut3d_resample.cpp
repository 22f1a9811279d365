// Tetrahedral resampling of a 3D LUT, arranged so that it gives, to the
// bit, what the plain rules give (the cell search per node, five tetrahedra
// tried in order, plane tests and volume weights) while doing far less:
//  - the cell search and the point's coordinate are worked out once per
//    axis, not once per node;
//  - the twenty oriented face planes of a cell depend only on the cell, so
//    they are built once per cell (for the cells of one slab of the first
//    axis at a time, which is all the node order needs at once);
//  - a node whose three levels are source levels takes that source node's
//    value, which is what the interpolation gives there; when every
//    destination level is a source level the whole call is such a copy.
// Every floating-point expression that reaches a result is written in the
// same order as in the plain rules, and the build keeps the compiler from
// fusing multiplies into adds here (CMakeLists.txt), so the two agree.
#include "colour/lut3d_resample.hpp"

#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

#include "colour/coordinates.hpp"

namespace dvc::lut3d {

namespace {

constexpr double kValueScale = 65535.0;
constexpr double kLevelScale = 255.0;
// Points on a face, edge or vertex count as inside: the plane test allows
// this much below zero (unnormalised).
constexpr double kOnFace = std::numeric_limits<double>::epsilon();

// The five tetrahedra of a cell in the order they are tried; a point on a
// face that two share belongs to the first. Corner c is node
// (i0 + bit 2 of c, j0 + bit 1, k0 + bit 0).
constexpr int kTetrahedra[5][4] = {{0, 1, 2, 4}, {1, 2, 3, 7}, {1, 2, 4, 7}, {1, 4, 5, 7}, {2, 4, 6, 7}};
// The face opposite vertex m, as the vertex triple (A, B, C).
constexpr int kFaces[4][3] = {{1, 2, 3}, {2, 3, 0}, {3, 0, 1}, {0, 1, 2}};

// A face's plane oriented so that the opposite vertex is on its
// non-negative side; `length` is the normal's and `area` the face's.
struct Plane {
    C3DCoodinates n;
    double d = 0.0;
    double length = 0.0;
    double area = 0.0;
};

struct Cell {
    std::array<Plane, 20> planes;  // tetrahedron t, face m at 4t + m
    bool ready = false;
};

// One destination index on one axis: the clamped point, the lower index of
// its cell, and the source index it sits on (-1 when between levels).
struct AxisStep {
    double p = 0.0;
    uint32_t lower = 0;
    int32_t on = -1;
};

bool Inside(double s) { return s > 0.0 || std::fabs(s) <= kOnFace; }

uint16_t ToWord(double v) {
    const double x = v * kValueScale + 0.5;
    if (!(x >= 0.0)) return 0;  // also NaN from a flat cell: never converted
    if (x >= kValueScale) return 0xFFFF;
    return static_cast<uint16_t>(x);
}

std::vector<AxisStep> Steps(const std::vector<double>& src, const uint16_t* levels, size_t count, bool ascending) {
    std::vector<AxisStep> steps(count);
    const size_t last = src.size() - 1;
    for (size_t a = 0; a < count; ++a) {
        double p = levels[a] / kLevelScale;
        if (p < src.front()) p = src.front();
        if (p > src.back()) p = src.back();
        size_t i = 0;
        while (i + 1 < last && !(src[i + 1] - p >= 0.0)) ++i;
        AxisStep& s = steps[a];
        s.p = p;
        s.lower = static_cast<uint32_t>(i);
        if (ascending && src[i + 1] == p) s.on = static_cast<int32_t>(i + 1);
        else if (ascending && src[i] == p) s.on = static_cast<int32_t>(i);
    }
    return steps;
}

void BuildCell(Cell& cell, const double* level, uint32_t i0, uint32_t j0, uint32_t k0) {
    std::array<C3DCoodinates, 8> corner;
    for (int c = 0; c < 8; ++c)
        corner[c] = {level[i0 + ((c >> 2) & 1)], level[j0 + ((c >> 1) & 1)], level[k0 + (c & 1)]};
    for (int t = 0; t < 5; ++t) {
        for (int m = 0; m < 4; ++m) {
            const C3DCoodinates& a = corner[kTetrahedra[t][kFaces[m][0]]];
            const C3DCoodinates& b = corner[kTetrahedra[t][kFaces[m][1]]];
            const C3DCoodinates& c = corner[kTetrahedra[t][kFaces[m][2]]];
            Plane& f = cell.planes[4 * t + m];
            f.n = Cross(b - a, c - a);
            f.d = -Dot(f.n, a);
            if (Dot(f.n, corner[kTetrahedra[t][m]]) + f.d < 0.0) {
                f.n = f.n * -1.0;
                f.d = -f.d;
            }
            f.length = std::sqrt(Dot(f.n, f.n));
            f.area = 0.5 * f.length;
        }
    }
    cell.ready = true;
}

// The three components at P from the first tetrahedron that holds it: each
// vertex weighs the volume between P and the opposite face. A point that no
// tetrahedron holds, or a flat one, takes corner 0.
void Interpolate(const Cell& cell, const C3DCoodinates& p, const double* corner0, const std::array<size_t, 8>& delta,
                 uint16_t* out) {
    for (int t = 0; t < 5; ++t) {
        const Plane* f = &cell.planes[4 * t];
        const double s[4] = {Dot(f[0].n, p) + f[0].d, Dot(f[1].n, p) + f[1].d, Dot(f[2].n, p) + f[2].d,
                             Dot(f[3].n, p) + f[3].d};
        if (!(Inside(s[0]) && Inside(s[1]) && Inside(s[2]) && Inside(s[3]))) continue;
        double w[4];
        for (int m = 0; m < 4; ++m) w[m] = f[m].area * (std::fabs(s[m]) / f[m].length) / 3.0;
        const double sum = w[0] + w[1] + w[2] + w[3];
        if (!(sum > 0.0)) break;
        const double* v[4];
        for (int m = 0; m < 4; ++m) v[m] = corner0 + delta[kTetrahedra[t][m]];
        for (int c = 0; c < 3; ++c)
            out[c] = ToWord((w[0] * v[0][c] + w[1] * v[1][c] + w[2] * v[2][c] + w[3] * v[3][c]) / sum);
        return;
    }
    for (int c = 0; c < 3; ++c) out[c] = ToWord(corner0[c]);
}

bool ValueCount(size_t count, size_t& values) {
    size_t square = 0, cube = 0;
    return !__builtin_mul_overflow(count, count, &square) && !__builtin_mul_overflow(square, count, &cube) &&
           !__builtin_mul_overflow(cube, size_t{3}, &values);
}

}  // namespace

bool Resample3DLut(const uint16_t* src, const uint16_t* srcLevels, uint16_t srcCount, uint16_t* dst,
                   const uint16_t* dstLevels, uint16_t dstCount) {
    if (src == nullptr || srcLevels == nullptr || dst == nullptr || dstLevels == nullptr) return false;
    const size_t ns = srcCount, nd = dstCount;
    size_t srcValues = 0, dstValues = 0;
    if (ns < 2 || nd == 0 || !ValueCount(ns, srcValues) || !ValueCount(nd, dstValues)) return false;
    try {
        std::vector<double> level(ns);
        bool ascending = true;
        for (size_t i = 0; i < ns; ++i) {
            level[i] = srcLevels[i] / kLevelScale;
            if (i > 0 && !(level[i] > level[i - 1])) ascending = false;
        }
        const std::vector<AxisStep> steps = Steps(level, dstLevels, nd, ascending);
        bool nested = ascending;
        for (const AxisStep& s : steps) nested = nested && s.on >= 0;

        if (nested) {  // every node is a source node
            for (size_t a = 0; a < nd; ++a)
                for (size_t b = 0; b < nd; ++b)
                    for (size_t c = 0; c < nd; ++c) {
                        const size_t from = ((steps[a].on * ns + steps[b].on) * ns + steps[c].on) * 3;
                        const size_t to = ((a * nd + b) * nd + c) * 3;
                        dst[to] = src[from];
                        dst[to + 1] = src[from + 1];
                        dst[to + 2] = src[from + 2];
                    }
            return true;
        }

        std::vector<double> value(srcValues);
        for (size_t i = 0; i < srcValues; ++i) value[i] = src[i] / kValueScale;
        std::vector<Cell> slab((ns - 1) * (ns - 1));  // the cells of one first-axis index
        std::array<size_t, 8> delta;
        for (int c = 0; c < 8; ++c) delta[c] = (((c >> 2) & 1) * ns * ns + ((c >> 1) & 1) * ns + (c & 1)) * 3;

        uint32_t slabIndex = UINT32_MAX;
        for (size_t a = 0; a < nd; ++a) {
            const AxisStep& sa = steps[a];
            if (sa.lower != slabIndex) {
                for (Cell& cell : slab) cell.ready = false;
                slabIndex = sa.lower;
            }
            for (size_t b = 0; b < nd; ++b) {
                const AxisStep& sb = steps[b];
                for (size_t c = 0; c < nd; ++c) {
                    const AxisStep& sc = steps[c];
                    uint16_t* out = dst + ((a * nd + b) * nd + c) * 3;
                    if (sa.on >= 0 && sb.on >= 0 && sc.on >= 0) {  // on a source node
                        const size_t from = ((sa.on * ns + sb.on) * ns + sc.on) * 3;
                        out[0] = src[from], out[1] = src[from + 1], out[2] = src[from + 2];
                        continue;
                    }
                    Cell& cell = slab[sb.lower * (ns - 1) + sc.lower];
                    if (!cell.ready) BuildCell(cell, level.data(), sa.lower, sb.lower, sc.lower);
                    const double* corner0 = value.data() + ((sa.lower * ns + sb.lower) * ns + sc.lower) * 3;
                    Interpolate(cell, C3DCoodinates{sa.p, sb.p, sc.p}, corner0, delta, out);
                }
            }
        }
        return true;
    } catch (...) {  // the work memory could not be had: nothing was written
        return false;
    }
}

}  // namespace dvc::lut3d
