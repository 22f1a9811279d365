// The fixed-point forms in which a 3x3 colour matrix travels: nine signed
// elements, row by row, little-endian. The 16-bit form carries 13 fraction
// bits and rounds half up on the way out; the 32-bit form carries 29 and
// truncates toward zero, so 0.9999999999 stays below 1.0 (0x1FFFFFFF).
// A value that is not a number or does not fit the element has no wire
// form: converting it would be undefined, so it is refused instead.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

namespace dvc::paths {

inline constexpr std::size_t kMatrixElements = 9;
inline constexpr double kScale16 = 8192.0;       // 2^13 = 1.0
inline constexpr double kScale32 = 536870912.0;  // 2^29 = 1.0

using Matrix9 = std::array<double, kMatrixElements>;
using Raw16 = std::array<int16_t, kMatrixElements>;
using Raw32 = std::array<int32_t, kMatrixElements>;

inline std::optional<int16_t> ToFixed16(double v) {
    const double scaled = std::floor(v * kScale16 + 0.5);
    if (!(scaled >= -32768.0 && scaled <= 32767.0)) return std::nullopt;  // also NaN
    return static_cast<int16_t>(scaled);
}

inline std::optional<int32_t> ToFixed32(double v) {
    const double scaled = std::trunc(v * kScale32);
    if (!(scaled >= -2147483648.0 && scaled <= 2147483647.0)) return std::nullopt;
    return static_cast<int32_t>(scaled);
}

inline double FromFixed16(int16_t raw) { return raw / kScale16; }
inline double FromFixed32(int32_t raw) { return raw / kScale32; }

// All nine elements in one form, or nullopt when one has none.
template <class Raw, class Convert>
std::optional<Raw> ToFixed(const double* values, Convert convert) {
    Raw raw{};
    for (std::size_t i = 0; i < kMatrixElements; ++i) {
        const auto element = convert(values[i]);
        if (!element) return std::nullopt;
        raw[i] = *element;
    }
    return raw;
}

}  // namespace dvc::paths
