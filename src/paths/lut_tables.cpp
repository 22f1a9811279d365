#include "paths/lut_tables.hpp"

#include <algorithm>

#include "paths/feature_shapes.hpp"

namespace dvc::paths {

namespace {

uint32_t BlocksOf(std::size_t length) {
    return static_cast<uint32_t>((length + kTableBlockBytes - 1) / kTableBlockBytes);
}

// Runs `move(offset)` for each block of the table after selecting it; the
// first result that is not usable ends the table.
template <class Move>
DvError EachBlock(VarnMonitorInterface& path, const TableCodes& codes, uint32_t table, std::size_t length,
                  Move&& move) {
    const uint32_t blocks = BlocksOf(length);
    if (blocks == 0 || blocks > codes.stride) return DvErrInvalidParameter;
    DvError result = DvOk;
    for (uint32_t k = 0; k < blocks; ++k) {
        result = path.WriteValue(codes.select, table * codes.stride + k, 0);
        if (!Usable(result)) return result;
        result = move(k * kTableBlockBytes);
        if (!Usable(result)) return result;
    }
    return result;
}

}  // namespace

DvError ReadTable(VarnMonitorInterface& path, const TableCodes& codes, uint32_t table, std::vector<uint8_t>& bytes) {
    std::vector<uint8_t> padded(BlocksOf(bytes.size()) * kTableBlockBytes, 0);
    const DvError result = EachBlock(path, codes, table, bytes.size(), [&](std::size_t offset) {
        return path.ReadData(codes.data, padded.data() + offset, kTableBlockBytes);
    });
    if (Usable(result)) std::copy_n(padded.begin(), bytes.size(), bytes.begin());
    return result;
}

DvError WriteTable(VarnMonitorInterface& path, const TableCodes& codes, uint32_t table,
                   const std::vector<uint8_t>& bytes) {
    std::vector<uint8_t> padded(BlocksOf(bytes.size()) * kTableBlockBytes, 0);
    std::copy(bytes.begin(), bytes.end(), padded.begin());
    return EachBlock(path, codes, table, bytes.size(), [&](std::size_t offset) {
        return path.WriteData(codes.data, padded.data() + offset, kTableBlockBytes, 0);
    });
}

std::vector<uint8_t> PackTableWords(const std::vector<uint32_t>& words, uint32_t width) {
    std::vector<uint8_t> bytes(words.size() * width, 0);
    for (std::size_t i = 0; i < words.size(); ++i) PutLittleField(bytes.data() + i * width, width, words[i]);
    return bytes;
}

std::vector<uint32_t> UnpackTableWords(const std::vector<uint8_t>& bytes, uint32_t width) {
    std::vector<uint32_t> words(bytes.size() / width);
    for (std::size_t i = 0; i < words.size(); ++i) words[i] = LittleField(bytes.data() + i * width, width);
    return words;
}

}  // namespace dvc::paths
