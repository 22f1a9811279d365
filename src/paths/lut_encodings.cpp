#include "paths/lut_encodings.hpp"

#include <cmath>

namespace dvc::paths {

namespace {
constexpr double kExponentFullScale = 1020.0;
constexpr double kExponentNormalised = 512.0;
constexpr uint32_t kMaxShift = 15;
constexpr uint32_t kMantissaMask = 0x3FF;
}  // namespace

std::optional<uint16_t> ExponentWord(double level, double gamma) {
    double x = std::pow(level, 1.0 / gamma) * kExponentFullScale;
    // NaN (a negative level) and mantissas past ten bits have no word.
    if (!(x >= 0.0 && x < kMantissaMask + 1.0)) return std::nullopt;
    uint32_t shift = 0;
    while (x < kExponentNormalised && shift < kMaxShift) {
        x *= 2.0;
        ++shift;
    }
    return static_cast<uint16_t>((shift << 10) + static_cast<uint32_t>(x));
}

double ExponentLevel(uint16_t word, double gamma) {
    const double mantissa = word & kMantissaMask;
    const int shift = (word >> 10) & 0xF;
    return std::pow(std::ldexp(mantissa, -shift) / kExponentFullScale, gamma);
}

std::optional<uint32_t> LinearWord(double level, uint32_t maximum) {
    if (!(level >= 0.0 && level <= 1.0)) return std::nullopt;
    return static_cast<uint32_t>(maximum * level + 0.5);
}

std::array<uint8_t, 2 * kToneLutEntries> PackWords(const ToneWords& words) {
    std::array<uint8_t, 2 * kToneLutEntries> table{};
    for (std::size_t i = 0; i < words.size(); ++i) {
        table[2 * i] = static_cast<uint8_t>(words[i] & 0xFF);
        table[2 * i + 1] = static_cast<uint8_t>(words[i] >> 8);
    }
    return table;
}

ToneWords UnpackWords(const uint8_t* table) {
    ToneWords words{};
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = static_cast<uint16_t>(table[2 * i] | (table[2 * i + 1] << 8));
    return words;
}

}  // namespace dvc::paths
