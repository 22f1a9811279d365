// The per-area encodings (picture, modes_inputs, keys_osd, info, storage) on
// the HID path: the transactions each sends, in order, its waits, and what
// it makes of the monitor's edge answers.
#include <array>
#include <cstring>
#include <memory>

#include "paths/info.hpp"
#include "paths/keys_osd.hpp"
#include "paths/modes_inputs.hpp"
#include "paths/path_world.hpp"
#include "paths/picture.hpp"
#include "paths/storage.hpp"

namespace dvc::test {
namespace {

using dvcsim::Op;
using namespace dvc::paths;
using Pauses = std::vector<uint32_t>;
using AreaEncodings = PathWorld;

TEST_F(AreaEncodings, PictureColourOffAndBackAndThePrimaries) {
    uint32_t previous = 9;
    ASSERT_EQ(SetColorDisable(*hid, 1, &previous, 250), DvOk);
    ASSERT_EQ(SetColorDisable(*hid, 1, &previous, 250), DvOk);  // already off: no refresh
    EXPECT_EQ(previous, 1u);
    EXPECT_EQ(Trace(), (Strings{"R ff010052", "W ff010052=1", "W ff020049=1", "R ff010052", "W ff010052=1"}));
    dvcsim::ResetState();
    DvColorDisableState* state = nullptr;
    ASSERT_EQ(DisableColorForCandelaUpdate(*hid, &state, 40), DvOk);
    const std::unique_ptr<DvColorDisableState> owned(state);
    EXPECT_EQ(state->colourWasDisabled * 10 + state->lutWasOn, 1u);
    ASSERT_EQ(RestoreDisableColorForCandelaUpdate(*hid, *state), DvOk);
    EXPECT_EQ(Trace(), (Strings{"R ff010052", "F ff0100b0", "R ff0100b0", "R ff010052", "W ff010052=1", "W ff020049=1",
                                "W ff0100b0=0", "W ff0100b0=1", "W ff010052=0"}));
    EXPECT_EQ(WaitRecorder::pauses, (Pauses{250, 40}));

    std::array<colour, 4> c{};
    c[2].x = 0.5;  // blue is not among the controls: kept
    const auto primaries = [&](VarnMonitorInterface& path) {
        const DvError r = GetRGBWChromaticities(path, &c[0], &c[1], &c[2], &c[3]);
        return std::array<double, 5>{static_cast<double>(r), c[0].x, c[1].y, c[2].x, c[3].y};
    };
    EXPECT_EQ(primaries(*hid), (std::array<double, 5>{DvOk, 0.64, 0.6, 0.5, 0.329}));
    Fault(Op::GetFixedData, 0x44, DvErrNotSupported);  // no controls: the EDID's 10-bit values
    EXPECT_EQ(primaries(*hid), (std::array<double, 5>{DvOk, 655 / 1024.0, 614 / 1024.0, 154 / 1024.0, 337 / 1024.0}));
    EXPECT_EQ(GetRGBWChromaticities(*ddcci, &c[0], &c[1], &c[2], &c[3]), DvErrFailed);
}

TEST_F(AreaEncodings, PolledJobs) {
    ASSERT_EQ(ExecuteEDIDDDCWrite(*hid), DvOk);
    EXPECT_EQ(Trace(), (Strings{"W ff020037=255", "R ff020037", "R ff020037", "R ff020037"}));
    Fault(Op::GetValue, 0xFF020037, DvErrTimeout);
    EXPECT_EQ(ExecuteEDIDDDCWrite(*hid), DvErrTimeout);
    EXPECT_EQ(SetAutoAdjust(*hid, 5, 1), DvErrNotSupported);
    for (int kind = 1; kind <= 4; ++kind) ASSERT_EQ(SetAutoAdjust(*hid, kind, 0), DvOk);
    ASSERT_EQ(SetAutoAdjust(*hid, 2, 1), DvOk);
    EXPECT_EQ(Trace(), (Strings{"W ff020037=255", "R ff020037", "W 3=0", "W 3=4", "W 3=5", "W 3=7", "W 3=4", "R 3",
                                "R 3", "R 3"}));
    EXPECT_EQ(SetAutoAdjust(*hid, 4, 1), DvErrTimeout);  // 7 never finishes
    EXPECT_EQ(WaitRecorder::Total(), 2 * 100 + 3 * 500 + 20 * 500);
    Use(R"({"0xFF020037": {"sequences": {"255": [{"value": 3, "reads": 1}, {"value": 0}]}}})");
    EXPECT_EQ(ExecuteEDIDDDCWrite(*hid), DvErrFailed);
}

TEST_F(AreaEncodings, SelectedRecordsAndWholeBlocks) {
    DvIISArea area{};
    EXPECT_EQ(GetIISArea(*hid, 2, &area), DvErrInvalidParameter);  // two areas
    ASSERT_EQ(GetIISArea(*hid, 1, &area), DvOk);
    EXPECT_EQ((std::array{area.setting[0], area.setting[2], area.geometry[1], area.geometry[3]}),
              (std::array{1u, 3u, 0x120u, 0x438u}));
    DvOutputSegmentProperty segment{}, constant{};
    ASSERT_EQ(GetOutputSegmentProperty(*hid, 3, &segment), DvOk);
    ASSERT_EQ(GetOutputSegmentPropertyConstant(*hid, 3, &constant), DvOk);
    EXPECT_EQ((std::array{segment.values[0], segment.values[3], uint16_t{segment.bytes[1]}}),
              (std::array<uint16_t, 3>{0x0201, 0x0807, 0xBB}));
    EXPECT_EQ((std::array{segment.flag, segment.kind, constant.flag, constant.kind}), (std::array{1, 2, 0, 1}));
    EXPECT_EQ(Trace(), (Strings{"F ff0000f7", "F ff0000f7", "W ff0000f7=1", "D ff0000f8#12", "W ff010103=3",
                                "D ff010105#12", "W ff010103=3", "D ff010104#12"}));

    Fault(Op::GetFixedData, 0xFF010100, 0, 0, 1, dvcsim::FaultKind::RefusedData);  // a refusal still gives the length
    ASSERT_EQ(ClearTargetSelection(*hid), DvOk);
    ASSERT_EQ(SetUSBSelection(*hid, 2), DvOk);
    EXPECT_EQ(SetUSBSelection(*ddcci, 2), DvErrNotSupported);
    EXPECT_EQ(Trace(), (Strings{"F ff010100", "S ff010100:00000000", "F ff010073", "U ff010073:0200", "F ff010073"}));

    DvSignalInfoFrame info{};
    ASSERT_EQ(GetSignalInfoFrame(*hid, &info), DvOk);
    EXPECT_EQ((std::array{info.portType, info.quantizationRange, info.bitDepth, info.colorFormat, info.colorimetry,
                          info.transferFunction}),
              (std::array{41, 1, 10, 2, 2, 2}));
    EXPECT_EQ(Trace(), (Strings{"F ff01010a", "D ff01010a#120"}));
    Use(R"({"0xFF01010A": {"kind": "data", "length": 107, "port": null, "bits_per_component": null, "avi": null,
                           "drm": null}})");
    EXPECT_EQ(GetSignalInfoFrame(*hid, &info), DvErrNotSupported);
    EXPECT_EQ(Trace(), Strings{"F ff01010a"});
}

TEST_F(AreaEncodings, KeysAndTheCrossMarker) {
    ASSERT_EQ(ShowCenterCrossMarker(*hid), DvOk);
    ASSERT_EQ(HideCenterCrossMarker(*hid), DvOk);
    Fault(Op::GetValue, 0x3B, DvErrFailed, 0, 0);  // a read that fails is not "off"
    EXPECT_EQ(HideCenterCrossMarker(*hid), DvErrFailed);
    EXPECT_EQ(Trace(), (Strings{"W 3b=127", "W 3b=0", "R 3b", "W 3b=0", "R 3b", "W 3b=0", "R 3b", "W 3b=0", "R 3b"}));
    EXPECT_EQ(WaitRecorder::pauses, (Pauses{200, 100, 100, 100}));
    int count = 0;
    ASSERT_EQ(GetKeyPushCount(*hid, 5, &count), DvOk);
    EXPECT_EQ(count, 52 + 18 * 256);
    EXPECT_EQ(GetKeyPushCount(*hid, 9, &count), DvErrFailed);  // 0xFF: no such key
    EXPECT_EQ(Trace(), (Strings{"S ff01006f:050000", "D ff01006f#3", "S ff01006f:090000", "D ff01006f#3"}));
}

TEST_F(AreaEncodings, ResetsAndSaves) {
    ASSERT_EQ(Reset(*hid, 1), DvOk);
    Fault(Op::SetValue, 0x75, DvErrRefused);
    ASSERT_EQ(Reset(*hid, 1), DvOk);  // a refused reset falls back to save 10
    ASSERT_EQ(Reset(*hid, 6), DvOk);
    for (const int kind : {4, 5, -1}) EXPECT_EQ(Reset(*hid, kind), kind < 0 ? DvErrInvalidParameter : DvErrNotSupported);
    EXPECT_EQ(CurrentSave(*hid, 3, 1), DvErrFailed);
    CurrentSave(*hid, 1, 0x12345);
    ASSERT_EQ(EachReset(*ddcci, 0x20), DvOk);
    EXPECT_EQ(Trace(), (Strings{"F 75", "W 75=1", "F 75", "W 75=1", "W 52=10", "W 75=6", "S 74:4523", "W 75=32"}));

    // The colour adjustment's reset pulses 1 then 0, or 0 then 1 at priority 2.
    for (const uint32_t priority : {0u, 2u}) {
        dvcsim::SetStateValue(kSerial, 0xFF010069, priority);
        ASSERT_EQ(Reset(*hid, 3), DvOk);
    }
    EXPECT_EQ(Stored(0xFF0100CF, 1), 2u);  // pulses the monitor counted
    EXPECT_EQ(Trace(), (Strings{"F ff0100cf", "R ff010069", "W ff0100cf=1", "W ff0100cf=0", "F ff0100cf", "R ff010069",
                                "W ff0100cf=0", "W ff0100cf=1"}));
    Use(R"({"0x75": null, "0xFF0100CF": null})");
    EXPECT_EQ(Reset(*hid, 3), DvErrNotSupported);
    ASSERT_EQ(Reset(*hid, 1), DvOk);
    EXPECT_EQ(Trace(), (Strings{"F ff0100cf", "F 75", "W 52=10"}));
}

TEST_F(AreaEncodings, AssetTag) {
    char text[8];
    std::memset(text, 'x', sizeof text);
    ASSERT_EQ(GetAssetTag(*hid, text, 5), DvOk);
    EXPECT_EQ(std::string(text, 6), std::string("0123\0x", 6));
    int size = 0;
    ASSERT_EQ(GetAssetTagSize(*hid, &size), DvOk);
    EXPECT_EQ(size, 17);  // 16 characters, no NUL in the block
    ASSERT_EQ(SetEnableAssetTag(*hid, 2), DvOk);  // only 1 enables
    EXPECT_EQ(StoredData(0x12)[0] * 256 + StoredData(0x12)[1], '0');
    EXPECT_EQ(GetAssetTag(*hid, text, 0), DvErrSizeMismatch);
    Fault(Op::GetData, 0x12, DvErrFailed);
    EXPECT_EQ(SetEnableAssetTag(*hid, 1), DvErrFailed);
    EXPECT_EQ(Trace(), (Strings{"D 12#17", "D 12#17", "D 12#17", "S 12#17", "D 12#17"}));
}

}  // namespace
}  // namespace dvc::test
