// The per-path read of the signal description block.
#include <vector>

#include "libdvc/dvc_modes_inputs.h"
#include "paths/infoframe_decode.hpp"
#include "paths/special_shapes.hpp"

using dvc::paths::kMaxBlockLength;
using dvc::paths::Usable;

namespace {
constexpr uint32_t kSignalInfoCode = 0xFF01010A;
}

DvError VarnMonitorInterface::GetSignalInfoFrame(DvSignalInfoFrame* info) {
    if (info == nullptr) return DvErrInvalidParameter;
    // A length that cannot be read stays 0 and counts as no support.
    uint32_t length = 0;
    ReadFixedData(kSignalInfoCode, nullptr, nullptr, nullptr, &length);
    if (length < dvc::paths::infoframe::kBlockBytes) return DvErrNotSupported;
    if (length > kMaxBlockLength) return DvErrWrongLength;
    std::vector<uint8_t> block(length, 0);
    const DvError result = ReadData(kSignalInfoCode, block.data(), length);
    if (!Usable(result)) return result;
    dvc::paths::infoframe::SignalFields fields;
    dvc::paths::infoframe::DecodeSignalBlock(block, fields);
    *info = DvSignalInfoFrame{fields.portType,   fields.range,       fields.bitDepth,
                              fields.colorFormat, fields.colorimetry, fields.transferFunction};
    return result;
}
