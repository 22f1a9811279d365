// Building a model record and a flavor table from the built-in tables and
// from a property-tag block.
#pragma once

#include <cstdint>
#include <string_view>

#include "registry/flavor_table.hpp"
#include "registry/model_record.hpp"
#include "registry/tag_reader.hpp"

namespace dvc::registry {

// Tag ids of the property-tag block that identification reads.
namespace tag {
inline constexpr uint16_t kPanelRevision = 0x03;
inline constexpr uint16_t kFeatureMask = 0x05;
inline constexpr uint16_t kValueRange = 0x3B;
inline constexpr uint16_t kCalibrationModes = 0x42;
inline constexpr uint16_t kMediaEmulationCount = 0x43;
inline constexpr uint16_t kGridCount = 0x47;
inline constexpr uint16_t kNativeResolution = 0x4C;
inline constexpr uint16_t kModeCount = 0x51;
inline constexpr uint16_t kInputPorts = 0x53;
inline constexpr uint16_t kModeTable = 0x57;
inline constexpr uint16_t kSensorRect = 0x5C;
inline constexpr uint16_t kD65Reference = 0x61;
inline constexpr uint16_t kUsbcAltModePorts = 0x62;
inline constexpr uint16_t kFlags = 0x63;
}  // namespace tag

// The tag that fills a capability word; 0 for the words that take none.
uint16_t CapabilityTag(std::size_t word);

// A record for a monitor without tag data: the first built-in table, then
// the second, then the feature lists and the colour-temperature values.
ModelRecord RecordFromTables(std::string_view model);

// A record from a parsed tag block; `tags` is null when the block did not
// parse, which leaves the record cleared. The second built-in table goes
// first and every capability word it leaves at 0 comes from its tag.
// `lut3d` is the monitor's answer whether it has a transferable 3D LUT.
ModelRecord RecordFromTags(std::string_view model, uint32_t lut3d, const TagSource* tags);

// The preset modes of a flavor block; `tags` is null when it did not parse.
FlavorTable FlavorsFromTags(std::string_view model, const TagSource* tags);

}  // namespace dvc::registry
