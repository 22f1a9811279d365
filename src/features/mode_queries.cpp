#include "features/mode_queries.hpp"

#include "features/table_rows.hpp"
#include "paths/feature_shapes.hpp"

namespace dvc::features {

// Both ask through the colour-mode rows of the table, so that the picture
// operations see the modes exactly as SupportedMode and GetFlavor report them.
bool HasModes(VarnMonitor& monitor) { return Run<rows::SupportedMode>(monitor) != 0; }

std::optional<int> CurrentFlavor(VarnMonitor& monitor) {
    if (Run<rows::SupportedFlavor>(monitor) == 0) return std::nullopt;
    int flavor = 0;
    if (!paths::Usable(Run<rows::GetFlavor>(monitor, &flavor))) return std::nullopt;
    return flavor;
}

}  // namespace dvc::features
