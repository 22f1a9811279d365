#include "paths/thriftlux_sense.hpp"

#include <vector>

#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "paths/value_codec.hpp"

namespace dvc::paths {

namespace {

constexpr uint32_t kSenseByte = 2;
constexpr uint32_t kTimeBytes = 2;

// The sense times: the index in use, then one 16-bit time per index.
struct SenseTimes {
    uint32_t index = 0;
    std::vector<uint32_t> seconds;
};

DvError ReadTimes(VarnMonitorInterface& path, SenseTimes& times) {
    std::vector<uint8_t> block;
    const DvError result = ReadSizedBlock(path, codes::kThriftluxSenseTime, 1 + kTimeBytes, block);
    if (!Usable(result)) return result;
    times.index = block[0];
    times.seconds.clear();
    for (std::size_t i = 1; i + kTimeBytes <= block.size(); i += kTimeBytes)
        times.seconds.push_back(Field16(&block[i]));
    return result;
}

}  // namespace

int SupportsSense(VarnMonitorInterface& path, SenseSetting setting) {
    int32_t sense = 0;
    const uint32_t code = codes::kThriftluxSense;
    if (!Usable(path.QueryThriftluxSense(code, &sense)) || sense == 0) return 0;
    const auto has = [&](uint32_t c) { return SupportedByFixedData(path, c); };
    switch (setting) {
    case SenseSetting::Level: return has(codes::kThriftluxSenseLevel) ? 1 : 0;
    case SenseSetting::Sensitivity:
        return has(codes::kThriftluxSenseLevel) && has(codes::kThriftluxSenseSensitivity) ? 1 : 0;
    case SenseSetting::Generation2: return has(codes::kThriftluxSenseV2) ? 1 : 0;
    case SenseSetting::TimeIndex:
    case SenseSetting::Time: return has(codes::kThriftluxSenseV2) && has(codes::kThriftluxSenseTime) ? 1 : 0;
    }
    return 0;
}

DvError ReadSense(VarnMonitorInterface& path, SenseSetting setting, int* value) {
    if (SupportsSense(path, setting) == 0) return DvErrNotSupported;
    int32_t read = 0;
    DvError result = DvErrNotSupported;
    switch (setting) {
    case SenseSetting::Level: result = BlockFieldGet(path, codes::kThriftluxSenseLevel, 0, 1, &read); break;
    case SenseSetting::Sensitivity: result = BlockFieldGet(path, codes::kThriftluxSenseLevel, 1, 1, &read); break;
    case SenseSetting::Generation2: result = BlockFieldGet(path, codes::kThriftluxSense, kSenseByte, 1, &read); break;
    case SenseSetting::TimeIndex:
    case SenseSetting::Time: {
        SenseTimes times;
        result = ReadTimes(path, times);
        if (!Usable(result)) return result;
        if (setting == SenseSetting::TimeIndex) {
            read = static_cast<int32_t>(times.index);
        } else {
            if (times.index >= times.seconds.size()) return DvErrFailed;
            read = static_cast<int32_t>(times.seconds[times.index]);
        }
        break;
    }
    }
    if (Usable(result)) *value = read;
    return result;
}

DvError WriteSense(VarnMonitorInterface& path, SenseSetting setting, int value) {
    if (value < 0 || value > 0xFF) return DvErrInvalidParameter;
    if (SupportsSense(path, setting) == 0) return DvErrNotSupported;
    const auto byte = static_cast<uint32_t>(value);
    switch (setting) {
    case SenseSetting::Level: return BlockFieldSet(path, codes::kThriftluxSenseLevel, 0, 1, byte);
    case SenseSetting::Sensitivity: return BlockFieldSet(path, codes::kThriftluxSenseLevel, 1, 1, byte);
    case SenseSetting::Generation2: return BlockFieldSet(path, codes::kThriftluxSense, kSenseByte, 1, byte);
    case SenseSetting::TimeIndex: {
        SenseTimes times;
        const DvError read = ReadTimes(path, times);
        if (!Usable(read)) return read;
        if (byte >= times.seconds.size()) return DvErrInvalidParameter;
        return BlockFieldSet(path, codes::kThriftluxSenseTime, 0, 1, byte);
    }
    case SenseSetting::Time: break;
    }
    return DvErrNotSupported;
}

}  // namespace dvc::paths
