// The paged record container: an item of the monitor kept as pages, each
// one block of the item's length: {page index, page count, records, zeros}.
// A record is {key (never 0), length LE16, value}; numbers inside values are
// little-endian. Long arrays travel as 256-byte chunks under consecutive
// pages and keys. This file is the pure codec (bytes to records and back);
// paged_transfer.hpp moves the blocks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <vector>

namespace dvc::selfcal::paged {

using Bytes = std::vector<uint8_t>;
using Page = std::map<uint8_t, Bytes>;   // key -> value
using Pages = std::map<uint32_t, Page>;  // page index -> its records

inline constexpr std::size_t kPageHeaderBytes = 2;
inline constexpr std::size_t kRecordHeaderBytes = 3;
inline constexpr std::size_t kChunkBytes = 256;

// The records of one block. A key of 0 ends the page, and so does the end
// of the block: a record that would run past it is dropped. A key seen twice
// keeps its last value.
Page DecodePage(std::span<const uint8_t> block);

// Page `index` of `count` as a block of `length` bytes, records in ascending
// key order; nullopt when they do not fit.
std::optional<Bytes> EncodePage(uint8_t index, uint8_t count, const Page& page, std::size_t length);

// The value under (page, key), or null.
const Bytes* Find(const Pages& pages, uint32_t page, uint8_t key);

// An array split into 256-byte chunks, chunk i at (firstPage + i, firstKey + i).
void PutChunked(Pages& pages, uint32_t firstPage, uint8_t firstKey, std::span<const uint8_t> data);
// The array of `chunks` chunks put back together; nullopt when a chunk is
// missing or not exactly 256 bytes.
std::optional<Bytes> GetChunked(const Pages& pages, uint32_t firstPage, uint8_t firstKey, std::size_t chunks);

// Little-endian numbers inside values.
uint32_t ReadLE(std::span<const uint8_t> bytes, std::size_t offset, std::size_t width);
void AppendLE(Bytes& out, uint32_t value, std::size_t width);
Bytes LE(uint32_t value, std::size_t width);

}  // namespace dvc::selfcal::paged
