// The code tables of the self-calibration records: how the monitor writes
// gamma, colour temperature, colour gamut and HLG settings, and what the
// objects hold for them. The paged records use 16-bit gamma and
// colour-temperature codes; the older fixed blocks one-byte forms.
#pragma once

#include <cstdint>

namespace dvc::selfcal::codes_table {

// Colour temperature "native" and the first named white.
inline constexpr uint32_t kNativeWhite = 0x1000FFFDu;
inline constexpr uint32_t kNamedWhiteFirst = 0x1000FFD0u;

// A gamma as an object holds it.
struct Gamma {
    uint32_t type = 0;  // 0 by index, 1 by value
    int32_t index = 0;
    double value = 0.0;
};

// 16-bit gamma code: 100..300 a value (gamma x 100), else a table code.
Gamma GammaFromCode(uint16_t code);
// The code for a gamma: by value, value x 100 rounded half up (false when
// it does not fit 16 bits); by index, the table's code or 0xFFFF.
bool GammaToCode(const Gamma& gamma, uint16_t& code);
// Table code of a gamma index, 0xFFFF for an index the table lacks.
uint16_t GammaIndexCode(int32_t index);

// One-byte gamma code of the older blocks and its index.
int32_t GammaIndexFromByte(uint8_t code);
// False for an index that no one-byte code names.
bool GammaByteFromIndex(int32_t index, uint8_t& code);

// 16-bit colour-temperature code of the paged records.
uint32_t ColorTemperatureFromCode(uint16_t code);
// False for a kelvin value past 16 bits.
bool ColorTemperatureToCode(uint32_t value, uint16_t& code);
// The same in the older blocks: 1..254 name whites 0x1000FF00 + code.
uint32_t ColorTemperatureFromOlderCode(uint16_t code);
bool ColorTemperatureToOlderCode(uint32_t value, uint16_t& code);

// One-byte colour-gamut code (both forms).
uint32_t ColorGamutFromCode(uint8_t code);
uint8_t ColorGamutToCode(uint32_t value);
// The older blocks' reading: any code c other than 0 and 1 gives c - 206.
uint32_t ColorGamutFromOlderCode(uint8_t code);

// HLG byte: low four bits the system gamma, high four bits 1 for clipping.
void HlgFromCode(uint8_t code, uint32_t& systemGamma, uint32_t& clipping);
uint8_t HlgToCode(uint32_t systemGamma, uint32_t clipping);

}  // namespace dvc::selfcal::codes_table
