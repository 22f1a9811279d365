// Every set of system primaries, and the gain definition tables.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "paths/picture.hpp"
#include "paths/value_codec.hpp"

namespace dvc::paths {

namespace {
constexpr uint32_t kSetBytes = 16;  // x, y of four colours, 16-bit each
constexpr uint32_t kCoordinatesPerSet = 8;
constexpr double kScale = 10000.0;
}  // namespace

DvError GetSystemChromaticityAll(VarnMonitorInterface& path, double* xy, int32_t sets) {
    std::vector<uint8_t> block;
    const DvError result = ReadSizedBlock(path, codes::kSystemChromaticityAll, kSetBytes, block);
    if (!Usable(result)) return result;
    if (block.size() != static_cast<uint64_t>(sets) * kSetBytes) return DvErrSizeMismatch;
    for (std::size_t i = 0; i < static_cast<std::size_t>(sets) * kCoordinatesPerSet; ++i)
        xy[i] = LittleField(block.data() + 2 * i, 2) / kScale;
    return result;
}

DvError SetSystemChromaticityAll(VarnMonitorInterface& path, const double* xy, int32_t sets) {
    uint32_t length = 0;
    const DvError checked = CheckDataLength(path, codes::kSystemChromaticityAll, &length, kSetBytes);
    if (!Usable(checked)) return checked;
    if (length != static_cast<uint64_t>(sets) * kSetBytes) return DvErrSizeMismatch;
    std::vector<uint8_t> block(length, 0);
    for (std::size_t i = 0; i < static_cast<std::size_t>(sets) * kCoordinatesPerSet; ++i)
        PutLittleField(block.data() + 2 * i, 2, RoundedChromaticityField(xy[i]));
    return path.WriteData(codes::kSystemChromaticityAll, block.data(), length, 0);
}

DvError GetGainDefinition(VarnMonitorInterface& path, uint8_t table, uint8_t* definition) {
    const uint8_t request[2] = {table, 0};
    const DvError asked = path.WriteData(codes::kGainDefinitionRequest, request, sizeof request, 0);
    if (!Usable(asked)) return asked;
    uint8_t reply[kGainDefinitionBytes] = {};
    const DvError result = path.ReadData(codes::kGainDefinition, reply, kGainDefinitionBytes);
    if (!Usable(result)) return result;
    if (reply[0] == 0xFF) return DvErrFailed;  // no such table
    std::copy(reply, reply + kGainDefinitionBytes, definition);
    return result;
}

}  // namespace dvc::paths
