// Decoding of the signal description block and its per-path read.
#include "paths/infoframe_decode.hpp"

#include <gtest/gtest.h>

#include <array>

#include "libdvc/dvc_modes_inputs.h"
#include "paths/fake_path.hpp"

using namespace dvc::paths::infoframe;

namespace {

// An AVI frame: type 2, version 2, length 13, then payload bytes a[3]..a[16].
std::array<uint8_t, 17> Avi(uint8_t y, uint8_t c, uint8_t q, uint8_t ec, uint8_t yq, uint8_t ace = 0,
                            uint8_t length = 13) {
    std::array<uint8_t, 17> a{};
    a[0] = 2;
    a[1] = 2;
    a[2] = length;
    a[3] = static_cast<uint8_t>(y << 5);
    a[4] = static_cast<uint8_t>(c << 6);
    a[5] = static_cast<uint8_t>((ec << 4) | (q << 2));
    a[7] = static_cast<uint8_t>(yq << 6);
    a[16] = static_cast<uint8_t>(ace << 4);
    return a;
}

SignalFields DecodedAvi(const std::array<uint8_t, 17>& frame) {
    SignalFields fields;
    EXPECT_EQ(DecodeAvi(frame, fields), DvOk);
    return fields;
}

TEST(SignalPort, CodesMapToTypes) {
    EXPECT_EQ(PortType(0x0100), 10);
    EXPECT_EQ(PortType(0x0301), 31);
    EXPECT_EQ(PortType(0x0502), 52);
    EXPECT_EQ(PortType(0x0503), 53);
    EXPECT_EQ(PortType(0x0801), 81);
    EXPECT_EQ(PortType(0x0A03), 2563);
    EXPECT_EQ(PortType(0x0A20), 2592);
    EXPECT_EQ(PortType(0x0504), 0);
    EXPECT_EQ(PortType(0x0900), 0);
    EXPECT_EQ(PortType(0x0A04), 0);
    EXPECT_EQ(PortType(0x0001), 0);
}

TEST(SignalStream, AttributeWordTable) {
    struct Case {
        uint16_t word;
        int32_t range, format, colorimetry, depth;
    };
    const Case cases[] = {
        {0x0000, 0, 0, -1, 6},     {0x0020 | 0x0006, 0, 0, -1, 8}, {0x0040 | 0x0002, 0, 1, 8, 10},
        {0x0060 | 0x000A, 1, 1, 1, 12}, {0x0080 | 0x000E, 1, 0, 11, 16}, {0x0018, 1, 0, 3, 6},
        {0x001E, 1, -1, -1, 6},    {0x8000 | 0x0020, 0, 4, -1, 8}, {0x0010 | 0x00A0, 0, -1, -1, -1},
        {0x0001 | 0x0004, 0, 2, 8, 6}, // bits outside the mask do not matter
    };
    for (const auto& c : cases) {
        SignalFields fields;
        ApplyStreamAttributes(c.word, fields);
        EXPECT_EQ(fields.range, c.range) << std::hex << c.word;
        EXPECT_EQ(fields.colorFormat, c.format) << std::hex << c.word;
        EXPECT_EQ(fields.colorimetry, c.colorimetry) << std::hex << c.word;
        EXPECT_EQ(fields.bitDepth, c.depth) << std::hex << c.word;
    }
    SignalFields unknown{0, 5, 5, 5, 5, 5};
    ApplyStreamAttributes(0x8002 | 0x0020, unknown);
    EXPECT_EQ(unknown.range, -1);
    EXPECT_EQ(unknown.colorFormat, -1);
    EXPECT_EQ(unknown.colorimetry, -1);
    EXPECT_EQ(unknown.bitDepth, -1) << "an unknown word says nothing, depth included";
}

TEST(SignalStream, BitDepthByte) {
    EXPECT_EQ(ByteBitDepth(0x04), 8);
    EXPECT_EQ(ByteBitDepth(0x15), 10);
    EXPECT_EQ(ByteBitDepth(0x06), 12);
    EXPECT_EQ(ByteBitDepth(0xF7), 16);
    EXPECT_EQ(ByteBitDepth(0x03), -1);
    EXPECT_EQ(ByteBitDepth(0x08), -1);
}

TEST(SignalAvi, RgbRangeAndColorimetry) {
    auto f = DecodedAvi(Avi(0, 0, 1, 0, 0));
    EXPECT_EQ(f.colorFormat, 0);
    EXPECT_EQ(f.range, 1);
    EXPECT_EQ(f.colorimetry, 0);
    EXPECT_EQ(DecodedAvi(Avi(0, 0, 2, 0, 0)).range, 0);
    EXPECT_EQ(DecodedAvi(Avi(0, 0, 3, 0, 0)).range, -1);
    EXPECT_EQ(DecodedAvi(Avi(0, 0, 0, 0, 1)).range, -1) << "YQ is for YCbCr only";
    EXPECT_EQ(DecodedAvi(Avi(0, 3, 0, 4, 0)).colorimetry, 3);
    EXPECT_EQ(DecodedAvi(Avi(0, 3, 0, 6, 0)).colorimetry, 5);
    EXPECT_EQ(DecodedAvi(Avi(0, 3, 0, 7, 0, 0, 14)).colorimetry, 12);
    EXPECT_EQ(DecodedAvi(Avi(0, 3, 0, 7, 0, 1, 14)).colorimetry, 13);
    EXPECT_EQ(DecodedAvi(Avi(0, 3, 0, 7, 0, 1, 13)).colorimetry, -1) << "a short frame has no ACE";
    EXPECT_EQ(DecodedAvi(Avi(0, 3, 0, 7, 0, 2, 14)).colorimetry, -1);
    EXPECT_EQ(DecodedAvi(Avi(0, 1, 0, 0, 0)).colorimetry, -1);
    EXPECT_EQ(DecodedAvi(Avi(0, 3, 0, 0, 0)).colorimetry, -1);
}

TEST(SignalAvi, YccRangeAndColorimetry) {
    auto f = DecodedAvi(Avi(1, 0, 2, 0, 0));
    EXPECT_EQ(f.colorFormat, 1);
    EXPECT_EQ(f.range, 1) << "YQ 0 is limited; Q is for RGB only";
    EXPECT_EQ(f.colorimetry, 14);
    EXPECT_EQ(DecodedAvi(Avi(2, 0, 0, 0, 1)).range, 0);
    EXPECT_EQ(DecodedAvi(Avi(3, 0, 0, 0, 2)).range, -1);
    EXPECT_EQ(DecodedAvi(Avi(3, 0, 0, 0, 3)).colorFormat, 3);
    EXPECT_EQ(DecodedAvi(Avi(2, 1, 0, 0, 0)).colorimetry, 15);
    EXPECT_EQ(DecodedAvi(Avi(2, 2, 0, 0, 0)).colorimetry, 2);
    const int32_t extended[8] = {8, 9, 10, 4, -1, 6, 7, -1};
    for (uint8_t ec = 0; ec < 8; ++ec) EXPECT_EQ(DecodedAvi(Avi(2, 3, 0, ec, 0)).colorimetry, extended[ec]) << int(ec);
}

TEST(SignalAvi, ReservedFormatsAndForeignFrames) {
    SignalFields kept{30, 1, 10, 2, 9, -1};
    EXPECT_EQ(DecodeAvi(Avi(5, 0, 1, 0, 0), kept), DvOk);
    EXPECT_EQ(kept.colorFormat, 2) << "Y 4 to 6 leave the format";
    EXPECT_EQ(kept.colorimetry, 9);
    EXPECT_EQ(kept.range, -1);
    EXPECT_EQ(DecodeAvi(Avi(7, 0, 1, 0, 0), kept), DvOk);
    EXPECT_EQ(kept.colorFormat, -1);
    EXPECT_EQ(kept.colorimetry, -1);

    SignalFields fields{30, 1, 10, 2, 9, 3};
    auto frame = Avi(0, 0, 1, 0, 0);
    frame[0] = 3;
    EXPECT_EQ(DecodeAvi(frame, fields), DvErrNoData);
    frame[0] = 2;
    frame[1] = 0;
    EXPECT_EQ(DecodeAvi(frame, fields), DvErrNoData);
    EXPECT_EQ(DecodeAvi(std::span<const uint8_t>(frame.data(), 16), fields), DvErrWrongLength);
    EXPECT_EQ(fields.range, 1);
    EXPECT_EQ(fields.colorFormat, 2);
}

TEST(SignalDrm, TransferFunction) {
    std::array<uint8_t, 29> d{7, 1, 26, 2};
    SignalFields fields;
    EXPECT_EQ(DecodeDrm(d, fields), DvOk);
    EXPECT_EQ(fields.transferFunction, 2);
    d[3] = 4;
    EXPECT_EQ(DecodeDrm(d, fields), DvOk);
    EXPECT_EQ(fields.transferFunction, -1);
    d[0] = 2;
    fields.transferFunction = 3;
    EXPECT_EQ(DecodeDrm(d, fields), DvErrNoData);
    EXPECT_EQ(DecodeDrm(std::span<const uint8_t>(d.data(), 28), fields), DvErrWrongLength);
    EXPECT_EQ(fields.transferFunction, 3);
}

std::vector<uint8_t> Block(uint16_t port) {
    std::vector<uint8_t> block(kBlockBytes, 0);
    block[0] = port & 0xFF;
    block[1] = port >> 8;
    return block;
}

TEST(SignalBlock, DisplayPortStreamThenInfoFrames) {
    auto block = Block(0x0300);
    block[2] = 0x4C; // 10 bits, YCbCr 4:4:4 limited, colorimetry 1
    const auto avi = Avi(0, 0, 1, 0, 0);
    std::copy(avi.begin(), avi.end(), block.begin() + kAviAt);
    block[kDrmAt] = 7;
    block[kDrmAt + 1] = 1;
    block[kDrmAt + 3] = 3;
    SignalFields fields;
    EXPECT_EQ(DecodeSignalBlock(block, fields), DvOk);
    EXPECT_EQ(fields.portType, 30);
    EXPECT_EQ(fields.bitDepth, 10);
    EXPECT_EQ(fields.colorFormat, 0) << "a present AVI frame has the last word";
    EXPECT_EQ(fields.range, 1);
    EXPECT_EQ(fields.transferFunction, 3);

    block[kAviAt] = 0;
    EXPECT_EQ(DecodeSignalBlock(block, fields), DvOk);
    EXPECT_EQ(fields.colorFormat, 2);
    EXPECT_EQ(fields.colorimetry, 1);
}

TEST(SignalBlock, HdmiDepthByteAndOtherPorts) {
    auto block = Block(0x0401);
    block[kBitDepthAt] = 0x05;
    block[2] = 0x4C; // not a stream word on this port
    SignalFields fields;
    EXPECT_EQ(DecodeSignalBlock(block, fields), DvOk);
    EXPECT_EQ(fields.portType, 41);
    EXPECT_EQ(fields.bitDepth, 10);
    EXPECT_EQ(fields.colorFormat, -1);
    EXPECT_EQ(fields.transferFunction, -1);

    block = Block(0x0100);
    block[kBitDepthAt] = 0x05;
    EXPECT_EQ(DecodeSignalBlock(block, fields), DvOk);
    EXPECT_EQ(fields.bitDepth, -1);
    EXPECT_EQ(DecodeSignalBlock(std::span<const uint8_t>(block.data(), 107), fields), DvErrWrongLength);
}

TEST(SignalRead, ShortBlockIsNotSupportedAndForeignFramesStillAnswer) {
    constexpr uint32_t code = 0xFF01010A;
    dvc::test::FakePath path;
    path.Set(code).length = 100;
    DvSignalInfoFrame info{};
    EXPECT_EQ(path.GetSignalInfoFrame(&info), DvErrNotSupported);
    EXPECT_TRUE(path.CallsOf("ReadData", code).empty());

    auto block = Block(0x0401);
    const auto avi = Avi(0, 0, 1, 0, 0);
    std::copy(avi.begin(), avi.end(), block.begin() + kAviAt);
    block[kAviAt] = 3;
    block.resize(120, 0xEE);
    path.features[code].length = 120;
    path.features[code].data = block;
    path.results[{"ReadData", code}] = {DvErrRefused};
    EXPECT_EQ(path.GetSignalInfoFrame(&info), DvErrRefused);
    EXPECT_EQ(path.CallsOf("ReadData", code)[0].value, 120u);
    EXPECT_EQ(info.portType, 41);
    EXPECT_EQ(info.quantizationRange, -1);
    EXPECT_EQ(info.colorFormat, -1);
    EXPECT_EQ(info.colorimetry, -1);

    path.results[{"ReadData", code}] = {DvErrFailed};
    info.portType = 99;
    EXPECT_EQ(path.GetSignalInfoFrame(&info), DvErrFailed);
    EXPECT_EQ(info.portType, 99);
    path.results[{"ReadFixedData", code}] = {DvErrFailed};
    EXPECT_EQ(path.GetSignalInfoFrame(&info), DvErrNotSupported) << "an unread length counts as none";
    EXPECT_EQ(path.GetSignalInfoFrame(nullptr), DvErrInvalidParameter);
}

}  // namespace
