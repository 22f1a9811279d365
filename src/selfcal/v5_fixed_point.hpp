// Fixed-point forms of the self-calibration records: values go to the wire
// as value x scale + 0.5 truncated (round half up) and matrices as
// value x 2^29 truncated toward zero; each conversion fails, rather than
// wrapping, when the result does not fit the wire's width.
#pragma once

#include <cmath>
#include <cstdint>

#include "platform/checked_convert.hpp"

namespace dvc::selfcal::fixed {

inline constexpr double kMatrixScale = 536870912.0;  // 2^29
inline constexpr double kChromaticityScale = 10000.0;

template <class T>
bool RoundHalfUp(double value, double scale, T& out) {
    return CheckedToInt(value * scale + 0.5, out);
}

inline bool MatrixElement(double value, int32_t& out) { return CheckedToInt(value * kMatrixScale, out); }
inline double FromMatrixElement(uint32_t wire) { return static_cast<int32_t>(wire) / kMatrixScale; }

}  // namespace dvc::selfcal::fixed
