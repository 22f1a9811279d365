// Direct access to a virtual monitor's stored state, for test set-up and
// assertions. Bypasses the links: nothing is logged, no fault applies.
//
// A feature's state is a value and a byte string. Items whose reads depend
// on a selector (slot-select items, LUT blocks, EDID pages) keep one state
// per slot; `slot` names it (0 for ordinary features).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace dvc::sim {

std::optional<uint32_t> GetStateValue(std::string_view serial, uint32_t code, uint32_t slot = 0);
bool SetStateValue(std::string_view serial, uint32_t code, uint32_t value, uint32_t slot = 0);
std::optional<std::vector<uint8_t>> GetStateData(std::string_view serial, uint32_t code, uint32_t slot = 0);
bool SetStateData(std::string_view serial, uint32_t code, const std::vector<uint8_t>& data, uint32_t slot = 0);

// Restores every monitor to the values of its profile (the state file too).
void ResetState();

}  // namespace dvc::sim
