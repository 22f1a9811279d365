// Reading the items of a property-tag block: integers and byte lists.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace dvc::registry {

// The tags of one block. Absent tags read as 0 (integers) or empty (bytes).
class TagSource {
public:
    virtual ~TagSource() = default;
    // The item's bytes; nullopt when the block has no such tag.
    virtual std::optional<std::vector<uint8_t>> Item(uint16_t tag) const = 0;

    // The item's bytes little-endian: byte i adds in at bit 8 * i modulo 32,
    // so items longer than four bytes fold onto the same word.
    uint32_t Integer(uint16_t tag) const;
    std::vector<uint8_t> Bytes(uint16_t tag) const;
    // The item as 16-bit little-endian fields; an odd last byte is dropped.
    std::vector<uint16_t> Words(uint16_t tag) const;
};

// The tag parser's current block for the lifetime of this object. The
// parser keeps one block per process, so a ParsedTagBlock lives only within
// one identification step, under the registry's locks, and releases the
// parser's block when it goes (whether or not the parse succeeded).
class ParsedTagBlock final : public TagSource {
public:
    ParsedTagBlock(const uint8_t* data, uint32_t length);
    ~ParsedTagBlock() override;
    ParsedTagBlock(const ParsedTagBlock&) = delete;
    ParsedTagBlock& operator=(const ParsedTagBlock&) = delete;

    bool Parsed() const { return parsed_; }
    std::optional<std::vector<uint8_t>> Item(uint16_t tag) const override;

private:
    bool parsed_ = false;
};

}  // namespace dvc::registry
