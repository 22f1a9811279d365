// The asset tag: one 17-byte block, an enable flag and up to 16 characters
// of text (NUL-terminated when shorter).
#include "paths/storage.hpp"

#include <algorithm>
#include <array>
#include <cstring>

#include "paths/feature_codes.hpp"

namespace dvc::paths {

using codes::kAssetTag;

namespace {
constexpr uint32_t kBlockBytes = 17;
constexpr uint32_t kTextBytes = 16;
using Block = std::array<uint8_t, kBlockBytes>;

size_t TextLength(const Block& block) {
    const auto* text = reinterpret_cast<const char*>(block.data() + 1);
    return strnlen(text, kTextBytes);
}
}  // namespace

DvError GetAssetTag(VarnMonitorInterface& path, char* buffer, uint32_t size) {
    if (size == 0) return DvErrSizeMismatch;
    if (buffer == nullptr) return DvErrInvalidParameter;
    Block block{};
    const DvError result = path.ReadData(kAssetTag, block.data(), kBlockBytes);
    if (!Usable(result)) return result;
    std::memset(buffer, 0, size);
    std::memcpy(buffer, block.data() + 1, std::min<size_t>(TextLength(block), size - 1));
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

}  // namespace dvc::paths
