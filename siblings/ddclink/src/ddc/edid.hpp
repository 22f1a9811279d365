// What ddclink reads from a display's EDID base block: who made it, which
// product and unit it is, its name, its primaries and its preferred timing.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace dvc::ddc {

struct Chromaticity {
    double x = 0, y = 0;
};

struct DetailedTiming {
    uint32_t pixelClockKHz = 0;
    uint16_t width = 0, height = 0;
    uint16_t hBlank = 0, vBlank = 0;
    bool interlaced = false;  // height is then one field's
    double refreshHz() const;
};

struct Edid {
    std::string manufacturer;  // three-letter PNP id, e.g. "ACR"
    uint16_t productCode = 0;
    uint32_t serialNumber = 0;  // the numeric field; 0 when unset
    std::string serialText;     // the serial number descriptor, when present
    std::string name;           // the product name descriptor, when present
    uint8_t week = 0;
    uint16_t year = 0;
    Chromaticity red, green, blue, white;
    std::optional<DetailedTiming> preferred;  // the first detailed timing
};

// Needs a block of at least 128 bytes that starts with the EDID header;
// nullopt otherwise. The checksum is the reader's business.
std::optional<Edid> ParseEdid(std::span<const uint8_t> block);

}  // namespace dvc::ddc
