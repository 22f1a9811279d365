#include "paths/infoframe_decode.hpp"

#include <algorithm>

#include "paths/infoframe_tables.hpp"

namespace dvc::paths::infoframe {
namespace {

constexpr uint8_t kAviType = 2;
constexpr uint8_t kDrmType = 7;
constexpr uint8_t kAceAbsent = 0xFF;
constexpr uint8_t kAceLengthFrom = 14;  // frames this long carry the ACE bits

template <class Table>
bool Contains(const Table& table, int32_t value) {
    return std::find(table.begin(), table.end(), value) != table.end();
}

void Assign(int32_t& field, int32_t value) {
    if (value != kLeave) field = value;
}

int32_t RgbColorimetry(uint8_t c, uint8_t ec, uint8_t ace) {
    if (c < 3) return kAviRgbColorimetry[c];
    if (ec == 7) return ace < kAviRgbAdditional.size() ? kAviRgbAdditional[ace] : kLeave;
    return kAviRgbExtended[ec];
}

int32_t YccColorimetry(uint8_t c, uint8_t ec) { return c < 3 ? kAviYccColorimetry[c] : kAviYccExtended[ec]; }

}  // namespace

int32_t PortType(uint16_t code) {
    for (const auto& entry : kPortTypes) {
        if (entry.code == code) return entry.type;
    }
    return 0;
}

void ApplyStreamAttributes(uint16_t word, SignalFields& fields) {
    const uint16_t masked = word & kStreamAttributeMask;
    const StreamEntry* found = masked == kStreamAttributeRaw.masked ? &kStreamAttributeRaw : nullptr;
    for (const auto& entry : kStreamAttributes) {
        if (entry.masked == masked) found = &entry;
    }
    if (found == nullptr) {
        fields.range = fields.colorFormat = fields.colorimetry = fields.bitDepth = -1;
        return;
    }
    fields.range = found->range;
    fields.colorFormat = found->colorFormat;
    fields.colorimetry = found->colorimetry;
    fields.bitDepth = kStreamDepths[(word & kStreamDepthMask) >> 5];
}

int32_t ByteBitDepth(uint8_t byte) { return kByteDepths[byte & 0x0F]; }

DvError DecodeAvi(std::span<const uint8_t> a, SignalFields& fields) {
    if (a.size() < kAviBytes) return DvErrWrongLength;
    if (a[0] != kAviType || a[1] == 0) return DvErrNoData;
    const uint8_t y = (a[3] >> 5) & 7;
    const uint8_t c = (a[4] >> 6) & 3;
    const uint8_t q = (a[5] >> 2) & 3;
    const uint8_t ec = (a[5] >> 4) & 7;
    const uint8_t yq = (a[7] >> 6) & 3;
    const uint8_t ace = a[2] >= kAceLengthFrom ? static_cast<uint8_t>((a[16] >> 4) & 0x0F) : kAceAbsent;

    Assign(fields.colorFormat, kAviColorFormats[y]);
    if (y == 0) {
        fields.range = kAviRgbRanges[q];
        Assign(fields.colorimetry, RgbColorimetry(c, ec, ace));
    } else if (y <= 3) {
        fields.range = kAviYccRanges[yq];
        Assign(fields.colorimetry, YccColorimetry(c, ec));
    } else {
        fields.range = -1;
        if (y == 7) fields.colorimetry = -1;
    }
    return DvOk;
}

DvError DecodeDrm(std::span<const uint8_t> d, SignalFields& fields) {
    if (d.size() < kDrmBytes) return DvErrWrongLength;
    if (d[0] != kDrmType || d[1] == 0) return DvErrNoData;
    fields.transferFunction = d[3] <= 3 ? d[3] : -1;
    return DvOk;
}

DvError DecodeSignalBlock(std::span<const uint8_t> block, SignalFields& fields) {
    if (block.size() < kBlockBytes) return DvErrWrongLength;
    fields = SignalFields{};
    fields.portType = PortType(static_cast<uint16_t>(block[0] | (block[1] << 8)));
    if (Contains(kStreamAttributePorts, fields.portType)) {
        ApplyStreamAttributes(static_cast<uint16_t>(block[kStreamAttributeAt] | (block[kStreamAttributeAt + 1] << 8)),
                              fields);
    } else if (Contains(kBitDepthBytePorts, fields.portType)) {
        fields.bitDepth = ByteBitDepth(block[kBitDepthAt]);
    }
    // An absent or foreign InfoFrame leaves its fields as they are: the
    // block as a whole still decodes.
    DecodeAvi(block.subspan(kAviAt, kAviBytes), fields);
    DecodeDrm(block.subspan(kDrmAt, kDrmBytes), fields);
    return DvOk;
}

}  // namespace dvc::paths::infoframe
