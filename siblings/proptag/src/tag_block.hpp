// One parsed property-tag block: a private copy of the bytes and an index
// of its items sorted by tag id.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace dvc::proptag {

struct ParseResult;

class TagBlock {
public:
    // Checks every rule of the format; never reads outside `bytes`.
    static ParseResult Parse(std::span<const uint8_t> bytes);

    // The item's data, or nullopt when the tag is absent.
    std::optional<std::span<const uint8_t>> Find(uint16_t tag) const;

private:
    struct Item {
        uint16_t tag;
        uint16_t length;
        uint32_t offset;  // of the data within bytes_
    };
    TagBlock(std::vector<uint8_t> bytes, std::vector<Item> items)
        : bytes_(std::move(bytes)), items_(std::move(items)) {}

    std::vector<uint8_t> bytes_;
    std::vector<Item> items_;
};

struct ParseResult {
    int32_t code;                   // PROPTAG_OK or the rule that failed
    std::optional<TagBlock> block;  // set exactly when code is PROPTAG_OK
};

}  // namespace dvc::proptag
