#include "registry/tag_reader.hpp"

#include "proptag/proptag.h"

namespace dvc::registry {

uint32_t TagSource::Integer(uint16_t tag) const {
    const auto bytes = Item(tag);
    if (!bytes) return 0;
    uint32_t value = 0;
    for (std::size_t i = 0; i < bytes->size(); ++i) value += uint32_t{(*bytes)[i]} << ((8 * i) % 32);
    return value;
}

std::vector<uint8_t> TagSource::Bytes(uint16_t tag) const {
    auto bytes = Item(tag);
    return bytes ? std::move(*bytes) : std::vector<uint8_t>{};
}

std::vector<uint16_t> TagSource::Words(uint16_t tag) const {
    const auto bytes = Bytes(tag);
    std::vector<uint16_t> words;
    words.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        words.push_back(static_cast<uint16_t>(bytes[i] | (bytes[i + 1] << 8)));
    return words;
}

ParsedTagBlock::ParsedTagBlock(const uint8_t* data, uint32_t length) {
    // The parser takes the length as a 16-bit value held in 32 bits.
    const uint32_t held = length;
    parsed_ = data != nullptr && DvpTagParse(data, &held) >= 0;
}

ParsedTagBlock::~ParsedTagBlock() { DvpReleaseTagData(); }

std::optional<std::vector<uint8_t>> ParsedTagBlock::Item(uint16_t tag) const {
    if (!parsed_) return std::nullopt;
    uint16_t size = 0;
    if (DvpGetTagDataSize(&tag, &size) < 0) return std::nullopt;
    // One spare byte so that an empty item still hands the parser a buffer.
    std::vector<uint8_t> data(std::size_t{size} + 1);
    uint16_t room = size;
    if (DvpGetTagData(&tag, data.data(), &room) < 0) return std::nullopt;
    data.resize(room < size ? room : size);
    return data;
}

}  // namespace dvc::registry
