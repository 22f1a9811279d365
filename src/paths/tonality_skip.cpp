#include "paths/tonality_skip.hpp"

#include <limits>

#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"

namespace dvc::paths {

namespace {
constexpr uint32_t kMaskBits = 32;

// A value the block addresses as an item index.
bool AsIndex(uint32_t value, int32_t& index) {
    if (value > static_cast<uint32_t>(std::numeric_limits<int32_t>::max())) return false;
    index = static_cast<int32_t>(value);
    return true;
}
}  // namespace

DvError ReadTonalitySkip(VarnMonitorInterface& path, TonalitySkipEncoding encoding, uint32_t value, int32_t* skipped) {
    if (encoding == TonalitySkipEncoding::Bytes) {
        int32_t index = 0;
        if (!AsIndex(value, index)) return DvErrInvalidParameter;
        int32_t byte = 0;
        const DvError result = BlockItemGet(path, codes::kTonalitySkip, 1, index, &byte);
        if (Usable(result)) *skipped = byte != 0 ? 1 : 0;
        return result;
    }
    if (value >= kMaskBits) return DvErrInvalidParameter;
    uint32_t mask = 0;
    const DvError result = path.ReadValue(codes::kTonalitySkipMask, &mask);
    if (Usable(result)) *skipped = static_cast<int32_t>((mask >> value) & 1u);
    return result;
}

DvError WriteTonalitySkip(VarnMonitorInterface& path, TonalitySkipEncoding encoding, uint32_t value, bool skipped) {
    if (encoding == TonalitySkipEncoding::Bytes) {
        int32_t index = 0;
        if (!AsIndex(value, index)) return DvErrInvalidParameter;
        return BlockItemSet(path, codes::kTonalitySkip, 1, index, skipped ? 1 : 0);
    }
    if (value >= kMaskBits) return DvErrInvalidParameter;
    uint32_t mask = 0;
    const DvError read = path.ReadValue(codes::kTonalitySkipMask, &mask);
    if (!Usable(read)) return read;
    mask = skipped ? mask | (1u << value) : mask & ~(1u << value);
    return path.WriteValue(codes::kTonalitySkipMask, mask, 0);
}

}  // namespace dvc::paths
