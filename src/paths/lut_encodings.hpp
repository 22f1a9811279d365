// The word forms of the tone LUT's 256 entries. Levels are normalised
// output levels (0.0 to 1.0); a level that a form cannot hold (NaN, or a
// value whose word would not fit) is refused before any word is made, so
// that no out-of-range double is ever turned into an integer.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace dvc::paths {

inline constexpr std::size_t kToneLutEntries = 256;
using ToneLevels = std::array<double, kToneLutEntries>;
using ToneWords = std::array<uint16_t, kToneLutEntries>;

// Exponent word: bits 0 to 9 a mantissa m, bits 10 to 13 a shift s; it
// stands for (m / 2^s / 1020) raised to `gamma`. The level is raised to
// 1 / gamma, scaled to 1020 and doubled until it reaches 512 (at most 15
// times), which keeps ten significant bits even near black.
std::optional<uint16_t> ExponentWord(double level, double gamma);
double ExponentLevel(uint16_t word, double gamma);

// Linear word: the level times `maximum`, rounded half up; only levels in
// 0.0 to 1.0 are taken.
std::optional<uint32_t> LinearWord(double level, uint32_t maximum);

// The 512-byte table as the monitor keeps it: 16-bit words, low byte first.
std::array<uint8_t, 2 * kToneLutEntries> PackWords(const ToneWords& words);
ToneWords UnpackWords(const uint8_t* table);

}  // namespace dvc::paths
