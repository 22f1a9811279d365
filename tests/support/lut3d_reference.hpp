// The 3D LUT resampling rules written out plainly, node by node, for the
// suites and the benchmark to hold the library's resampler to: the cell
// search, the five tetrahedra tried in order with their plane tests, and
// the volume weights, all recomputed for every node. Points are clamped
// into the source range; a point that no tetrahedron holds, or a flat one,
// takes corner 0.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace dvc::test {

struct RefVec {
    double x = 0, y = 0, z = 0;
};
inline RefVec operator-(RefVec a, RefVec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline RefVec CrossOf(RefVec a, RefVec b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double DotOf(RefVec a, RefVec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

inline void ReferenceResample(const uint16_t* src, const uint16_t* srcLevels, uint16_t ns, uint16_t* dst,
                              const uint16_t* dstLevels, uint16_t nd) {
    static constexpr int kTet[5][4] = {{0, 1, 2, 4}, {1, 2, 3, 7}, {1, 2, 4, 7}, {1, 4, 5, 7}, {2, 4, 6, 7}};
    static constexpr int kFace[4][3] = {{1, 2, 3}, {2, 3, 0}, {3, 0, 1}, {0, 1, 2}};
    std::vector<double> in(3u * ns * ns * ns), sl(ns);
    for (size_t i = 0; i < in.size(); ++i) in[i] = src[i] / 65535.0;
    for (size_t i = 0; i < ns; ++i) sl[i] = srcLevels[i] / 255.0;
    for (size_t node = 0; node < size_t{nd} * nd * nd; ++node) {
        const size_t at[3] = {node / nd / nd, node / nd % nd, node % nd};
        double p[3], o[3];
        size_t lo[3];
        for (int m = 0; m < 3; ++m) {
            p[m] = std::min(std::max(dstLevels[at[m]] / 255.0, sl[0]), sl[ns - 1]);
            for (lo[m] = 0; lo[m] + 2 < ns && !(sl[lo[m] + 1] - p[m] >= 0.0);) ++lo[m];
        }
        const RefVec P{p[0], p[1], p[2]};
        RefVec pos[8];
        const double* val[8];
        for (int q = 0; q < 8; ++q) {
            const size_t i = lo[0] + ((q >> 2) & 1), j = lo[1] + ((q >> 1) & 1), k = lo[2] + (q & 1);
            pos[q] = {sl[i], sl[j], sl[k]};
            val[q] = &in[((i * ns + j) * ns + k) * 3];
        }
        for (int k = 0; k < 3; ++k) o[k] = val[0][k];
        for (int t = 0; t < 5; ++t) {
            const int* v = kTet[t];
            double w[4], sum = 0;
            bool inside = true;
            for (int m = 0; m < 4; ++m) {
                const RefVec A = pos[v[kFace[m][0]]], B = pos[v[kFace[m][1]]], C = pos[v[kFace[m][2]]];
                const RefVec n = CrossOf(B - A, C - A);
                const double d = -DotOf(n, A), s = DotOf(n, P) + d, sign = DotOf(n, pos[v[m]]) + d < 0 ? -1 : 1;
                inside = inside && (sign * s > 0 || std::fabs(sign * s) <= std::numeric_limits<double>::epsilon());
                const double area = 0.5 * std::sqrt(DotOf(n, n)), distance = std::fabs(s) / std::sqrt(DotOf(n, n));
                w[m] = area * distance / 3.0;
            }
            if (!inside) continue;
            sum = w[0] + w[1] + w[2] + w[3];
            if (sum > 0)
                for (int k = 0; k < 3; ++k)
                    o[k] =
                        (w[0] * val[v[0]][k] + w[1] * val[v[1]][k] + w[2] * val[v[2]][k] + w[3] * val[v[3]][k]) / sum;
            break;
        }
        for (int k = 0; k < 3; ++k) {
            const double x = o[k] * 65535.0 + 0.5;
            dst[node * 3 + k] = !(x >= 0.0) ? 0 : x >= 65535.0 ? 0xFFFF : static_cast<uint16_t>(x);
        }
    }
}

}  // namespace dvc::test
