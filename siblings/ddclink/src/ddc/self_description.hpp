// What a display says of itself, in the library's property-tag block form
// (feature code 0x50), built from its capabilities. The library reads this
// block to learn a monitor's input ports; a display that no built-in table
// knows would otherwise have none, and inputs could not be chosen by
// position.
#pragma once

#include <cstdint>
#include <vector>

#include "ddc/capabilities.hpp"

namespace dvc::ddc {

// The block, or an empty vector when the capabilities give nothing to say
// (no input source control, or none of its values is a known port).
std::vector<uint8_t> SelfDescription(const Capabilities& caps);

}  // namespace dvc::ddc
