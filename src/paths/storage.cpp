// Texts and times kept by the monitor. The asset tag: one 17-byte block, an
// enable flag and up to 16 characters of text (NUL-terminated when
// shorter). The unique device identifier: a 64-byte block of text.
#include "paths/storage.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "paths/feature_codes.hpp"

namespace dvc::paths {

using codes::kAssetTag;
using codes::kUDI;
using codes::kUsageTime;
using codes::kUsageTimeOld;

namespace {
constexpr uint32_t kBlockBytes = 17;
constexpr uint32_t kTextBytes = 16;
using Block = std::array<uint8_t, kBlockBytes>;

constexpr uint32_t kUdiBytes = 64;
using UdiBlock = std::array<uint8_t, kUdiBytes>;
constexpr uint32_t kUsageBytes = 5;

size_t TextLength(const Block& block) {
    const auto* text = reinterpret_cast<const char*>(block.data() + 1);
    return strnlen(text, kTextBytes);
}

// `text` cut to `size` - 1 characters into the zero-filled buffer.
void CopyText(const uint8_t* text, size_t length, char* buffer, uint32_t size) {
    std::memset(buffer, 0, size);
    std::memcpy(buffer, text, std::min<size_t>(length, size - 1));
}

// A text that fits `capacity` bytes, its NUL not counted, or -1.
int FittingLength(const char* text, size_t capacity) {
    if (text == nullptr) return -1;
    const size_t length = strnlen(text, capacity + 1);
    return length > capacity ? -1 : static_cast<int>(length);
}
}  // namespace

DvError GetAssetTag(VarnMonitorInterface& path, char* buffer, uint32_t size) {
    if (size == 0) return DvErrSizeMismatch;
    if (buffer == nullptr) return DvErrInvalidParameter;
    Block block{};
    const DvError result = path.ReadData(kAssetTag, block.data(), kBlockBytes);
    if (!Usable(result)) return result;
    CopyText(block.data() + 1, TextLength(block), buffer, size);
    return result;
}

DvError GetAssetTagSize(VarnMonitorInterface& path, int* size) {
    if (size == nullptr) return DvErrInvalidParameter;
    Block block{};
    const DvError result = path.ReadData(kAssetTag, block.data(), kBlockBytes);
    if (!Usable(result)) return result;
    const size_t length = TextLength(block);
    *size = length == 0 ? 0 : static_cast<int>(length + 1);
    return result;
}

DvError SetEnableAssetTag(VarnMonitorInterface& path, int value) {
    Block block{};
    const DvError result = path.ReadData(kAssetTag, block.data(), kBlockBytes);
    if (!Usable(result)) return result;
    block[0] = value == 1 ? 1 : 0;
    return path.WriteData(kAssetTag, block.data(), kBlockBytes, 0);
}

DvError SetAssetTag(VarnMonitorInterface& path, const char* text) {
    const int length = FittingLength(text, kTextBytes);
    if (length < 0) return DvErrInvalidParameter;
    Block block{};
    const DvError result = path.ReadData(kAssetTag, block.data(), kBlockBytes);
    if (!Usable(result)) return result;
    std::fill(block.begin() + 1, block.end(), 0);  // keeps the enable flag
    std::memcpy(block.data() + 1, text, static_cast<size_t>(length));
    return path.WriteData(kAssetTag, block.data(), kBlockBytes, 0);
}

DvError GetUDI(VarnMonitorInterface& path, char* buffer, uint32_t size) {
    if (size == 0) return DvErrSizeMismatch;
    if (buffer == nullptr) return DvErrInvalidParameter;
    UdiBlock block{};
    const DvError result = path.ReadData(kUDI, block.data(), kUdiBytes);
    if (!Usable(result)) return result;
    CopyText(block.data(), strnlen(reinterpret_cast<const char*>(block.data()), kUdiBytes), buffer, size);
    return result;
}

DvError GetUDISize(VarnMonitorInterface& path, int* size) {
    if (size == nullptr) return DvErrInvalidParameter;
    UdiBlock block{};
    const DvError result = path.ReadData(kUDI, block.data(), kUdiBytes);
    if (!Usable(result)) return result;
    const size_t length = strnlen(reinterpret_cast<const char*>(block.data()), kUdiBytes);
    *size = length == 0 ? 0 : static_cast<int>(length + 1);
    return result;
}

DvError SetUDI(VarnMonitorInterface& path, const char* text) {
    const int length = FittingLength(text, kUdiBytes);
    if (length < 0) return DvErrInvalidParameter;
    UdiBlock block{};
    std::memcpy(block.data(), text, static_cast<size_t>(length));
    return path.WriteData(kUDI, block.data(), kUdiBytes, 0);
}

DvError GetUsageTime(VarnMonitorInterface& path, int* hours, int* minutes) {
    if (hours == nullptr || minutes == nullptr) return DvErrInvalidParameter;
    std::array<uint8_t, kUsageBytes> block{};
    DvError result = path.ReadData(kUsageTime, block.data(), kUsageBytes);
    if (Usable(result)) {
        const uint32_t h = block[0] | block[1] << 8 | block[2] << 16 | static_cast<uint32_t>(block[3]) << 24;
        *hours = static_cast<int>(std::min<uint32_t>(h, INT32_MAX));
        *minutes = block[4];
        return result;
    }
    if (result != DvErrFailed && result != DvErrNotSupported) return result;
    uint16_t oldHours = 0;
    uint8_t oldMinutes = 0;
    result = path.ReadUsageTime(kUsageTimeOld, &oldHours, &oldMinutes);
    if (Usable(result)) {
        *hours = oldHours;
        *minutes = oldMinutes;
    }
    return result;
}

}  // namespace dvc::paths
