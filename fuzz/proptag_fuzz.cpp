// libFuzzer entry for the property-tag parser. Beyond surviving any input,
// it holds the parser to an independent reading of the format: a block is
// accepted exactly when it is well formed, an accepted block yields exactly
// its items (also through a short buffer), and a refused one leaves the
// previous block current.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "proptag/block_writer.hpp"
#include "proptag/proptag.h"

namespace {

constexpr uint16_t kReferenceTag = 0x7FFF;

void Check(bool ok) {
    if (!ok) std::abort();
}

uint16_t Read16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

struct Item {
    uint16_t tag;
    uint16_t length;
    const uint8_t* data;
};

// The items of a well-formed block, walked as the format describes it;
// false for a block that breaks any rule.
bool WalkBlock(const uint8_t* block, size_t size, std::vector<Item>& items) {
    if (block == nullptr || size < 8 || size > 0xFFFF) return false;
    if (block[0] != 0x50 || block[1] != 0x54 || block[2] != 1) return false;
    const size_t end = size - 2;
    uint16_t sum = 0;
    for (size_t i = 0; i < end; ++i) sum = static_cast<uint16_t>(sum + block[i]);
    if (sum != Read16(block + end)) return false;
    std::vector<bool> seen(0x10000);
    size_t at = 6;
    for (unsigned n = Read16(block + 4); n > 0; --n) {
        if (at + 4 > end) return false;
        const Item item{Read16(block + at), Read16(block + at + 2), block + at + 4};
        if (at + 4 + item.length > end || seen[item.tag]) return false;
        seen[item.tag] = true;
        items.push_back(item);
        at += 4 + item.length;
    }
    return at == end;
}

void CheckItem(const Item& item) {
    uint16_t size = 0;
    Check(DvpGetTagDataSize(&item.tag, &size) == item.length && size == item.length);
    for (const uint16_t capacity : {item.length, static_cast<uint16_t>(item.length / 2)}) {
        std::vector<uint8_t> buffer(capacity + 1u, 0xA5);  // one guard byte
        uint16_t copied = capacity;
        Check(DvpGetTagData(&item.tag, buffer.data(), &copied) == item.length);
        Check(copied == capacity && std::memcmp(buffer.data(), item.data, copied) == 0);
        Check(buffer[capacity] == 0xA5);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::vector<uint8_t> reference = dvc::proptag::BlockWriter().Bytes(kReferenceTag, {1, 2, 3}).Build();
    const uint32_t referenceLength = static_cast<uint32_t>(reference.size());
    Check(DvpTagParse(reference.data(), &referenceLength) == PROPTAG_OK);

    std::vector<Item> items;
    const bool wellFormed = WalkBlock(data, size, items);
    const uint32_t length = size > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<uint32_t>(size);
    const int32_t result = DvpTagParse(data, &length);
    Check((result == PROPTAG_OK) == wellFormed && (result == PROPTAG_OK || result < 0));

    uint16_t size16 = 0;
    if (wellFormed) {
        std::vector<bool> present(0x10000);
        for (const Item& item : items) {
            CheckItem(item);
            present[item.tag] = true;
        }
        uint16_t absent = 0;
        while (present[absent]) ++absent;  // a block holds at most 16382 items
        Check(DvpGetTagDataSize(&absent, &size16) == PROPTAG_ERR_NOT_FOUND);
    } else {
        Check(DvpGetTagDataSize(&kReferenceTag, &size16) == 3);
    }
    DvpReleaseTagData();
    Check(DvpGetTagDataSize(&kReferenceTag, &size16) == PROPTAG_ERR_NO_BLOCK);
    return 0;
}
