#include "selfcal/codes_tables.hpp"

#include <array>
#include <utility>

#include "platform/checked_convert.hpp"
#include "selfcal/v5_objects.hpp"

namespace dvc::selfcal::codes_table {
namespace {

// Gamma indices past 17 that name special curves, and their 16-bit codes.
// The one-byte codes of the older blocks are these codes' high bytes.
constexpr std::array<std::pair<int32_t, uint16_t>, 17> kSpecialGamma{{
    {240, 0xF000},
    {254, 0xFA00},
    {255, 0xFFFF},
    {256, 0xD000},
    {257, 0xD100},
    {258, 0xD200},
    {259, 0xD300},
    {260, 0xD400},
    {261, 0xD500},
    {262, 0xD600},
    {264, 0xD700},
    {268, 0xE000},
    {269, 0xE100},
    {270, 0xE200},
    {271, 0xE300},
    {272, 0xE400},
    {273, 0xE500},
}};

// The older one-byte table: codes 208..215 and two fixed codes.
constexpr std::array<std::pair<uint8_t, int32_t>, 10> kByteGamma{{
    {208, 256},
    {209, 257},
    {210, 258},
    {211, 259},
    {212, 260},
    {213, 261},
    {214, 262},
    {215, 264},
    {240, 240},
    {255, 255},
}};

}  // namespace

uint16_t GammaIndexCode(int32_t index) {
    if (index >= 1 && index <= 17) return static_cast<uint16_t>(10 * index + 130);
    for (const auto& [i, code] : kSpecialGamma)
        if (i == index) return code;
    return 0xFFFF;
}

Gamma GammaFromCode(uint16_t code) {
    Gamma g;
    if (code >= 100 && code <= 300) {
        GammaByValue(code / 100.0, g.type, g.index, g.value);
        return g;
    }
    int32_t index = 0;
    for (const auto& [i, c] : kSpecialGamma)
        if (c == code) index = i;
    GammaByIndex(index, g.type, g.index, g.value);
    return g;
}

bool GammaToCode(const Gamma& gamma, uint16_t& code) {
    if (gamma.type == 1) return CheckedToInt(gamma.value * 100.0 + 0.5, code);
    code = GammaIndexCode(gamma.index);
    return true;
}

int32_t GammaIndexFromByte(uint8_t code) {
    for (const auto& [c, index] : kByteGamma)
        if (c == code) return index;
    return code + 1;
}

bool GammaByteFromIndex(int32_t index, uint8_t& code) {
    for (const auto& [c, i] : kByteGamma)
        if (i == index) {
            code = c;
            return true;
        }
    // Plain indices are the code + 1, below the first table code.
    if (index < 1 || index > 208) return false;
    code = static_cast<uint8_t>(index - 1);
    return true;
}

uint32_t ColorTemperatureFromCode(uint16_t code) {
    if (code == 0) return kNativeWhite;
    if (code >= 4000) return code;
    if (code >= 208 && code <= 218) return kNamedWhiteFirst + (code - 208u);
    return 0;
}

bool ColorTemperatureToCode(uint32_t value, uint16_t& code) {
    if (value >= kNamedWhiteFirst && value <= kNamedWhiteFirst + 10) {
        code = static_cast<uint16_t>(208 + (value - kNamedWhiteFirst));
        return true;
    }
    if (value >= 0x10000000u) {
        code = 0;
        return true;
    }
    if (value > 0xFFFF) return false;  // kelvin past what 16 bits carry
    code = static_cast<uint16_t>(value);
    return true;
}

uint32_t ColorTemperatureFromOlderCode(uint16_t code) {
    if (code == 0) return kNativeWhite;
    if (code <= 254) return 0x1000FF00u + code;
    return code;
}

bool ColorTemperatureToOlderCode(uint32_t value, uint16_t& code) {
    code = 0;
    if (value == kNativeWhite) return true;
    if (value >= 0x1000FF01u && value <= 0x1000FFFEu) {
        code = static_cast<uint16_t>(value - 0x1000FF00u);
        return true;
    }
    if (value >= 0x10000000u) return true;
    if (value > 0xFFFF) return false;
    code = static_cast<uint16_t>(value);
    return true;
}

uint32_t ColorGamutFromCode(uint8_t code) {
    if (code == 0) return 1;
    if (code == 1) return 255;
    if (code >= 208 && code <= 215) return code - 206u;
    return 0;
}

uint8_t ColorGamutToCode(uint32_t value) {
    if (value == 1) return 0;
    if (value == 255) return 1;
    if (value >= 2 && value <= 9) return static_cast<uint8_t>(value + 206);
    return 0;
}

uint32_t ColorGamutFromOlderCode(uint8_t code) {
    if (code == 0) return 1;
    if (code == 1) return 255;
    return static_cast<uint32_t>(code) - 206u;
}

void HlgFromCode(uint8_t code, uint32_t& systemGamma, uint32_t& clipping) {
    const uint8_t low = code & 0x0F;
    systemGamma = low == 0 ? kHlgUnset : low <= 6 ? low - 1u : 0xFFFFFFFFu;
    clipping = (code >> 4) == 1 ? 1 : 0;
}

uint8_t HlgToCode(uint32_t systemGamma, uint32_t clipping) {
    if (systemGamma > 5) return 0;
    return static_cast<uint8_t>(systemGamma + 1 + (clipping == 1 ? 0x10 : 0));
}

}  // namespace dvc::selfcal::codes_table
