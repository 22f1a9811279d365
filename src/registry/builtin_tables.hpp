// The two built-in model tables that identification applies to a record.
#pragma once

#include <cstdint>
#include <string_view>

#include "registry/model_record.hpp"

namespace dvc::registry {

// The full capability description of a model of ModelGroupTagless;
// nothing for other models.
void ApplyTaglessTable(ModelRecord& record, std::string_view model);

// Model-specific values (contrast scale, input ports, native resolution,
// sensor position, 3D LUT grid, chosen capability words) of a model of
// ModelGroupDefaults. `lut3d` is the monitor's answer whether it carries a
// transferable 3D LUT (0 when it was not asked); the grid count applies only
// when it is nonzero. Sets only what the tables know; grid levels follow.
void ApplyDefaultsTable(ModelRecord& record, std::string_view model, uint32_t lut3d);

}  // namespace dvc::registry
