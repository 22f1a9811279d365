// The tables by which the signal description block is decoded: port codes,
// stream attribute words, bit depths, and the AVI InfoFrame colorimetry.
// -1 stands for "the monitor does not say".
#pragma once

#include <array>
#include <cstdint>

namespace dvc::paths::infoframe {

struct PortEntry {
    uint16_t code;
    int32_t type;
};

// Port codes and the port types they report; any other code is type 0.
inline constexpr std::array<PortEntry, 25> kPortTypes = {{
    {0x0100, 10},     {0x0101, 11},     {0x0200, 20},     {0x0201, 21},     {0x0300, 30},
    {0x0301, 31},     {0x0400, 40},     {0x0401, 41},     {0x0500, 50},     {0x0501, 51},
    {0x0502, 52},     {0x0503, 53},     {0x0600, 60},     {0x0601, 61},     {0x0700, 70},
    {0x0701, 71},     {0x0800, 80},     {0x0801, 81},     {0x0A00, 0x0A00}, {0x0A01, 0x0A01},
    {0x0A02, 0x0A02}, {0x0A03, 0x0A03}, {0x0A10, 0x0A10}, {0x0A11, 0x0A11}, {0x0A20, 0x0A20},
}};

// Port types whose block carries a stream attribute word, and those whose
// bit depth is a byte of its own.
inline constexpr std::array<int32_t, 2> kStreamAttributePorts = {30, 31};
inline constexpr std::array<int32_t, 2> kBitDepthBytePorts = {40, 41};

struct StreamEntry {
    uint16_t masked;  // the word AND kStreamAttributeMask
    int32_t range;
    int32_t colorFormat;
    int32_t colorimetry;
};

inline constexpr uint16_t kStreamAttributeMask = 0x801E;
inline constexpr std::array<StreamEntry, 16> kStreamAttributes = {{
    {0x0000, 0, 0, -1},
    {0x0006, 0, 0, -1},
    {0x0016, 0, 0, -1},
    {0x0002, 0, 1, 8},
    {0x0004, 0, 2, 8},
    {0x0008, 1, 0, -1},
    {0x000A, 1, 1, 1},
    {0x000C, 1, 2, 1},
    {0x000E, 1, 0, 11},
    {0x0010, 0, -1, -1},
    {0x0012, 0, 1, 9},
    {0x0014, 0, 2, 9},
    {0x0018, 1, 0, 3},
    {0x001A, 1, 1, 2},
    {0x001C, 1, 2, 2},
    {0x001E, 1, -1, -1},
}};
inline constexpr StreamEntry kStreamAttributeRaw = {0x8000, 0, 4, -1};

// Bits per component from the stream attribute word AND 0xE0 (index by
// the value >> 5) and from the low four bits of the bit-depth byte.
inline constexpr uint16_t kStreamDepthMask = 0xE0;
inline constexpr std::array<int32_t, 8> kStreamDepths = {6, 8, 10, 12, 16, -1, -1, -1};
inline constexpr std::array<int32_t, 16> kByteDepths = {-1, -1, -1, -1, 8, 10, 12, 16, -1, -1, -1, -1, -1, -1, -1, -1};

// AVI InfoFrame: colour format by Y (Y 4 to 6 say nothing: kLeave).
inline constexpr int32_t kLeave = -2;
inline constexpr std::array<int32_t, 8> kAviColorFormats = {0, 1, 2, 3, kLeave, kLeave, kLeave, -1};

// Quantisation range: for RGB by Q, for YCbCr by YQ.
inline constexpr std::array<int32_t, 4> kAviRgbRanges = {-1, 1, 0, -1};
inline constexpr std::array<int32_t, 4> kAviYccRanges = {1, 0, -1, -1};

// Colorimetry by C for C 0 to 2 (C 3 goes to the extended tables).
inline constexpr std::array<int32_t, 3> kAviRgbColorimetry = {0, kLeave, kLeave};
inline constexpr std::array<int32_t, 3> kAviYccColorimetry = {14, 15, 2};
// Extended colorimetry by EC; for RGB, EC 7 is decided by ACE.
inline constexpr std::array<int32_t, 8> kAviRgbExtended = {kLeave, kLeave, kLeave, kLeave, 3, kLeave, 5, kLeave};
inline constexpr std::array<int32_t, 8> kAviYccExtended = {8, 9, 10, 4, kLeave, 6, 7, kLeave};
inline constexpr std::array<int32_t, 2> kAviRgbAdditional = {12, 13};  // EC 7 with ACE 0 or 1

}  // namespace dvc::paths::infoframe
