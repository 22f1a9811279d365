// The key/value block: {'A','P','P',0}, the payload's checksum (LE16), then
// records {key length, key, value length LE16, value} and a zero key length.
#include "paths/storage_kv_codec.hpp"

#include <algorithm>
#include <array>

namespace dvc::paths::kv {

namespace {
constexpr std::array<uint8_t, kSignatureBytes> kSignature{'A', 'P', 'P', 0};

uint32_t Le16(const uint8_t* p) { return p[0] | (static_cast<uint32_t>(p[1]) << 8); }
}  // namespace

uint16_t Checksum(std::span<const uint8_t> payload) {
    uint32_t sum = 0;
    for (size_t i = 0; i < payload.size(); i += 2) {
        const uint32_t high = i + 1 < payload.size() ? payload[i + 1] : 0;
        sum += payload[i] | (high << 8);
    }
    return static_cast<uint16_t>(sum);
}

DvError Decode(std::span<const uint8_t> block, Map& map) {
    if (block.size() < kSignatureBytes || !std::equal(kSignature.begin(), kSignature.end(), block.begin()))
        return DvErrBadSignature;
    if (block.size() < kHeaderBytes) return DvErrDataTruncated;
    const std::span<const uint8_t> payload = block.subspan(kHeaderBytes);
    if (Checksum(payload) != Le16(block.data() + kSignatureBytes)) return DvErrChecksum;

    // Every record, the terminator included, must leave room behind it: a
    // position that reaches the payload's end means the block was cut.
    const size_t end = payload.size();
    Map found;
    size_t i = 0;
    while (true) {
        if (i >= end) return DvErrDataTruncated;
        const size_t keyBytes = payload[i];
        if (i + 1 + keyBytes + 2 >= end) return DvErrDataTruncated;
        if (keyBytes == 0) break;
        const size_t valueBytes = Le16(payload.data() + i + 1 + keyBytes);
        const size_t next = i + 1 + keyBytes + 2 + valueBytes;
        if (next >= end) return DvErrDataTruncated;
        if (valueBytes == 0) return DvErrFailed;
        const auto* key = reinterpret_cast<const char*>(payload.data() + i + 1);
        const auto value = payload.subspan(i + 1 + keyBytes + 2, valueBytes);
        found[std::string(key, keyBytes)].assign(value.begin(), value.end());  // a later duplicate wins
        i = next;
    }
    map = std::move(found);
    return DvOk;
}

bool RecordFits(const std::string& key, size_t size) {
    return !key.empty() && key.size() <= kMaxKeyBytes && size >= 1 && size <= kMaxValueBytes;
}

DvError Encode(const Map& map, std::span<uint8_t> block) {
    std::fill(block.begin(), block.end(), 0);
    if (block.size() < kMinimumBytes) return DvErrDataTruncated;
    const std::span<uint8_t> payload = block.subspan(kHeaderBytes);
    size_t at = 0;
    for (const auto& [key, value] : map) {
        if (!RecordFits(key, value.size())) return DvErrInvalidParameter;
        // The record and one byte for the terminator must stay inside.
        if (key.size() + 3 + value.size() + at >= payload.size()) {
            std::fill(block.begin(), block.end(), 0);
            return DvErrDataTruncated;
        }
        payload[at++] = static_cast<uint8_t>(key.size());
        at = static_cast<size_t>(std::copy(key.begin(), key.end(), payload.begin() + static_cast<std::ptrdiff_t>(at)) -
                                 payload.begin());
        payload[at++] = static_cast<uint8_t>(value.size() & 0xFF);
        payload[at++] = static_cast<uint8_t>(value.size() >> 8);
        at = static_cast<size_t>(
            std::copy(value.begin(), value.end(), payload.begin() + static_cast<std::ptrdiff_t>(at)) - payload.begin());
    }
    std::copy(kSignature.begin(), kSignature.end(), block.begin());
    const uint16_t sum = Checksum(payload);
    block[4] = static_cast<uint8_t>(sum & 0xFF);
    block[5] = static_cast<uint8_t>(sum >> 8);
    // The reader wants three bytes behind the terminator; a layout it would
    // refuse is not sent, so a store never becomes unreadable by a write.
    Map check;
    if (Decode(block, check) != DvOk) {
        std::fill(block.begin(), block.end(), 0);
        return DvErrDataTruncated;
    }
    return DvOk;
}

}  // namespace dvc::paths::kv
