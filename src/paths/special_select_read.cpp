// Items read after a request or a selection, and blocks written whole:
// key push counts, image-in-image areas, output segments, USB selection,
// the target selection.
#include <array>
#include <vector>

#include "libdvc/dvc_modes_inputs.h"
#include "paths/special_shapes.hpp"

using dvc::paths::kMaxBlockLength;
using dvc::paths::Little16;
using dvc::paths::Usable;

namespace {
constexpr uint32_t kKeyPushCountCode = 0xFF01006F;
constexpr uint8_t kNoSuchItem = 0xFF;

constexpr uint32_t kIISAreaSelectCode = 0xFF0000F7;
constexpr uint32_t kIISAreaDataCode = 0xFF0000F8;

constexpr uint32_t kOutputSegmentSelectCode = 0xFF010103;
constexpr uint32_t kOutputSegmentConstantCode = 0xFF010104;
constexpr uint32_t kOutputSegmentPropertyCode = 0xFF010105;

constexpr uint32_t kUsbSelectionCode = 0xFF010073;
constexpr uint32_t kTargetSelectionCode = 0xFF010100;

constexpr uint32_t kRecordBytes = 12;
using Record = std::array<uint8_t, kRecordBytes>;

void DecodeSegment(const Record& block, DvOutputSegmentProperty& property) {
    for (int i = 0; i < 4; ++i) property.values[i] = Little16(block.data() + 2 * i);
    property.flag = block[8] == 1 ? 1 : 0;
    property.bytes[0] = block[9];
    property.bytes[1] = block[10];
    property.kind = block[11] == 0 ? 1 : block[11] == 1 ? 2 : 0;
}

// Selects the segment, then reads its 12-byte record from `dataCode`.
DvError ReadSegment(VarnMonitorInterface& path, uint32_t segment, uint32_t dataCode,
                    DvOutputSegmentProperty* property) {
    if (property == nullptr) return DvErrInvalidParameter;
    DvError result = path.WriteValue(kOutputSegmentSelectCode, segment, 0);
    if (!Usable(result)) return result;
    Record block{};
    result = path.ReadData(dataCode, block.data(), kRecordBytes);
    if (!Usable(result)) return result;
    DecodeSegment(block, *property);
    return result;
}

// A monitor-reported block length: usable, nonzero and sane, or the error.
DvError BlockLength(VarnMonitorInterface& path, uint32_t code, uint32_t& length) {
    length = 0;
    const DvError result = path.ReadFixedData(code, nullptr, nullptr, nullptr, &length);
    if (!Usable(result)) return result;
    if (length == 0) return DvErrNotSupported;
    if (length > kMaxBlockLength) return DvErrWrongLength;
    return result;
}
}  // namespace

DvError VarnMonitorInterface::GetKeyPushCount(uint8_t key, int* count) {
    if (count == nullptr) return DvErrInvalidParameter;
    const std::array<uint8_t, 3> request{key, 0, 0};
    DvError result = WriteData(kKeyPushCountCode, request.data(), 3, 0);
    if (!Usable(result)) return result;
    std::array<uint8_t, 3> reply{};
    result = ReadData(kKeyPushCountCode, reply.data(), 3);
    if (!Usable(result)) return result;
    if (reply[0] == kNoSuchItem) return DvErrFailed;
    *count = reply[1] + 256 * reply[2];
    return result;
}

// The area count bounds the index when the monitor reports it.
DvError VarnMonitorInterface::GetIISArea(uint32_t index, DvIISArea* area) {
    if (area == nullptr) return DvErrInvalidParameter;
    int32_t count = 0;
    DvError result = ReadFixedData(kIISAreaSelectCode, &count, nullptr, nullptr, nullptr);
    if (Usable(result) && static_cast<int64_t>(index) >= count) return DvErrInvalidParameter;
    result = WriteValue(kIISAreaSelectCode, index, 0);
    if (!Usable(result)) return result;
    Record block{};
    result = ReadData(kIISAreaDataCode, block.data(), kRecordBytes);
    if (!Usable(result)) return result;
    for (int i = 0; i < 3; ++i) area->setting[i] = block[i];
    for (int i = 0; i < 4; ++i) area->geometry[i] = Little16(block.data() + 4 + 2 * i);
    return result;
}

DvError VarnMonitorInterface::GetOutputSegmentProperty(uint32_t segment, DvOutputSegmentProperty* property) {
    return ReadSegment(*this, segment, kOutputSegmentPropertyCode, property);
}

DvError VarnMonitorInterface::GetOutputSegmentPropertyConstant(uint32_t segment,
                                                               DvOutputSegmentProperty* property) {
    return ReadSegment(*this, segment, kOutputSegmentConstantCode, property);
}

// Written without waiting for the monitor's answer: the switch may drop
// the very USB link that carries it. DDC/CI does not carry this write.
DvError VarnMonitorInterface::SetUSBSelection(uint8_t port) {
    uint32_t length = 0;
    const DvError result = BlockLength(*this, kUsbSelectionCode, length);
    if (result < 0 && result != DvErrRefused) return result;
    std::vector<uint8_t> block(length, 0);
    block[0] = port;
    return WriteDataUnchecked(kUsbSelectionCode, block.data(), length, 0);
}

// A length of 0 leaves nothing to clear: DvErrNotSupported, nothing sent.
DvError VarnMonitorInterface::ClearTargetSelection() {
    uint32_t length = 0;
    const DvError result = BlockLength(*this, kTargetSelectionCode, length);
    if (result < 0 && result != DvErrRefused) return result;
    const std::vector<uint8_t> zeros(length, 0);
    return WriteData(kTargetSelectionCode, zeros.data(), length, 0);
}
