// Builds a property-tag block in the format that proptag parses (see
// FORMAT.md). Header only: used by the virtual monitors and by tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace dvc::proptag {

class BlockWriter {
public:
    // An item with these bytes.
    BlockWriter& Bytes(uint16_t tag, const std::vector<uint8_t>& data) {
        items_.push_back({tag, data});
        return *this;
    }
    // An integer item of `width` bytes, least significant first.
    BlockWriter& Integer(uint16_t tag, uint32_t value, unsigned width = 4) {
        std::vector<uint8_t> data;
        for (unsigned i = 0; i < width; ++i) data.push_back(static_cast<uint8_t>(value >> (8 * (i % 4))));
        return Bytes(tag, data);
    }
    // An item of 16-bit fields, least significant byte first.
    BlockWriter& Words(uint16_t tag, std::initializer_list<uint16_t> words) {
        std::vector<uint8_t> data;
        for (uint16_t w : words) {
            data.push_back(static_cast<uint8_t>(w));
            data.push_back(static_cast<uint8_t>(w >> 8));
        }
        return Bytes(tag, data);
    }

    std::vector<uint8_t> Build() const {
        std::vector<uint8_t> out{0x50, 0x54, 1, 0};
        Put16(out, static_cast<uint16_t>(items_.size()));
        for (const auto& item : items_) {
            Put16(out, item.tag);
            Put16(out, static_cast<uint16_t>(item.data.size()));
            out.insert(out.end(), item.data.begin(), item.data.end());
        }
        Put16(out, 0);
        Reseal(out);
        return out;
    }

    // Rewrites the checksum of a built block (at least 2 bytes) after its
    // bytes were changed, e.g. to make a block that breaks exactly one rule.
    static void Reseal(std::vector<uint8_t>& block) {
        if (block.size() < 2) return;
        uint32_t sum = 0;
        for (size_t i = 0; i + 2 < block.size(); ++i) sum += block[i];
        block[block.size() - 2] = static_cast<uint8_t>(sum);
        block[block.size() - 1] = static_cast<uint8_t>(sum >> 8);
    }

private:
    struct Item {
        uint16_t tag;
        std::vector<uint8_t> data;
    };
    static void Put16(std::vector<uint8_t>& out, uint16_t v) {
        out.push_back(static_cast<uint8_t>(v));
        out.push_back(static_cast<uint8_t>(v >> 8));
    }
    std::vector<Item> items_;
};

}  // namespace dvc::proptag
