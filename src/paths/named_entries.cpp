#include "paths/named_entries.hpp"

#include <algorithm>
#include <vector>

#include "paths/feature_shapes.hpp"

namespace dvc::paths {

DvError NameSize(VarnMonitorInterface& path, NameCodes codes, int32_t* size) {
    uint32_t length = 0;
    const DvError result = path.ReadFixedData(codes.name, nullptr, nullptr, nullptr, &length);
    if (!Usable(result)) return result;
    if (length > kMaxBlockLength) return DvErrWrongLength;
    *size = length == 0 ? 0 : static_cast<int32_t>(length + 1);
    return result;
}

DvError ReadName(VarnMonitorInterface& path, NameCodes codes, uint32_t key, std::string& name) {
    DvError result = path.WriteValue(codes.select, key, 0);
    if (!Usable(result)) return result;
    std::vector<uint8_t> block;
    result = ReadSizedBlock(path, codes.name, 1, block);
    if (!Usable(result)) return result;
    const auto end = std::find(block.begin(), block.end(), uint8_t{0});
    name.assign(block.begin(), end);
    return result;
}

DvError WriteName(VarnMonitorInterface& path, NameCodes codes, uint32_t key, std::string_view name) {
    uint32_t length = 0;
    const DvError checked = CheckDataLength(path, codes.name, &length, 1);
    if (!Usable(checked)) return checked;
    if (name.size() > length) return DvErrInvalidParameter;
    const DvError selected = path.WriteValue(codes.select, key, 0);
    if (!Usable(selected)) return selected;
    std::vector<uint8_t> block(length, 0);
    std::copy(name.begin(), name.end(), block.begin());
    return path.WriteData(codes.name, block.data(), length, 0);
}

}  // namespace dvc::paths
