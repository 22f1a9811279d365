// The 3D LUT transfers check the image and the grid against the model
// before any traffic, then ask the paths which chunk size to use and move
// the blocks on the first path that answers.
#include "features/lut3d.hpp"

#include <algorithm>

#include "features/path_rules.hpp"
#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "paths/lut3d.hpp"

namespace dvc::features {

namespace {

uint16_t ModelGrid(const VarnMonitor& monitor) { return monitor.Record() != nullptr ? monitor.Record()->gridCount : 0; }

uint32_t MediaEmulationCount(const VarnMonitor& monitor) {
    return monitor.Record() != nullptr ? monitor.Record()->mediaEmulationCount : 0;
}

bool Has3DLut(const VarnMonitor& monitor) {
    return AnyPath(monitor.Paths(),
                   [](VarnMonitorInterface& path) { return paths::SupportedByFixedData(path, codes::k3DLut); });
}

// The checks of every transfer, then the chunk size and the blocks.
template <class Image, class Move>
DvError Transfer(VarnMonitor& monitor, Image* image, uint16_t gridCount, paths::Lut3dTarget target, Move&& move) {
    if (image == nullptr) return DvErrInvalidParameter;
    if (gridCount != ModelGrid(monitor)) return DvErrSizeMismatch;
    if (gridCount == 0 || monitor.Paths().empty() || !Has3DLut(monitor)) return DvErrNotSupported;
    const bool large = AnyPath(monitor.Paths(), [](VarnMonitorInterface& path) {
        return paths::SupportedByFixedData(path, codes::k3DLutSelect512);
    });
    target.grid = gridCount;
    target.chunk = large ? paths::kLut3dChunkLarge : paths::kLut3dChunkSmall;
    return FirstAnswer(monitor.Paths(), [&](VarnMonitorInterface& path) { return move(path, target, image); });
}

// Media emulation table k travels as table number k + 1 (0 is the 3D LUT).
DvError MediaTable(const VarnMonitor& monitor, int index, paths::Lut3dTarget& target) {
    if (index < 0 || static_cast<uint32_t>(index) >= MediaEmulationCount(monitor)) return DvErrInvalidParameter;
    target.table = static_cast<uint32_t>(index) + 1;
    return DvOk;
}

}  // namespace

DvError Get3DLUTDirect(VarnMonitor& monitor, uint16_t* image, uint16_t gridCount) {
    return Transfer(monitor, image, gridCount, {}, paths::Read3DLut);
}

DvError Set3DLUTDirect(VarnMonitor& monitor, const uint16_t* image, uint16_t gridCount) {
    return Transfer(monitor, image, gridCount, {}, paths::Write3DLut);
}

DvError Get3DLUTFactory(VarnMonitor& monitor, uint16_t* image, uint16_t gridCount) {
    paths::Lut3dTarget target;
    target.factory = true;
    return Transfer(monitor, image, gridCount, target, paths::Read3DLut);
}

DvError GetMediaEmu3DLUTDirect(VarnMonitor& monitor, int index, uint16_t* image, uint16_t gridCount) {
    paths::Lut3dTarget target;
    if (const DvError bad = MediaTable(monitor, index, target); bad != DvOk) return bad;
    return Transfer(monitor, image, gridCount, target, paths::Read3DLut);
}

DvError SetMediaEmu3DLUTDirect(VarnMonitor& monitor, int index, const uint16_t* image, uint16_t gridCount) {
    paths::Lut3dTarget target;
    if (const DvError bad = MediaTable(monitor, index, target); bad != DvOk) return bad;
    return Transfer(monitor, image, gridCount, target, paths::Write3DLut);
}

int Get3DLUTGridCount(VarnMonitor& monitor) { return Has3DLut(monitor) ? ModelGrid(monitor) : 0; }

// The media emulation tables share the 3D LUT's grid.
int GetMediaEmu3DLUTGridCount(VarnMonitor& monitor) {
    return MediaEmulationCount(monitor) != 0 ? ModelGrid(monitor) : 0;
}

DvError Get3DLUTGridLevels(VarnMonitor& monitor, uint16_t* levels, uint16_t count) {
    if (levels == nullptr) return DvErrInvalidParameter;
    if (monitor.Record() == nullptr || monitor.Record()->gridLevels.empty()) return DvErrNotSupported;
    const auto& own = monitor.Record()->gridLevels;
    if (count != own.size()) return DvErrSizeMismatch;
    std::copy(own.begin(), own.end(), levels);
    return DvOk;
}

}  // namespace dvc::features
