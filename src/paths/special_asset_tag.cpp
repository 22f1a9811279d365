// The asset tag: one 17-byte block, an enable flag and up to 16 characters
// of text (NUL-terminated when shorter).
#include <algorithm>
#include <array>
#include <cstring>

#include "paths/varn_monitor_interface.hpp"

using dvc::paths::Usable;

namespace {
constexpr uint32_t kAssetTagCode = 0x12;
constexpr uint32_t kBlockBytes = 17;
constexpr uint32_t kTextBytes = 16;
using Block = std::array<uint8_t, kBlockBytes>;

size_t TextLength(const Block& block) {
    const auto* text = reinterpret_cast<const char*>(block.data() + 1);
    return strnlen(text, kTextBytes);
}
}  // namespace

DvError VarnMonitorInterface::GetAssetTag(char* buffer, uint32_t size) {
    if (size == 0) return DvErrSizeMismatch;
    if (buffer == nullptr) return DvErrInvalidParameter;
    Block block{};
    const DvError result = ReadData(kAssetTagCode, block.data(), kBlockBytes);
    if (!Usable(result)) return result;
    std::memset(buffer, 0, size);
    std::memcpy(buffer, block.data() + 1, std::min<size_t>(TextLength(block), size - 1));
    return result;
}

DvError VarnMonitorInterface::GetAssetTagSize(int* size) {
    if (size == nullptr) return DvErrInvalidParameter;
    Block block{};
    const DvError result = ReadData(kAssetTagCode, block.data(), kBlockBytes);
    if (!Usable(result)) return result;
    const size_t length = TextLength(block);
    *size = length == 0 ? 0 : static_cast<int>(length + 1);
    return result;
}

DvError VarnMonitorInterface::SetEnableAssetTag(int value) {
    Block block{};
    const DvError result = ReadData(kAssetTagCode, block.data(), kBlockBytes);
    if (!Usable(result)) return result;
    block[0] = value == 1 ? 1 : 0;
    return WriteData(kAssetTagCode, block.data(), kBlockBytes, 0);
}
