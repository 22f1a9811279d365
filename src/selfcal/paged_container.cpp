#include "selfcal/paged_container.hpp"

#include <algorithm>

namespace dvc::selfcal::paged {

Page DecodePage(std::span<const uint8_t> block) {
    Page page;
    std::size_t at = kPageHeaderBytes;
    while (at + kRecordHeaderBytes <= block.size()) {
        const uint8_t key = block[at];
        if (key == 0) break;
        const std::size_t length = ReadLE(block, at + 1, 2);
        at += kRecordHeaderBytes;
        if (length > block.size() - at) break;
        page.insert_or_assign(key, Bytes(block.begin() + static_cast<std::ptrdiff_t>(at),
                                         block.begin() + static_cast<std::ptrdiff_t>(at + length)));
        at += length;
    }
    return page;
}

std::optional<Bytes> EncodePage(uint8_t index, uint8_t count, const Page& page, std::size_t length) {
    if (length < kPageHeaderBytes) return std::nullopt;
    Bytes block;
    block.reserve(length);
    block.push_back(index);
    block.push_back(count);
    for (const auto& [key, value] : page) {
        if (key == 0 || value.size() > 0xFFFF) return std::nullopt;
        if (block.size() + kRecordHeaderBytes + value.size() > length) return std::nullopt;
        block.push_back(key);
        AppendLE(block, static_cast<uint32_t>(value.size()), 2);
        block.insert(block.end(), value.begin(), value.end());
    }
    block.resize(length, 0);
    return block;
}

const Bytes* Find(const Pages& pages, uint32_t page, uint8_t key) {
    const auto p = pages.find(page);
    if (p == pages.end()) return nullptr;
    const auto k = p->second.find(key);
    return k == p->second.end() ? nullptr : &k->second;
}

void PutChunked(Pages& pages, uint32_t firstPage, uint8_t firstKey, std::span<const uint8_t> data) {
    for (std::size_t i = 0; i * kChunkBytes < data.size(); ++i) {
        const auto chunk = data.subspan(i * kChunkBytes, std::min(kChunkBytes, data.size() - i * kChunkBytes));
        pages[firstPage + static_cast<uint32_t>(i)][static_cast<uint8_t>(firstKey + i)] =
            Bytes(chunk.begin(), chunk.end());
    }
}

std::optional<Bytes> GetChunked(const Pages& pages, uint32_t firstPage, uint8_t firstKey, std::size_t chunks) {
    Bytes out;
    out.reserve(chunks * kChunkBytes);
    for (std::size_t i = 0; i < chunks; ++i) {
        const Bytes* chunk = Find(pages, firstPage + static_cast<uint32_t>(i), static_cast<uint8_t>(firstKey + i));
        if (chunk == nullptr || chunk->size() != kChunkBytes) return std::nullopt;
        out.insert(out.end(), chunk->begin(), chunk->end());
    }
    return out;
}

uint32_t ReadLE(std::span<const uint8_t> bytes, std::size_t offset, std::size_t width) {
    uint32_t value = 0;
    for (std::size_t i = 0; i < width && offset + i < bytes.size(); ++i)
        value |= static_cast<uint32_t>(bytes[offset + i]) << (8 * i);
    return value;
}

void AppendLE(Bytes& out, uint32_t value, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

Bytes LE(uint32_t value, std::size_t width) {
    Bytes out;
    AppendLE(out, value, width);
    return out;
}

}  // namespace dvc::selfcal::paged
