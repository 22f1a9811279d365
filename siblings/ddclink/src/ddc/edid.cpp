#include "ddc/edid.hpp"

#include <algorithm>
#include <array>

namespace dvc::ddc {
namespace {

constexpr size_t kBlock = 128;
constexpr size_t kDescriptors[] = {54, 72, 90, 108};

// Descriptor text: 13 bytes, ended by a line feed and padded with spaces.
std::string DescriptorText(std::span<const uint8_t> d) {
    std::string s;
    for (size_t i = 5; i < 18 && d[i] != 0x0A && d[i] != 0; ++i) s.push_back(static_cast<char>(d[i]));
    while (!s.empty() && s.back() == ' ') s.pop_back();
    while (!s.empty() && s.front() == ' ') s.erase(s.begin());
    return s;
}

// The 10-bit coordinate: eight high bits in their own byte, two low bits
// packed with the other coordinates' in byte 25 or 26.
double Coordinate(std::span<const uint8_t> b, size_t high, size_t lowByte, int shift) {
    const int raw = b[high] << 2 | ((b[lowByte] >> shift) & 3);
    return raw / 1024.0;
}

DetailedTiming Timing(std::span<const uint8_t> d) {
    DetailedTiming t;
    t.pixelClockKHz = static_cast<uint32_t>(d[0] | d[1] << 8) * 10;
    t.width = static_cast<uint16_t>(d[2] | (d[4] & 0xF0) << 4);
    t.hBlank = static_cast<uint16_t>(d[3] | (d[4] & 0x0F) << 8);
    t.height = static_cast<uint16_t>(d[5] | (d[7] & 0xF0) << 4);
    t.vBlank = static_cast<uint16_t>(d[6] | (d[7] & 0x0F) << 8);
    t.interlaced = (d[17] & 0x80) != 0;
    return t;
}

}  // namespace

double DetailedTiming::refreshHz() const {
    const double total = double(width + hBlank) * double(height + vBlank);
    return total > 0 ? pixelClockKHz * 1000.0 / total : 0.0;
}

std::optional<Edid> ParseEdid(std::span<const uint8_t> b) {
    static constexpr std::array<uint8_t, 8> kHeader{0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    if (b.size() < kBlock || !std::equal(kHeader.begin(), kHeader.end(), b.begin())) return std::nullopt;
    Edid e;
    const int m = b[8] << 8 | b[9];
    for (const int shift : {10, 5, 0}) e.manufacturer.push_back(static_cast<char>('A' - 1 + ((m >> shift) & 0x1F)));
    e.productCode = static_cast<uint16_t>(b[10] | b[11] << 8);
    e.serialNumber = static_cast<uint32_t>(b[12]) | static_cast<uint32_t>(b[13]) << 8 |
                     static_cast<uint32_t>(b[14]) << 16 | static_cast<uint32_t>(b[15]) << 24;
    e.week = b[16];
    e.year = static_cast<uint16_t>(1990 + b[17]);
    e.red = {Coordinate(b, 27, 25, 6), Coordinate(b, 28, 25, 4)};
    e.green = {Coordinate(b, 29, 25, 2), Coordinate(b, 30, 25, 0)};
    e.blue = {Coordinate(b, 31, 26, 6), Coordinate(b, 32, 26, 4)};
    e.white = {Coordinate(b, 33, 26, 2), Coordinate(b, 34, 26, 0)};
    for (const size_t at : kDescriptors) {
        const auto d = b.subspan(at, 18);
        if (d[0] != 0 || d[1] != 0) {
            if (!e.preferred) e.preferred = Timing(d);
            continue;
        }
        if (d[3] == 0xFF && e.serialText.empty()) e.serialText = DescriptorText(d);
        if (d[3] == 0xFC && e.name.empty()) e.name = DescriptorText(d);
    }
    return e;
}

}  // namespace dvc::ddc
