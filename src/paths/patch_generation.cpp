#include "paths/patch_generation.hpp"

#include <cmath>

#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "paths/waits.hpp"

namespace dvc::paths {
namespace {

uint8_t Level(double v) { return static_cast<uint8_t>(std::floor(v * 255.0 + 0.5)); }

}  // namespace

PatchBlock BuildPatchBlock(const DvColorPatchRequest* request) {
    PatchBlock block{};
    if (request == nullptr) return block;
    block[0] = static_cast<uint8_t>((request->kindFlag != 0 ? 3 : 1) + (request->raiseKind == 1 ? 1 : 0));
    block[1] = Level(request->red);
    block[2] = Level(request->green);
    block[3] = Level(request->blue);
    for (std::size_t i = 0; i < 4; ++i) {
        block[4 + 2 * i] = static_cast<uint8_t>(request->geometry[i]);
        block[5 + 2 * i] = static_cast<uint8_t>(request->geometry[i] >> 8);
    }
    return block;
}

DvError GenerateColorPatch(VarnMonitorInterface& path, const PatchBlock& block, uint32_t settleMs) {
    uint32_t length = 0;
    if (const DvError checked = CheckDataLength(path, codes::kColorPatch, &length, kPatchBlockBytes); checked < 0)
        return checked;
    PatchBlock before{};
    const bool wasShown = Usable(path.ReadData(codes::kColorPatch, before.data(), kPatchBlockBytes)) && before[0] != 0;
    PatchBlock sent = block;
    const DvError written = path.WriteData(codes::kColorPatch, sent.data(), kPatchBlockBytes, 0);
    if (!Usable(written)) return written;
    if (!wasShown && block[0] != 0 && settleMs != 0) {
        path.WriteValue(codes::kPUCTCStatus, 1, 0);
        Pause(settleMs);
    }
    return written;
}

}  // namespace dvc::paths
