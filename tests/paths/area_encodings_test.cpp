// The per-area encodings (picture, modes_inputs, keys_osd, info, storage) on
// the HID path: what each sends, in order, its waits, and its answers.
#include <memory>

#include "paths/info.hpp"
#include "paths/keys_osd.hpp"
#include "paths/modes_inputs.hpp"
#include "paths/path_world.hpp"
#include "paths/picture.hpp"
#include "paths/storage.hpp"

namespace dvc::test {
namespace {

using namespace dvc::paths;
using AreaEncodings = PathWorld;

// Colour off from on refreshes the tone curve; the LUT goes off after colour
// and back before it. Primaries: the controls' (a missing one kept), or EDID's.
TEST_F(AreaEncodings, Picture) {
    uint32_t previous[2] = {9, 9};
    DvColorDisableState* state = nullptr;
    EXPECT_EQ((Results{SetColorDisable(*hid, 1, &previous[0], 250), SetColorDisable(*hid, 1, &previous[1], 250),
                       SetColorDisable(*hid, 0, nullptr, 0), DisableColorForCandelaUpdate(*hid, &state, 40)}),
              Results(4, DvOk));
    const std::unique_ptr<DvColorDisableState> owned(state);
    ASSERT_EQ(RestoreDisableColorForCandelaUpdate(*hid, *state), DvOk);
    EXPECT_EQ((Values{previous[0], previous[1], state->colourWasDisabled, state->lutWasOn}), (Values{0, 1, 0, 1}));
    EXPECT_EQ(Trace(), (Strings{"R ff010052", "W ff010052=1", "W ff020049=1", "R ff010052", "W ff010052=1",
                                "R ff010052", "W ff010052=0", "R ff010052", "F ff0100b0", "R ff0100b0", "R ff010052",
                                "W ff010052=1", "W ff020049=1", "W ff0100b0=0", "W ff0100b0=1", "W ff010052=0"}));
    EXPECT_EQ(WaitRecorder::pauses, (std::vector<uint32_t>{250, 40}));
    std::array<colour, 4> c{};
    c[2].x = 0.5;
    const auto primaries = [&](VarnMonitorInterface& path) {
        const DvError r = GetRGBWChromaticities(path, &c[0], &c[1], &c[2], &c[3]);
        return std::vector<double>{static_cast<double>(r), c[0].x, c[1].y, c[2].x, c[3].y};
    };
    EXPECT_EQ(primaries(*hid), (std::vector<double>{DvOk, 0.64, 0.6, 0.5, 0.329}));
    Fault(Op::GetFixedData, 0x44, DvErrNotSupported);
    EXPECT_EQ(primaries(*hid), (std::vector<double>{DvOk, 655 / 1024.0, 614 / 1024.0, 154 / 1024.0, 337 / 1024.0}));
}

// The EDID write polls every 100 ms until 1 or 0; auto adjust 20 times, 500 ms apart.
TEST_F(AreaEncodings, PolledJobs) {
    Results results{ExecuteEDIDDDCWrite(*hid)};
    Fault(Op::GetValue, 0xFF020037, DvErrTimeout);
    results.push_back(ExecuteEDIDDDCWrite(*hid));
    for (const int kind : {0, 1, 2, 3, 4, 5}) results.push_back(SetAutoAdjust(*hid, kind, 0));
    results.push_back(SetAutoAdjust(*hid, 2, 1));
    EXPECT_EQ(Trace(), (Strings{"W ff020037=255", "R ff020037", "R ff020037", "R ff020037", "W ff020037=255",
                                "R ff020037", "W 3=0", "W 3=4", "W 3=5", "W 3=7", "W 3=4", "R 3", "R 3", "R 3"}));
    results.push_back(SetAutoAdjust(*hid, 4, 1));  // 7 never finishes
    Use(R"({"0xFF020037": {"sequences": {"255": [{"value": 3, "reads": 1}, {"value": 0}]}}})");
    results.push_back(ExecuteEDIDDDCWrite(*hid));
    EXPECT_EQ(results, (Results{DvOk, DvErrTimeout, DvErrNotSupported, DvOk, DvOk, DvOk, DvOk, DvErrNotSupported, DvOk,
                                DvErrTimeout, DvErrFailed}));
    EXPECT_EQ(WaitRecorder::Total(), 2 * 100 + 3 * 500 + 20 * 500 + 100);
}

// Records read after a selection, blocks written whole (a refused length
// query still gives the length), the signal description (108 bytes or more).
TEST_F(AreaEncodings, RecordsAndBlocks) {
    DvIISArea a{};
    DvOutputSegmentProperty s{}, k{};
    DvSignalInfoFrame i{};
    Fault(Op::GetFixedData, 0xFF010100, 0, 0, 1, FaultKind::RefusedData);
    EXPECT_EQ((Results{GetIISArea(*hid, 2, &a), GetIISArea(*hid, 1, &a), GetOutputSegmentProperty(*hid, 3, &s),
                       GetOutputSegmentPropertyConstant(*hid, 3, &k), ClearTargetSelection(*hid),
                       SetUSBSelection(*hid, 2), SetUSBSelection(*ddcci, 2), GetSignalInfoFrame(*hid, &i)}),
              (Results{DvErrInvalidParameter, DvOk, DvOk, DvOk, DvOk, DvOk, DvErrNotSupported, DvOk}));
    EXPECT_EQ(Trace(), (Strings{"F ff0000f7", "F ff0000f7", "W ff0000f7=1", "D ff0000f8#12", "W ff010103=3",
                                "D ff010105#12", "W ff010103=3", "D ff010104#12", "F ff010100", "S ff010100:00000000",
                                "F ff010073", "U ff010073:0200", "F ff010073", "F ff01010a", "D ff01010a#120"}));
    EXPECT_EQ((Values{a.setting[0], a.setting[2], a.geometry[1], a.geometry[3], s.values[0], s.values[3], s.bytes[1],
                      s.flag, s.kind, k.flag, k.kind, i.portType, i.quantizationRange, i.bitDepth, i.colorFormat,
                      i.colorimetry, i.transferFunction}),
              (Values{1, 3, 0x120, 0x438, 0x0201, 0x0807, 0xBB, 1, 2, 0, 1, 41, 1, 10, 2, 2, 2}));
    Use(R"({"0xFF01010A": {"kind": "data", "length": 107, "port": null, "bits_per_component": null, "avi": null,
                           "drm": null}})");
    EXPECT_EQ(GetSignalInfoFrame(*hid, &i), DvErrNotSupported);
    EXPECT_EQ(Trace(), Strings{"F ff01010a"});
    Fault(Op::GetFixedData, 0xFF01010A, DvErrTimeout);
    EXPECT_EQ(GetSignalInfoFrame(*hid, &i), DvErrTimeout) << "a failed length query is the answer";
}

// The marker is read back until off; a key count is a request and its reply.
TEST_F(AreaEncodings, KeysAndTheCrossMarker) {
    int count = 0;
    Results results{ShowCenterCrossMarker(*hid), HideCenterCrossMarker(*hid), GetKeyPushCount(*hid, 5, &count),
                    GetKeyPushCount(*hid, 9, &count)};
    Fault(Op::GetValue, 0x3B, DvErrFailed, 0, 0);
    results.push_back(HideCenterCrossMarker(*hid));
    EXPECT_EQ(results, (Results{DvOk, DvOk, DvOk, DvErrFailed, DvErrFailed}));
    EXPECT_EQ(count, 52 + 18 * 256);
    EXPECT_EQ(Trace(), (Strings{"W 3b=127", "W 3b=0", "R 3b", "S ff01006f:050000", "D ff01006f#3", "S ff01006f:090000",
                                "D ff01006f#3", "W 3b=0", "R 3b", "W 3b=0", "R 3b", "W 3b=0", "R 3b"}));
    EXPECT_EQ(WaitRecorder::pauses, (std::vector<uint32_t>{200, 100, 100, 100}));
}

// Reset 1 falls back to save 10 when the reset code is refused or missing;
// the colour adjustment's reset pulses 1 then 0, or 0 then 1 at priority 2.
TEST_F(AreaEncodings, ResetsAndSaves) {
    Results results{Reset(*hid, 1)};
    Fault(Op::SetValue, 0x75, DvErrRefused);
    for (const int kind : {1, 6, 4, 5, -1}) results.push_back(Reset(*hid, kind));
    results.insert(results.end(), {CurrentSave(*hid, 3, 1), CurrentSave(*hid, 1, 0x12345), EachReset(*ddcci, 0x20)});
    for (const uint32_t priority : {0u, 2u}) {
        dvc::sim::SetStateValue(kSerial, 0xFF010069, priority);
        results.push_back(Reset(*hid, 3));
    }
    EXPECT_EQ(Stored(0xFF0100CF, 1), 2u);  // pulses the monitor counted
    EXPECT_EQ(Trace(), (Strings{"F 75", "W 75=1", "F 75", "W 75=1", "W 52=10", "W 75=6", "S 74:4523", "W 75=32",
                                "F ff0100cf", "R ff010069", "W ff0100cf=1", "W ff0100cf=0", "F ff0100cf", "R ff010069",
                                "W ff0100cf=0", "W ff0100cf=1"}));
    Use(R"({"0x75": null, "0xFF0100CF": null})");
    results.insert(results.end(), {Reset(*hid, 3), Reset(*hid, 1)});
    EXPECT_EQ(Trace(), (Strings{"F ff0100cf", "F 75", "W 52=10"}));
    EXPECT_EQ(results, (Results{DvOk, DvOk, DvOk, DvErrNotSupported, DvErrNotSupported, DvErrInvalidParameter,
                                DvErrFailed, DvErrNotSupported, DvOk, DvOk, DvOk, DvErrNotSupported, DvOk}));
}

// The asset tag: an enable flag, 16 characters (here no NUL) cut to the size;
// the size counts the NUL, and is 0 for no text.
TEST_F(AreaEncodings, AssetTag) {
    char text[8] = "xxxxxxx";
    int size[2] = {};
    Results results{GetAssetTag(*hid, text, 5), GetAssetTagSize(*hid, &size[0]), SetEnableAssetTag(*hid, 2),
                    GetAssetTag(*hid, text, 0)};
    const uint8_t enabled = dvc::sim::GetStateData(kSerial, 0x12).value()[0];
    dvc::sim::SetStateData(kSerial, 0x12, Bytes(17, 0));
    Fault(Op::GetData, 0x12, DvErrFailed, 1);
    results.insert(results.end(), {GetAssetTagSize(*hid, &size[1]), SetEnableAssetTag(*hid, 1)});
    EXPECT_EQ(results, (Results{DvOk, DvOk, DvOk, DvErrSizeMismatch, DvOk, DvErrFailed}));
    EXPECT_EQ(std::string(text, 6), std::string("0123\0x", 6));
    EXPECT_EQ((Values{size[0], size[1], enabled}), (Values{17, 0, 0}));
    EXPECT_EQ(Trace(), (Strings{"D 12#17", "D 12#17", "D 12#17", "S 12#17", "D 12#17", "D 12#17"}));
}

}  // namespace
}  // namespace dvc::test
