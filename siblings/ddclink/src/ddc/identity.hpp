// How a display found on a bus names itself to the library: the
// identification block (8 bytes of serial number, then the model name) that
// the library reads as feature 0x11, built from the display's EDID.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "ddc/edid.hpp"

namespace dvc::ddc {

struct Identity {
    std::string serial;      // exactly 8 characters: the first string of the block
    std::string model;       // up to 16 characters: the second
    std::string fullSerial;  // as the display reports it (may be longer than 8), or empty
    std::vector<uint8_t> Block() const;
};

// `block` is the EDID base block that `edid` was parsed from.
Identity IdentityFromEdid(const Edid& edid, std::span<const uint8_t> block);

// The 8-character form of a serial number (see identity.cpp).
std::string ShortSerial(const std::string& serial);

}  // namespace dvc::ddc
