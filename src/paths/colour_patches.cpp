#include "paths/colour_patches.hpp"

#include <algorithm>
#include <array>
#include <vector>

#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"

namespace dvc::paths {

namespace {
constexpr uint32_t kPatchBytes = 4;
enum Shown : uint8_t { kNothing = 0, kBuiltIn = 1, kColour = 2 };

DvError WritePatch(VarnMonitorInterface& path, const std::array<uint8_t, kPatchBytes>& head) {
    uint32_t length = 0;
    const DvError checked = CheckDataLength(path, codes::kColorPatchFixed, &length, kPatchBytes);
    if (!Usable(checked)) return checked;
    std::vector<uint8_t> block(length, 0);
    std::copy(head.begin(), head.end(), block.begin());
    return path.WriteData(codes::kColorPatchFixed, block.data(), length, 0);
}
}  // namespace

DvError ShowColorPatchFixed(VarnMonitorInterface& path, uint8_t patch) { return WritePatch(path, {kBuiltIn, patch}); }

DvError ShowColorPatch(VarnMonitorInterface& path, uint8_t red, uint8_t green, uint8_t blue) {
    return WritePatch(path, {kColour, red, green, blue});
}

DvError HideColorPatch(VarnMonitorInterface& path) { return WritePatch(path, {kNothing}); }

}  // namespace dvc::paths
