#include "tag_block.hpp"

#include <algorithm>

#include "proptag/proptag.h"

namespace dvc::proptag {
namespace {

constexpr size_t kHeaderSize = 6;
constexpr size_t kChecksumSize = 2;
constexpr size_t kItemHeaderSize = 4;
constexpr size_t kMaxBlockSize = 0xFFFF;
constexpr uint8_t kVersion = 1;

uint16_t Read16(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

}  // namespace

ParseResult TagBlock::Parse(std::span<const uint8_t> bytes) {
    if (bytes.size() < kHeaderSize + kChecksumSize || bytes.size() > kMaxBlockSize)
        return {PROPTAG_ERR_LENGTH, std::nullopt};
    if (bytes[0] != 'P' || bytes[1] != 'T' || bytes[2] != kVersion) return {PROPTAG_ERR_BAD_SIGNATURE, std::nullopt};

    const size_t end = bytes.size() - kChecksumSize;  // where the items must stop
    uint32_t sum = 0;
    for (size_t i = 0; i < end; ++i) sum += bytes[i];
    if (static_cast<uint16_t>(sum) != Read16(bytes, end)) return {PROPTAG_ERR_CHECKSUM, std::nullopt};

    // The items must tile [header, checksum) exactly; counting them as they
    // come also catches a count that is too small or too large.
    std::vector<Item> items;
    for (size_t at = kHeaderSize; at < end;) {
        if (end - at < kItemHeaderSize) return {PROPTAG_ERR_TRUNCATED, std::nullopt};
        const Item item{Read16(bytes, at), Read16(bytes, at + 2), static_cast<uint32_t>(at + kItemHeaderSize)};
        if (end - item.offset < item.length) return {PROPTAG_ERR_TRUNCATED, std::nullopt};
        items.push_back(item);
        at = item.offset + item.length;
    }
    if (items.size() != Read16(bytes, 4)) return {PROPTAG_ERR_ITEM_COUNT, std::nullopt};

    std::sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.tag < b.tag; });
    const auto same = [](const Item& a, const Item& b) { return a.tag == b.tag; };
    if (std::adjacent_find(items.begin(), items.end(), same) != items.end())
        return {PROPTAG_ERR_DUPLICATE_TAG, std::nullopt};

    return {PROPTAG_OK, TagBlock(std::vector<uint8_t>(bytes.begin(), bytes.end()), std::move(items))};
}

std::optional<std::span<const uint8_t>> TagBlock::Find(uint16_t tag) const {
    const auto it =
        std::lower_bound(items_.begin(), items_.end(), tag, [](const Item& item, uint16_t t) { return item.tag < t; });
    if (it == items_.end() || it->tag != tag) return std::nullopt;
    return std::span<const uint8_t>(bytes_).subspan(it->offset, it->length);
}

}  // namespace dvc::proptag
