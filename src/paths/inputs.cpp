#include "paths/inputs.hpp"

#include <algorithm>

#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "paths/port_numbers.hpp"
#include "paths/tagged_transfer.hpp"
#include "paths/value_codec.hpp"

namespace dvc::paths {

namespace {

constexpr uint32_t kPortBytes = 2;
constexpr uint32_t kInputAutoBit = 1u << 2;
constexpr uint32_t kDisplayPortVersionByte = 0;
constexpr uint32_t kCompatibilityByte = 1;
constexpr const char* kDisplayPortTag = "PRM238";
// Width, height, refresh rate and pixel clock, 16 bits each.
constexpr uint32_t kSignalInformationBytes = 8;
// The target selection names the input port in bytes 2 and 3.
constexpr uint32_t kTargetPortOffset = 2;

// A 16-bit field of a block of at least two bytes.
DvError ReadField16(VarnMonitorInterface& path, uint32_t code, int* value) {
    std::vector<uint8_t> block;
    const DvError result = ReadSizedBlock(path, code, kPortBytes, block);
    if (Usable(result)) *value = Field16(block.data());
    return result;
}

}  // namespace

DvError ReadInputPorts(VarnMonitorInterface& path, std::vector<int>& codes) {
    std::vector<uint8_t> block;
    const DvError result = ReadSizedBlock(path, codes::kSignal, kPortBytes, block);
    if (!Usable(result)) return result;
    codes.clear();
    for (std::size_t i = 0; i + kPortBytes <= block.size(); i += kPortBytes) codes.push_back(Field16(&block[i]));
    return result;
}

DvError WriteInputPorts(VarnMonitorInterface& path, const std::vector<int>& codes) {
    uint32_t length = 0;
    const DvError checked = CheckDataLength(path, codes::kSignal, &length, kPortBytes);
    if (!Usable(checked)) return checked;
    if (codes.size() != length / kPortBytes) return DvErrInvalidParameter;
    std::vector<uint8_t> block(length, 0);
    for (std::size_t i = 0; i < codes.size(); ++i) PutField16(&block[i * kPortBytes], static_cast<uint16_t>(codes[i]));
    return path.WriteData(codes::kSignal, block.data(), length, 0);
}

DvError QueryInputAuto(VarnMonitorInterface& path, int32_t* flag) {
    *flag = 0;
    const uint32_t code = codes::kInputAuto;
    const DvError result = path.QuerySwitch(code, flag);
    if (!(FallsBack(result) || (Usable(result) && *flag == 0))) return result;
    *flag = 0;
    return path.ReadFixedData(codes::kFlags, nullptr, nullptr, flag, nullptr);
}

DvError ReadInputAuto(VarnMonitorInterface& path, int* on) {
    const uint32_t code = codes::kInputAuto;
    const DvError result = path.ReadSwitch(code, on);
    if (!FallsBack(result)) return result;
    uint32_t flags = 0;
    const DvError read = path.ReadValue(codes::kFlags, &flags);
    if (Usable(read)) *on = (flags & kInputAutoBit) != 0 ? 1 : 0;
    return read;
}

DvError WriteInputAuto(VarnMonitorInterface& path, int on) {
    const uint32_t code = codes::kInputAuto;
    const DvError result = path.WriteSwitch(code, on);
    if (!FallsBack(result)) return result;
    uint32_t flags = 0;
    const DvError read = path.ReadValue(codes::kFlags, &flags);
    if (!Usable(read)) return read;
    return path.WriteValue(codes::kFlags, on != 0 ? flags | kInputAutoBit : flags & ~kInputAutoBit, 0);
}

DvError ReadNativeResolution(VarnMonitorInterface& path, int* width, int* height) {
    int32_t w = 0, h = 0;
    DvError result = path.ReadFixedData(codes::kSignalWidth, &w, nullptr, nullptr, nullptr);
    if (Usable(result)) result = path.ReadFixedData(codes::kSignalHeight, &h, nullptr, nullptr, nullptr);
    if (!Usable(result) || w <= 0 || h <= 0) {
        w = h = 0;
        result = path.ReadFixedData(codes::kNativeResolutionOld, &w, &h, nullptr, nullptr);
        if (!Usable(result)) return result;
        if (w <= 0 || h <= 0) return DvErrNotSupported;
    }
    *width = w;
    *height = h;
    return result;
}

DvError ReadSignalResolution(VarnMonitorInterface& path, int* width, int* height) {
    int w = 0, h = 0;
    const DvError result = ReadField16(path, codes::kSignalWidth, &w);
    if (!Usable(result)) return result;
    const DvError second = ReadField16(path, codes::kSignalHeight, &h);
    if (!Usable(second)) return second;
    *width = w;
    *height = h;
    return second;
}

int SupportsDPVersion(VarnMonitorInterface& path) {
    uint16_t first = 0, second = 0;
    if (Usable(ReadTagInfo(path, kDisplayPortTag, &first, &second)) && first != 0 && second != 0) return 1;
    return SupportFlag(path, codes::kDisplayPortSettings);
}

// A monitor that describes the tag keeps the version of its first
// DisplayPort input in the tag's first byte.
DvError ReadDPVersion(VarnMonitorInterface& path, int* version) {
    uint16_t first = 0, second = 0;
    if (Usable(ReadTagInfo(path, kDisplayPortTag, &first, &second)) && first != 0 && second != 0) {
        uint8_t byte = 0;
        const DvError result = ReadTag(path, kDisplayPortTag, 0, &byte, 1);
        if (Usable(result)) *version = byte;
        return result;
    }
    int32_t value = 0;
    const DvError result = BlockFieldGet(path, codes::kDisplayPortSettings, kDisplayPortVersionByte, 1, &value);
    if (Usable(result)) *version = value;
    return result;
}

int SupportsCompatibilityMode(VarnMonitorInterface& path, bool sharedSwitch) {
    return SupportFlag(path, codes::kCompatibilityMode) != 0 || SupportFlag(path, codes::kDisplayPortSettings) != 0 ||
                   (sharedSwitch && SupportFlag(path, codes::kUSBPowerSave) != 0)
               ? 1
               : 0;
}

DvError ReadCompatibilityMode(VarnMonitorInterface& path, bool sharedSwitch, int* value) {
    int32_t read = 0;
    DvError result = DvErrNotSupported;
    if (SupportedByFixedData(path, codes::kCompatibilityMode)) {
        result = ValueGet<Codes<codes::kCompatibilityMode>, ReadAs::Bool>(path, &read);
    } else if (SupportedByFixedData(path, codes::kDisplayPortSettings)) {
        result = BlockFieldGet(path, codes::kDisplayPortSettings, kCompatibilityByte, 1, &read);
        read = read != 0 ? 1 : 0;
    } else if (sharedSwitch && SupportedByFixedData(path, codes::kUSBPowerSave)) {
        result = ValueGet<Codes<codes::kUSBPowerSave>, ReadAs::Bool>(path, &read);
    }
    if (Usable(result)) *value = read;
    return result;
}

DvError WriteCompatibilityMode(VarnMonitorInterface& path, bool sharedSwitch, int value) {
    const uint32_t on = value != 0 ? 1 : 0;
    if (SupportedByFixedData(path, codes::kCompatibilityMode)) return path.WriteValue(codes::kCompatibilityMode, on, 0);
    if (SupportedByFixedData(path, codes::kDisplayPortSettings))
        return BlockFieldSet(path, codes::kDisplayPortSettings, kCompatibilityByte, 1, on);
    if (sharedSwitch && SupportedByFixedData(path, codes::kUSBPowerSave))
        return path.WriteValue(codes::kUSBPowerSave, on, 0);
    return DvErrNotSupported;
}

// The target selection, where the monitor has one, says which input the
// description is of.
DvError ReadSignalInformation(VarnMonitorInterface& path, DvSignalInformation* information) {
    std::vector<uint8_t> block;
    const DvError result = ReadSizedBlock(path, codes::kSignalInformation, kSignalInformationBytes, block);
    if (!Usable(result)) return result;
    DvSignalInformation read{Field16(&block[0]), Field16(&block[2]), Field16(&block[4]), Field16(&block[6]), 0};
    std::vector<uint8_t> target;
    if (SupportedByFixedData(path, codes::kTargetSelection) &&
        Usable(ReadSizedBlock(path, codes::kTargetSelection, kTargetPortOffset + kPortBytes, target)))
        read.inputPort = ExportedPortNumber(Field16(&target[kTargetPortOffset]));
    *information = read;
    return result;
}

DvError ReadSignalTypes(VarnMonitorInterface& path, int* current, std::vector<int>* selectable) {
    int32_t count = 0;
    DvError result = path.ReadFixedData(codes::kSignalTypeSelection, &count, nullptr, nullptr, nullptr);
    if (!Usable(result)) return result;
    if (count <= 0) return DvErrNotSupported;
    std::vector<uint8_t> block;
    result = ReadSizedBlock(path, codes::kSignalTypeSelection, 1 + static_cast<uint32_t>(count), block);
    if (!Usable(result)) return result;
    if (current != nullptr) *current = block[0];
    if (selectable != nullptr) selectable->assign(block.begin() + 1, block.begin() + 1 + count);
    return result;
}

DvError WriteSignalType(VarnMonitorInterface& path, int type) {
    std::vector<int> selectable;
    const DvError read = ReadSignalTypes(path, nullptr, &selectable);
    if (!Usable(read)) return read;
    if (std::find(selectable.begin(), selectable.end(), type) == selectable.end()) return DvErrInvalidParameter;
    return BlockFieldSet(path, codes::kSignalTypeSelection, 0, 1, static_cast<uint32_t>(type));
}

}  // namespace dvc::paths
