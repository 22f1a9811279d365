// Tables of LUT words that travel behind a select code and a data code in
// 512-byte blocks: the front LUT, the 10-bit LUT and the media emulations'
// 1D LUTs. Block k of table t is chosen by writing t × stride + k to the
// select code; the data code then reads or writes those 512 bytes. The
// last block of a table that does not fill it is sent zero-padded.
#pragma once

#include <cstdint>
#include <vector>

#include "paths/varn_monitor_interface.hpp"

namespace dvc::paths {

inline constexpr uint32_t kTableBlockBytes = 512;

struct TableCodes {
    uint32_t select;
    uint32_t data;
    uint32_t stride;  // blocks reserved for each table
};

// `bytes` holds the whole table; a table longer than its stride is refused
// (DvErrInvalidParameter) before anything is sent.
DvError ReadTable(VarnMonitorInterface& path, const TableCodes& codes, uint32_t table, std::vector<uint8_t>& bytes);
DvError WriteTable(VarnMonitorInterface& path, const TableCodes& codes, uint32_t table,
                   const std::vector<uint8_t>& bytes);

// Words of `width` bytes (2 or 3), least significant byte first.
std::vector<uint8_t> PackTableWords(const std::vector<uint32_t>& words, uint32_t width);
std::vector<uint32_t> UnpackTableWords(const std::vector<uint8_t>& bytes, uint32_t width);

}  // namespace dvc::paths
