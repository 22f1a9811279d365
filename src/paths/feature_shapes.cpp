#include "paths/feature_shapes.hpp"
#include "paths/value_codec.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace dvc::paths {

namespace {
// The widest field a value block or a field write carries.
constexpr uint32_t kWordBytes = 4;
}  // namespace

DvError CheckDataLength(VarnMonitorInterface& path, uint32_t code, uint32_t* length, uint32_t minimum) {
    *length = 0;
    DvError result = path.ReadFixedData(code, nullptr, nullptr, nullptr, length);
    if (!Usable(result)) return result;
    if (*length == 0 || *length < minimum) return DvErrNotSupported;
    if (*length > kMaxBlockLength) return DvErrWrongLength;
    return result;
}

uint32_t LittleField(const uint8_t* bytes, uint32_t width) noexcept {
    uint32_t value = 0;
    for (uint32_t i = std::min(width, kWordBytes); i > 0; --i) value = (value << 8) | bytes[i - 1];
    return value;
}

void PutLittleField(uint8_t* bytes, uint32_t width, uint32_t value) noexcept {
    for (uint32_t i = 0; i < std::min(width, kWordBytes); ++i) bytes[i] = static_cast<uint8_t>(value >> (8 * i));
}

DvError FixedMaximum(VarnMonitorInterface& path, uint32_t code, int32_t* out) {
    int32_t maximum = 0;
    const DvError result = path.ReadFixedData(code, &maximum, nullptr, nullptr, nullptr);
    if (Usable(result)) *out = maximum;
    return result;
}

DvError FixedLength(VarnMonitorInterface& path, uint32_t code, int32_t* out) {
    uint32_t length = 0;
    const DvError result = path.ReadFixedData(code, nullptr, nullptr, nullptr, &length);
    if (Usable(result)) *out = static_cast<int32_t>(length);
    return result;
}

DvError CopyValue(VarnMonitorInterface& path, uint32_t from, uint32_t to) {
    uint32_t value = 0;
    const DvError result = path.ReadValue(from, &value);
    if (!Usable(result)) return result;
    return path.WriteValue(to, value, 0);
}

DvError ReadSizedBlock(VarnMonitorInterface& path, uint32_t code, uint32_t minimum, std::vector<uint8_t>& block) {
    uint32_t length = 0;
    const DvError checked = CheckDataLength(path, code, &length, minimum);
    if (!Usable(checked)) return checked;
    block.assign(length, 0);
    return path.ReadData(code, block.data(), length);
}

DvError BlockValueGet(VarnMonitorInterface& path, uint32_t code, int32_t* out) {
    return BlockFieldGet(path, code, 0, 0, out);
}

DvError BlockValueSet(VarnMonitorInterface& path, uint32_t code, int32_t value) {
    uint32_t length = 0;
    const DvError checked = CheckDataLength(path, code, &length, 1);
    if (!Usable(checked)) return checked;
    const uint32_t width = std::min(length, kWordBytes);
    const auto word = static_cast<uint32_t>(value);
    if (!FitsField(word, width)) return DvErrInvalidParameter;
    std::vector<uint8_t> block(length, 0);
    PutLittleField(block.data(), width, word);
    return path.WriteData(code, block.data(), length, 0);
}

// A width of 0 stands for "as much of the first word as the block holds".
DvError BlockFieldGet(VarnMonitorInterface& path, uint32_t code, uint32_t offset, uint32_t width, int32_t* out) {
    std::vector<uint8_t> block;
    const DvError result = ReadSizedBlock(path, code, offset + std::max(width, 1u), block);
    if (!Usable(result)) return result;
    const uint32_t used = width == 0 ? std::min<uint32_t>(static_cast<uint32_t>(block.size()), kWordBytes) : width;
    *out = static_cast<int32_t>(LittleField(block.data() + offset, used));
    return result;
}

DvError BlockFieldSet(VarnMonitorInterface& path, uint32_t code, uint32_t offset, uint32_t width, uint32_t value) {
    if (!FitsField(value, width)) return DvErrInvalidParameter;
    std::vector<uint8_t> block;
    const DvError read = ReadSizedBlock(path, code, offset + width, block);
    if (!Usable(read)) return read;
    PutLittleField(block.data() + offset, width, value);
    return path.WriteData(code, block.data(), static_cast<uint32_t>(block.size()), 0);
}

namespace {
// Where item `index` starts, or false when it lies outside a block of
// `length` bytes.
bool ItemOffset(int32_t index, uint32_t width, std::size_t length, uint32_t& offset) {
    if (index < 0) return false;
    const uint64_t start = static_cast<uint64_t>(index) * width;
    if (start + width > length) return false;
    offset = static_cast<uint32_t>(start);
    return true;
}
}  // namespace

DvError BlockItemGet(VarnMonitorInterface& path, uint32_t code, uint32_t width, int32_t index, int32_t* out) {
    std::vector<uint8_t> block;
    const DvError result = ReadSizedBlock(path, code, width, block);
    if (!Usable(result)) return result;
    uint32_t offset = 0;
    if (!ItemOffset(index, width, block.size(), offset)) return DvErrInvalidParameter;
    *out = static_cast<int32_t>(LittleField(block.data() + offset, width));
    return result;
}

DvError BlockItemSet(VarnMonitorInterface& path, uint32_t code, uint32_t width, int32_t index, int32_t value) {
    const auto word = static_cast<uint32_t>(value);
    if (!FitsField(word, width)) return DvErrInvalidParameter;
    std::vector<uint8_t> block;
    const DvError read = ReadSizedBlock(path, code, width, block);
    if (!Usable(read)) return read;
    uint32_t offset = 0;
    if (!ItemOffset(index, width, block.size(), offset)) return DvErrInvalidParameter;
    PutLittleField(block.data() + offset, width, word);
    return path.WriteData(code, block.data(), static_cast<uint32_t>(block.size()), 0);
}

DvError BlockRawGet(VarnMonitorInterface& path, uint32_t code, uint8_t* data, int32_t* size) {
    uint32_t length = 0;
    const DvError checked = CheckDataLength(path, code, &length, 1);
    if (!Usable(checked)) return checked;
    const uint32_t capacity = *size < 0 ? 0 : static_cast<uint32_t>(*size);
    if (data == nullptr || capacity < length) {
        *size = static_cast<int32_t>(length);
        return DvErrSizeMismatch;
    }
    std::vector<uint8_t> block(length, 0);
    const DvError result = path.ReadData(code, block.data(), length);
    if (!Usable(result)) return result;
    std::memcpy(data, block.data(), length);
    *size = static_cast<int32_t>(length);
    return result;
}

DvError BlockRawSet(VarnMonitorInterface& path, uint32_t code, const uint8_t* data, int32_t size) {
    uint32_t length = 0;
    const DvError checked = CheckDataLength(path, code, &length, 1);
    if (!Usable(checked)) return checked;
    if (size <= 0 || static_cast<uint32_t>(size) > length) return DvErrSizeMismatch;
    std::vector<uint8_t> block(length, 0);
    std::memcpy(block.data(), data, static_cast<std::size_t>(size));
    return path.WriteData(code, block.data(), length, 0);
}

DvError BlockFixedGet(VarnMonitorInterface& path, uint32_t code, uint32_t length, uint8_t* data) {
    std::vector<uint8_t> block(length, 0);
    const DvError result = path.ReadData(code, block.data(), length);
    if (Usable(result)) std::memcpy(data, block.data(), length);
    return result;
}

DvError BlockFixedSet(VarnMonitorInterface& path, uint32_t code, uint32_t length, const uint8_t* data) {
    return path.WriteData(code, data, length, 0);
}

bool ChromaticityFits(double coordinate) noexcept { return coordinate >= 0.0 && coordinate * 10000.0 + 0.5 < 65536.0; }

DvError BlockXYGet(VarnMonitorInterface& path, uint32_t code, uint32_t pairs, double* xy) {
    std::vector<uint8_t> block(pairs * 4, 0);
    const DvError result = path.ReadData(code, block.data(), pairs * 4);
    if (!Usable(result)) return result;
    for (uint32_t i = 0; i < pairs * 2; ++i) xy[i] = LittleField(block.data() + 2 * i, 2) / 10000.0;
    return result;
}

DvError BlockXYSet(VarnMonitorInterface& path, uint32_t code, uint32_t pairs, const double* xy) {
    std::vector<uint8_t> block(pairs * 4, 0);
    for (uint32_t i = 0; i < pairs * 2; ++i) {
        if (!ChromaticityFits(xy[i])) return DvErrInvalidParameter;
        PutLittleField(block.data() + 2 * i, 2, RoundedChromaticityField(xy[i]));
    }
    return path.WriteData(code, block.data(), pairs * 4, 0);
}

}  // namespace dvc::paths
