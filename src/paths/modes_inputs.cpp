// Inputs and signal: polled jobs, items read after a selection, blocks
// written whole, and the signal description.
#include "paths/modes_inputs.hpp"

#include <array>
#include <vector>

#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"
#include "paths/infoframe_decode.hpp"
#include "paths/value_codec.hpp"
#include "paths/waits.hpp"

namespace dvc::paths {

namespace {

constexpr uint32_t kEdidDdcWriteStart = 0xFF;
constexpr int kEdidDdcWritePolls = 3000;
constexpr uint32_t kEdidDdcWritePollMs = 100;

constexpr uint32_t kAutoAdjustDone = 6;
constexpr int kAutoAdjustPolls = 20;
constexpr uint32_t kAutoAdjustPollMs = 500;
// Auto-adjust kinds 1 to 4 and the value each writes.
constexpr uint32_t kAutoAdjustValues[] = {0, 4, 5, 7};

constexpr uint32_t kRecordBytes = 12;
using Record = std::array<uint8_t, kRecordBytes>;

void DecodeSegment(const Record& block, DvOutputSegmentProperty& property) {
    for (int i = 0; i < 4; ++i) property.values[i] = Field16(block.data() + 2 * i);
    property.flag = block[8] == 1 ? 1 : 0;
    property.bytes[0] = block[9];
    property.bytes[1] = block[10];
    property.kind = block[11] == 0 ? 1 : block[11] == 1 ? 2 : 0;
}

// Selects the segment, then reads its 12-byte record from `dataCode`.
DvError ReadSegment(VarnMonitorInterface& path, uint32_t segment, uint32_t dataCode,
                    DvOutputSegmentProperty* property) {
    if (property == nullptr) return DvErrInvalidParameter;
    DvError result = path.WriteValue(codes::kOutputSegmentSelect, segment, 0);
    if (!Usable(result)) return result;
    Record block{};
    result = path.ReadData(dataCode, block.data(), kRecordBytes);
    if (!Usable(result)) return result;
    DecodeSegment(block, *property);
    return result;
}

// A monitor-reported block length: usable, nonzero and sane, or the error.
// A refusal still carries the length.
DvError BlockLength(VarnMonitorInterface& path, uint32_t code, uint32_t& length) {
    length = 0;
    const DvError result = path.ReadFixedData(code, nullptr, nullptr, nullptr, &length);
    if (!Usable(result)) return result;
    if (length == 0) return DvErrNotSupported;
    if (length > kMaxBlockLength) return DvErrWrongLength;
    return result;
}

}  // namespace

// 0 means the monitor failed the write, 1 that it finished; anything else
// that it is still busy.
DvError ExecuteEDIDDDCWrite(VarnMonitorInterface& path) {
    DvError result = path.WriteValue(codes::kEDIDDDCWrite, kEdidDdcWriteStart, 0);
    if (!Usable(result)) return result;
    for (int poll = 0; poll < kEdidDdcWritePolls; ++poll) {
        uint32_t state = 0;
        result = path.ReadValue(codes::kEDIDDDCWrite, &state);
        if (result < 0) return result;
        if (state == 0) return DvErrFailed;
        if (state == 1) return result;
        if (poll + 1 < kEdidDdcWritePolls) Pause(kEdidDdcWritePollMs);
    }
    return result;
}

DvError SetAutoAdjust(VarnMonitorInterface& path, int kind, int wait) {
    if (kind < 1 || kind > 4) return DvErrNotSupported;
    const DvError result = path.WriteValue(codes::kAutoAdjust, kAutoAdjustValues[kind - 1], 0);
    if (!Usable(result) || wait == 0) return result;
    for (int poll = 0; poll < kAutoAdjustPolls; ++poll) {
        Pause(kAutoAdjustPollMs);
        uint32_t state = 0;
        path.ReadValue(codes::kAutoAdjust, &state);
        if (state == kAutoAdjustDone) return DvOk;
    }
    return DvErrTimeout;
}

// The area count bounds the index when the monitor reports it.
DvError GetIISArea(VarnMonitorInterface& path, uint32_t index, DvIISArea* area) {
    if (area == nullptr) return DvErrInvalidParameter;
    int32_t count = 0;
    DvError result = path.ReadFixedData(codes::kIISAreaSelect, &count, nullptr, nullptr, nullptr);
    if (Usable(result) && static_cast<int64_t>(index) >= count) return DvErrInvalidParameter;
    result = path.WriteValue(codes::kIISAreaSelect, index, 0);
    if (!Usable(result)) return result;
    Record block{};
    result = path.ReadData(codes::kIISArea, block.data(), kRecordBytes);
    if (!Usable(result)) return result;
    for (int i = 0; i < 3; ++i) area->setting[i] = block[i];
    for (int i = 0; i < 4; ++i) area->geometry[i] = Field16(block.data() + 4 + 2 * i);
    return result;
}

DvError SetIISArea(VarnMonitorInterface& path, uint32_t index, const DvIISArea& area) {
    Record block{};
    for (int i = 0; i < 3; ++i) {
        if (area.setting[i] > 0xFF) return DvErrInvalidParameter;
        block[i] = static_cast<uint8_t>(area.setting[i]);
    }
    for (int i = 0; i < 4; ++i) {
        if (area.geometry[i] > 0xFFFF) return DvErrInvalidParameter;
        PutField16(block.data() + 4 + 2 * i, static_cast<uint16_t>(area.geometry[i]));
    }
    int32_t count = 0;
    DvError result = path.ReadFixedData(codes::kIISAreaSelect, &count, nullptr, nullptr, nullptr);
    if (Usable(result) && static_cast<int64_t>(index) >= count) return DvErrInvalidParameter;
    result = path.WriteValue(codes::kIISAreaSelect, index, 0);
    if (!Usable(result)) return result;
    return path.WriteData(codes::kIISArea, block.data(), kRecordBytes, 0);
}

DvError GetOutputSegmentProperty(VarnMonitorInterface& path, uint32_t segment, DvOutputSegmentProperty* property) {
    return ReadSegment(path, segment, codes::kOutputSegmentProperty, property);
}

DvError GetOutputSegmentPropertyConstant(VarnMonitorInterface& path, uint32_t segment,
                                         DvOutputSegmentProperty* property) {
    return ReadSegment(path, segment, codes::kOutputSegmentConstant, property);
}

DvError SetOutputSegmentProperty(VarnMonitorInterface& path, uint32_t segment,
                                 const DvOutputSegmentProperty& property) {
    if (property.kind != 1 && property.kind != 2) return DvErrInvalidParameter;
    Record block{};
    for (int i = 0; i < 4; ++i) PutField16(block.data() + 2 * i, property.values[i]);
    block[8] = property.flag != 0 ? 1 : 0;
    block[9] = property.bytes[0];
    block[10] = property.bytes[1];
    block[11] = static_cast<uint8_t>(property.kind - 1);
    const DvError result = path.WriteValue(codes::kOutputSegmentSelect, segment, 0);
    if (!Usable(result)) return result;
    return path.WriteData(codes::kOutputSegmentProperty, block.data(), kRecordBytes, 0);
}

DvError ReadEnabledSegments(VarnMonitorInterface& path, std::vector<uint8_t>& enabled) {
    return ReadSizedBlock(path, codes::kOutputSegmentsEnabled, 1, enabled);
}

// Written without waiting for the monitor's answer: the switch may drop
// the very USB link that carries it. DDC/CI does not carry this write.
DvError SetUSBSelection(VarnMonitorInterface& path, uint8_t port) {
    uint32_t length = 0;
    const DvError result = BlockLength(path, codes::kUSBSelection, length);
    if (result < 0 && result != DvErrRefused) return result;
    std::vector<uint8_t> block(length, 0);
    block[0] = port;
    return path.WriteDataUnchecked(codes::kUSBSelection, block.data(), length, 0);
}

// A length of 0 leaves nothing to clear: DvErrNotSupported, nothing sent.
DvError ClearTargetSelection(VarnMonitorInterface& path) {
    uint32_t length = 0;
    const DvError result = BlockLength(path, codes::kTargetSelection, length);
    if (result < 0 && result != DvErrRefused) return result;
    const std::vector<uint8_t> zeros(length, 0);
    return path.WriteData(codes::kTargetSelection, zeros.data(), length, 0);
}

DvError GetSignalInfoFrame(VarnMonitorInterface& path, DvSignalInfoFrame* info) {
    if (info == nullptr) return DvErrInvalidParameter;
    // A failed length query is the answer; a usable one shorter than the
    // description says the monitor has none.
    uint32_t length = 0;
    const DvError checked = CheckDataLength(path, codes::kSignalInfoFrame, &length, infoframe::kBlockBytes);
    if (!Usable(checked)) return checked;
    std::vector<uint8_t> block(length, 0);
    const DvError result = path.ReadData(codes::kSignalInfoFrame, block.data(), length);
    if (!Usable(result)) return result;
    infoframe::SignalFields fields;
    infoframe::DecodeSignalBlock(block, fields);
    *info = DvSignalInfoFrame{fields.portType,    fields.range,       fields.bitDepth,
                              fields.colorFormat, fields.colorimetry, fields.transferFunction};
    return result;
}

}  // namespace dvc::paths
