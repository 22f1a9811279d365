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
inline RefVec Scaled(RefVec a, double s) { return {a.x * s, a.y * s, a.z * s}; }
inline RefVec CrossOf(RefVec a, RefVec b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double DotOf(RefVec a, RefVec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

inline void ReferenceResample(const uint16_t* src, const uint16_t* srcLevels, uint16_t ns, uint16_t* dst,
                              const uint16_t* dstLevels, uint16_t nd) {
    static constexpr int kTet[5][4] = {{0, 1, 2, 4}, {1, 2, 3, 7}, {1, 2, 4, 7}, {1, 4, 5, 7}, {2, 4, 6, 7}};
    static constexpr int kFace[4][3] = {{1, 2, 3}, {2, 3, 0}, {3, 0, 1}, {0, 1, 2}};
    const double eps = std::numeric_limits<double>::epsilon();
    std::vector<double> in(3u * ns * ns * ns), out(3u * nd * nd * nd), sl(ns), dl(nd);
    for (size_t i = 0; i < in.size(); ++i) in[i] = src[i] / 65535.0;
    for (size_t i = 0; i < ns; ++i) sl[i] = srcLevels[i] / 255.0;
    for (size_t i = 0; i < nd; ++i) dl[i] = dstLevels[i] / 255.0;
    const auto node = [&](size_t i, size_t j, size_t k) { return &in[((i * ns + j) * ns + k) * 3]; };
    for (size_t a = 0; a < nd; ++a)
        for (size_t b = 0; b < nd; ++b)
            for (size_t c = 0; c < nd; ++c) {
                double p[3] = {dl[a], dl[b], dl[c]};
                size_t lo[3];
                for (int m = 0; m < 3; ++m) {
                    if (p[m] < sl[0]) p[m] = sl[0];
                    if (p[m] > sl[ns - 1]) p[m] = sl[ns - 1];
                    lo[m] = ns - 2;
                    for (size_t i = 0; i + 1 < ns; ++i)
                        if (sl[i + 1] - p[m] >= 0.0) {
                            lo[m] = i;
                            break;
                        }
                }
                const RefVec P{p[0], p[1], p[2]};
                RefVec pos[8];
                const double* val[8];
                for (int q = 0; q < 8; ++q) {
                    const size_t i = lo[0] + ((q >> 2) & 1), j = lo[1] + ((q >> 1) & 1), k = lo[2] + (q & 1);
                    pos[q] = {sl[i], sl[j], sl[k]};
                    val[q] = node(i, j, k);
                }
                double* o = &out[((a * nd + b) * nd + c) * 3];
                bool done = false;
                for (int t = 0; t < 5 && !done; ++t) {
                    RefVec V[4];
                    for (int m = 0; m < 4; ++m) V[m] = pos[kTet[t][m]];
                    bool inside = true;
                    for (int m = 0; m < 4 && inside; ++m) {
                        const RefVec A = V[kFace[m][0]], B = V[kFace[m][1]], C = V[kFace[m][2]];
                        RefVec n = CrossOf(B - A, C - A);
                        double d = -DotOf(n, A);
                        if (DotOf(n, V[m]) + d < 0) {
                            n = Scaled(n, -1.0);
                            d = -d;
                        }
                        const double s = DotOf(n, P) + d;
                        inside = s > 0 || std::fabs(s) <= eps;
                    }
                    if (!inside) continue;
                    double w[4];
                    for (int m = 0; m < 4; ++m) {
                        const RefVec A = V[kFace[m][0]], B = V[kFace[m][1]], C = V[kFace[m][2]];
                        const RefVec n = CrossOf(B - A, C - A);
                        const double d = -DotOf(n, A);
                        const double area = 0.5 * std::sqrt(DotOf(n, n));
                        const double distance = std::fabs(DotOf(n, P) + d) / std::sqrt(DotOf(n, n));
                        w[m] = area * distance / 3.0;
                    }
                    const double sum = w[0] + w[1] + w[2] + w[3];
                    if (!(sum > 0)) break;
                    for (int k = 0; k < 3; ++k) {
                        const double* v0 = val[kTet[t][0]];
                        const double* v1 = val[kTet[t][1]];
                        const double* v2 = val[kTet[t][2]];
                        const double* v3 = val[kTet[t][3]];
                        o[k] = (w[0] * v0[k] + w[1] * v1[k] + w[2] * v2[k] + w[3] * v3[k]) / sum;
                    }
                    done = true;
                }
                if (!done)
                    for (int k = 0; k < 3; ++k) o[k] = val[0][k];
            }
    for (size_t i = 0; i < out.size(); ++i) {
        const double x = out[i] * 65535.0 + 0.5;
        dst[i] = !(x >= 0.0) ? 0 : x >= 65535.0 ? 0xFFFF : static_cast<uint16_t>(x);
    }
}

}  // namespace dvc::test
