// Every conversion of a double to an integer goes through CheckedToInt: a
// double that is NaN, infinite or outside the integer type is undefined
// behaviour to convert, so it is refused instead (grep for CheckedToInt to
// find every such conversion).
#pragma once

#include <cmath>
#include <concepts>
#include <limits>

namespace dvc {

// `value` cut toward zero into `out`; false (and `out` untouched) when it is
// NaN, infinite or does not fit T.
template <std::integral T>
constexpr bool CheckedToInt(double value, T& out) noexcept {
    if (!(value == value)) return false;  // NaN
    // Bounds as doubles: the lowest is exact; one past the highest is a power
    // of two and exact too, so the comparison is sound for 64-bit types.
    constexpr double lowest = static_cast<double>(std::numeric_limits<T>::min());
    constexpr double past_highest = static_cast<double>(std::numeric_limits<T>::max() / 2 + 1) * 2.0;
    if (!(value > lowest - 1.0 && value < past_highest)) return false;
    out = static_cast<T>(value);
    return true;
}

// `value` rounded half away from zero, then as CheckedToInt.
template <std::integral T>
inline bool CheckedRoundToInt(double value, T& out) noexcept {
    if (!(value == value)) return false;
    return CheckedToInt(value < 0 ? -std::floor(-value + 0.5) : std::floor(value + 0.5), out);
}

}  // namespace dvc
