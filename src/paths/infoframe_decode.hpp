// Decoding of the monitor's signal description block: the port, the stream
// attributes, the AVI InfoFrame and the dynamic range and mastering
// InfoFrame. Pure functions; the per-path read is in modes_inputs.cpp.
#pragma once

#include <cstdint>
#include <span>

#include "libdvc/dvc_types.h"

namespace dvc::paths::infoframe {

inline constexpr size_t kBlockBytes = 108;
inline constexpr size_t kStreamAttributeAt = 2;
inline constexpr size_t kBitDepthAt = 18;
inline constexpr size_t kAviAt = 34;
inline constexpr size_t kAviBytes = 17;
inline constexpr size_t kDrmAt = 79;
inline constexpr size_t kDrmBytes = 29;

struct SignalFields {
    int32_t portType = 0;
    int32_t range = -1;
    int32_t bitDepth = -1;
    int32_t colorFormat = -1;
    int32_t colorimetry = -1;
    int32_t transferFunction = -1;
};

int32_t PortType(uint16_t code);

// Range, colour format, colorimetry and bit depth from a stream attribute
// word; all four -1 for a word the table does not know.
void ApplyStreamAttributes(uint16_t word, SignalFields& fields);

// Bits per component from the low four bits of the bit-depth byte.
int32_t ByteBitDepth(uint8_t byte);

// The AVI InfoFrame (type byte, version, length, then the payload; no
// checksum byte): DvErrWrongLength when shorter than 17 bytes, DvErrNoData
// when it is not an AVI frame; the fields are then unchanged. Fields the
// frame says nothing about are left as they are.
DvError DecodeAvi(std::span<const uint8_t> frame, SignalFields& fields);

// The dynamic range and mastering InfoFrame: the transfer function.
DvError DecodeDrm(std::span<const uint8_t> frame, SignalFields& fields);

// The whole block: DvErrWrongLength when shorter than kBlockBytes, else 0
// with every field decoded (an absent InfoFrame leaves its fields at -1).
DvError DecodeSignalBlock(std::span<const uint8_t> block, SignalFields& fields);

}  // namespace dvc::paths::infoframe
