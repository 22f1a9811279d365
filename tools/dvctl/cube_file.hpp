// The common .cube text format of 3D LUTs: TITLE, LUT_3D_SIZE, DOMAIN_MIN
// and DOMAIN_MAX, '#' comments and blank lines, then N³ lines "r g b" of
// output values in 0..1 with the red input varying fastest.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace dvc::cli {

// What is wrong with a file, as "FILE:LINE: what".
class CubeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct CubeLut {
    std::string title;
    uint16_t size = 0;
    double domainMin = 0.0;  // one input range for the three channels, within 0..1
    double domainMax = 1.0;
    std::vector<uint16_t> image;  // the library's layout: 3·N³ values, blue input fastest
};

// The whole of a regular file of at most 64 MiB; throws CubeError otherwise.
std::string ReadInputFile(const std::string& path);

// Parses all of `text` before anything is used; `name` prefixes messages.
CubeLut ParseCube(std::string_view text, const std::string& name);
std::string FormatCube(const CubeLut& lut);

// The input levels (0..255) of a file's nodes: its domain spread evenly.
std::vector<uint16_t> CubeLevels(const CubeLut& lut);

}  // namespace dvc::cli
