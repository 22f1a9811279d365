#include "paths/mode_tables.hpp"

#include <algorithm>

#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"

namespace dvc::paths {

DvError ReadModeTable(VarnMonitorInterface& path, uint32_t mode, uint32_t code, uint32_t offset,
                      std::vector<uint8_t>& part) {
    const DvError selected = path.WriteValue(codes::kModeTableSelect, mode, 0);
    if (!Usable(selected)) return selected;
    std::vector<uint8_t> block;
    const DvError result = ReadSizedBlock(path, code, offset + static_cast<uint32_t>(part.size()), block);
    if (Usable(result)) std::copy_n(block.begin() + offset, part.size(), part.begin());
    return result;
}

}  // namespace dvc::paths
