// Tone LUTs as CSV text: "index,red,green,blue" (or "index,value" for one
// channel), 256 rows, levels 0.0 to 1.0. The parser takes any text and
// never throws, so that a fuzz target can call it; the reader takes a file
// only when it is a regular file of sensible size.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace dvc::cli {

inline constexpr std::size_t kLutEntries = 256;
using LutLevels = std::array<double, kLutEntries>;

struct LutCsv {
    std::vector<LutLevels> channels;  // one per value column
    std::size_t errorLine = 0;        // 0: parsed
    std::string error;
};

// `columns` value columns after the index (1 or 3). Blank lines and lines
// starting with '#' are skipped; a first line that is not numbers is a header.
LutCsv ParseLutCsv(std::string_view text, std::size_t columns);
// `names` heads the value columns.
std::string FormatLutCsv(const std::vector<LutLevels>& channels, const std::vector<std::string>& names);

// The text of `path`: throws std::runtime_error for a file that is missing,
// not a regular file, or larger than `limit` bytes.
std::string ReadSmallFile(const std::string& path, std::size_t limit = std::size_t{64} << 20);

}  // namespace dvc::cli
