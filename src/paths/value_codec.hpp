// Value conversions that the paths make between the caller's units and the
// monitor's: ratios of a control's maximum, the centred black level,
// chromaticity in units of 0.0001, and little-endian fields of HID blocks.
#pragma once

#include <cmath>
#include <cstdint>

#include "platform/checked_convert.hpp"

namespace dvc::paths {

// A double cut toward zero into the 32-bit word that goes to the monitor.
// Out-of-range values saturate and NaN gives 0, so no input can make the
// conversion undefined; a negative result keeps its two's-complement bits.
constexpr uint32_t TruncateToWord(double value) noexcept {
    if (!(value == value)) return 0;
    if (value <= -2147483648.0) return 0x80000000u;
    if (value >= 4294967295.0) return 0xFFFFFFFFu;
    int64_t word = 0;
    CheckedToInt(value, word);
    return static_cast<uint32_t>(word);
}

// Raw value as a ratio of the control's maximum.
constexpr double RatioOf(uint32_t raw, int32_t maximum) noexcept {
    return static_cast<double>(raw) / static_cast<double>(maximum);
}

// DDC/CI turns a ratio into a raw value by truncation, HID by rounding: with
// a maximum of 101 the ratio 0.5 becomes 50 and 51.
constexpr uint32_t TruncatedRaw(int32_t maximum, double ratio) noexcept {
    return TruncateToWord(static_cast<double>(maximum) * ratio);
}
constexpr uint32_t RoundedRaw(int32_t maximum, double ratio) noexcept {
    return TruncateToWord(static_cast<double>(maximum) * ratio + 0.5);
}

// Ratios below 0 (and NaN, which compares with nothing) are refused.
constexpr bool AcceptableRatio(double ratio) noexcept { return ratio >= 0.0; }

// The middle of a raw range, rounded toward zero; the black level is shown
// to callers shifted so that this middle is 0. Computed in 64 bits, so the
// sum of two extreme bounds cannot overflow.
constexpr int32_t RangeMiddle(int32_t maximum, int32_t minimum) noexcept {
    return static_cast<int32_t>((static_cast<int64_t>(maximum) + minimum) / 2);
}

// Chromaticity coordinates travel as unsigned 16-bit numbers of 0.0001.
inline constexpr double kChromaticityScale = 10000.0;
// Callers check ChromaticityFits first; what does not fit becomes 0. The
// HID chromaticity write cuts toward zero, the blocks of primaries round.
constexpr uint16_t ChromaticityField(double coordinate) noexcept {
    uint16_t field = 0;
    CheckedToInt(coordinate * kChromaticityScale, field);
    return field;
}
inline uint16_t RoundedChromaticityField(double coordinate) noexcept {
    uint16_t field = 0;
    CheckedRoundToInt(coordinate * kChromaticityScale, field);
    return field;
}
constexpr double ChromaticityValue(int32_t raw) noexcept { return raw / kChromaticityScale; }

// Little-endian 16-bit fields.
constexpr uint16_t Field16(const uint8_t* bytes) noexcept { return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8)); }
constexpr void PutField16(uint8_t* bytes, uint16_t value) noexcept {
    bytes[0] = static_cast<uint8_t>(value & 0xFF);
    bytes[1] = static_cast<uint8_t>(value >> 8);
}

}  // namespace dvc::paths
