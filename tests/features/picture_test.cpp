// The hand-written picture operations through their exports.
#include <functional>
#include <sstream>

#include "features/handwritten.hpp"
#include "libdvc/libdvc.h"
#include "paths/feature_codes.hpp"
#include "support/sim_log.hpp"
#include "support/wait_recorder.hpp"

namespace dvc::test {
namespace {

using namespace dvc::codes;

class Picture : public SimWorld {
protected:
    WaitRecorder waits;
};

TEST_F(Picture, BadArgumentsAreRefusedFirst) {
    Discover();
    const char* s = kGrading.serial;
    const char* m = kGrading.model;
    DvColorDisableState* state = nullptr;
    colour c{};
    ExpectRefusedFirst({
        {"a negative wait", [&] { return DvCtrlSetColorDisable(s, m, 1, nullptr, -1); }},
        {"no state pointer", [&] { return DvCtrlDisableColorForCandelaUpdate(s, m, nullptr, 0); }},
        {"a negative wait", [&] { return DvCtrlDisableColorForCandelaUpdate(s, m, &state, -1); }},
        {"no state", [&] { return DvCtrlRestoreDisableColorForCandelaUpdate(s, m, nullptr); }},
        {"a missing colour", [&] { return DvCtrlGetRGBWChromaticities(s, m, &c, &c, nullptr, &c); }},
    });
}

// Off for a luminance update and back: both settings as they were, the
// tone curve refreshed with its settling time when colour went off.
TEST_F(Picture, ColourDisabledForACandelaUpdateComesBackAsItWas) {
    Discover();
    const char* s = kGrading.serial;
    const char* m = kGrading.model;
    ASSERT_TRUE(dvc::sim::SetStateValue(s, k3DLut, 1));
    DvColorDisableState* state = nullptr;
    ASSERT_EQ(DvCtrlDisableColorForCandelaUpdate(s, m, &state, 250), DvOk);
    ASSERT_NE(state, nullptr);
    EXPECT_EQ(Stored(kGrading, kColorDisable), 1u);
    EXPECT_EQ(Stored(kGrading, k3DLut), 0u);
    EXPECT_EQ(waits.pauses, std::vector<uint32_t>{250});
    EXPECT_EQ(DvCtrlRestoreDisableColorForCandelaUpdate(s, m, state), DvOk);
    EXPECT_EQ(Stored(kGrading, kColorDisable), 0u);
    EXPECT_EQ(Stored(kGrading, k3DLut), 1u);

    // The record comes back to the library even when its monitor is gone.
    ASSERT_EQ(DvCtrlDisableColorForCandelaUpdate(s, m, &state, 0), DvOk);
    EXPECT_EQ(DvCtrlRestoreDisableColorForCandelaUpdate("NOPE0000", "NOPE", state), DvErrFailed);

    int previous = -1;
    EXPECT_EQ(DvCtrlSetColorDisable(s, m, 0, &previous, 100), DvOk);
    EXPECT_EQ(previous, 1) << "still off from the update whose record was given up";
    EXPECT_EQ(DvCtrlSetColorDisable(s, m, 1, &previous, 100), DvOk);
    EXPECT_EQ(previous, 0);
    EXPECT_EQ(waits.pauses, (std::vector<uint32_t>{250, 100})) << "only switching colour off settles";
}

// From the chromaticity controls where the monitor has them, else from its
// EDID.
TEST_F(Picture, PrimariesComeFromTheControlsOrTheEdid) {
    Discover();
    colour red{}, green{}, blue{}, white{};
    ASSERT_EQ(DvCtrlGetRGBWChromaticities(kDual.serial, kDual.model, &red, &green, &blue, &white), DvOk);
    EXPECT_DOUBLE_EQ(red.x, 0.64);
    EXPECT_DOUBLE_EQ(white.y, 0.329);
    EXPECT_EQ(DvCtrlGetRGBWChromaticities(kOffice.serial, kOffice.model, &red, &green, &blue, &white), DvErrFailed)
        << "no controls and no EDID over DDC/CI";
}

// The value conversions at their edges, each on a monitor reached over HID
// alone and on one reached over DDC/CI alone: what comes back and exactly
// what each path sends.
class PictureValues : public SimWorld {
protected:
    ~PictureValues() override { unsetenv("DVC_LINK_CACHE"); }
    static constexpr const char* kHid = "HIDPATH1";
    static constexpr const char* kDdc = "DDCPATH1";
    // One monitor of `profile` per path kind, named `model`, `features`
    // patched on both.
    void DiscoverPair(const std::string& profile, const std::string& model, const std::string& features) {
        setenv("DVC_LINK_CACHE", "off", 1);
        const std::string common =
            R"("profile": ")" + profile + R"(", "model": ")" + model + R"(", "features": )" + features;
        DiscoverJson(R"({"monitors": [{"serial": "HIDPATH1", "links": {"hid": true}, )" + common +
                     R"(}, {"serial": "DDCPATH1", "links": {"ddcci": {"types": [0]}}, )" + common + "}]}");
    }
};

// Each transaction once per entry, except "?x": the support question that
// DDC/CI alone asks before fixed data.
Strings On(dvc::sim::Link link, Strings trace) {
    Strings out;
    for (const std::string& t : trace) {
        if (t[0] != '?') out.push_back(t);
        else if (link == dvc::sim::Link::DDCCI) out.push_back("? " + t.substr(1));
    }
    return out;
}
Strings Concat(Strings a, const Strings& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
Strings Times(int n, const Strings& each) {
    Strings out;
    for (int i = 0; i < n; ++i) out.insert(out.end(), each.begin(), each.end());
    return out;
}

struct ValueCase {
    const char* what;
    const char* profile;   // "CX2740", or "CX2740:ZZ0001" under another model name
    const char* features;  // patched on both monitors
    std::function<int(const char* serial, const char* model, std::string& out)> call;
    int expected;
    std::string value;  // what the call reports, as text
    Strings hid;        // the exact transactions; "?x" stands for DDC/CI's support question
    Strings ddc = {};   // empty: as on HID
};

std::string Text(const std::vector<int>& values) {
    std::string out;
    for (int v : values) out += (out.empty() ? "" : " ") + std::to_string(v);
    return out;
}
template <class T>
std::function<int(const char*, const char*, std::string&)> Reads(DvError (*fn)(const char*, const char*, T*)) {
    return [fn](const char* s, const char* m, std::string& out) {
        T v{};
        const int r = fn(s, m, &v);
        std::ostringstream text;
        text << v;
        out = text.str();
        return r;
    };
}
std::function<int(const char*, const char*, std::string&)> Six(DvError (*fn)(const char*, const char*, int*)) {
    return [fn](const char* s, const char* m, std::string& out) {
        std::vector<int> v(6, 99);
        const int r = fn(s, m, v.data());
        out = Text(v);
        return r;
    };
}
int ContrastRange(const char* s, const char* m, std::string& out) {
    int high = 0, low = 0, def = 0;
    const int r = DvCtrlGetRangeContrastForStep(s, m, &high, &low, &def);
    out = Text({high, low, def});
    return r;
}
#define WRITE(expr) [](const char* s, const char* m, std::string&) { return static_cast<int>(expr); }

const char* kFreeGamma = R"({"0x70": {"values": null}})";
const char* kFreeIndex = R"({"0xFF0100DF": {"min": 0, "max": 65535}})";
const std::string kCentredHue = R"({"0x25": {"value": 51}, "0x26": {"value": 52}, "0x27": {"value": 53},
    "0x28": {"value": 54}, "0x29": {"value": 55}, "0x2A": {"value": 56}})";
const Strings kHueRange{"?25", "F 25"};

const ValueCase kValueCases[] = {
    {"contrast default, maximum 140", "CX2740:ZZ0001", R"({"0x89": {"max": 140}})", ContrastRange, DvOk, "140 0 70", {"?89", "F 89"}},
    {"contrast default, maximum 100", "CX2740:ZZ0001", "{}", ContrastRange, DvOk, "100 0 100", {"?89", "F 89"}},
    {"contrast default, half the span", "CX2740:ZZ0001", R"({"0x89": {"max": 50, "min": 10}})", ContrastRange, DvOk, "50 10 20", {"?89", "F 89"}},
    {"absent gamma support is an answer", "OF2210", R"({"0x70": {"kind": "answer", "result": 0, "flag": 0}})", WRITE(DvCtrlSupportedGamma(s, m)), 0, "", {"F 70"}, {"?70"}},
    {"gamma on the second code", "OF2210", "{}", Reads(DvCtrlGetGamma), DvOk, "", {"R 70", "R 24"}},
    // Ratio writes: the path scales by its maximum (truncating over DDC/CI,
    // rounding over HID); above 1.0 goes out as is, below 0.0 never does.
    {"ratio 0.0", "CX2740", "{}", WRITE(DvCtrlSetBrightnessForPercentage(s, m, 0.0)), DvOk, "", {"F 88", "W 88=0"}},
    {"ratio 1.0", "CX2740", "{}", WRITE(DvCtrlSetBrightnessForPercentage(s, m, 1.0)), DvOk, "", {"F 88", "W 88=100"}},
    {"ratio 0.555", "CX2740", "{}", WRITE(DvCtrlSetContrastForPercentage(s, m, 0.555)), DvOk, "", {"F 89", "W 89=56"},
     {"F 89", "W 89=55"}},
    {"ratio above 1.0", "CX2740", "{}", WRITE(DvCtrlSetBrightnessForPercentage(s, m, 1.5)), DvErrRefused, "",
     {"F 88", "W 88=150"}},
    {"ratio below 0.0", "CX2740", "{}", WRITE(DvCtrlSetBrightnessForPercentage(s, m, -0.01)), DvErrInvalidParameter,
     "", {}},
    {"a step as it is", "CX2740", "{}", WRITE(DvCtrlSetBrightnessForStep(s, m, 120)), DvErrRefused, "",
     {"W 88=120"}},
    // The contrast default: the model's first, else from the range.
    {"contrast default of the model", "MX2420", "{}",
     [](const char* s, const char* m, std::string& out) {
         int high = 0, low = 0, def = 0;
         const int r = DvCtrlGetRangeContrastForStep(s, m, &high, &low, &def);
         out = Text({high, low, def});
         return r;
     },
     DvOk, "100 0 70", {"?89", "F 89"}},
    // Gamma through the model's table {1.5, 2.5, special -2.0}: ties go to
    // the lower value, a gap above to the largest, unknown specials too.
    {"gamma tie", "MX2420", "{}", WRITE(DvCtrlSetGamma(s, m, 2.0)), DvOk, "", {"W 70=1"}},
    {"gamma nearer the upper", "MX2420", "{}", WRITE(DvCtrlSetGamma(s, m, 2.1)), DvOk, "", {"W 70=11"}},
    {"gamma above the table", "MX2420", "{}", WRITE(DvCtrlSetGamma(s, m, 5.0)), DvOk, "", {"W 70=11"}},
    {"gamma 0.0", "MX2420", "{}", WRITE(DvCtrlSetGamma(s, m, 0.0)), DvOk, "", {"W 70=1"}},
    {"special gamma listed", "MX2420", "{}", WRITE(DvCtrlSetGamma(s, m, -2.0)), DvOk, "", {"W 70=253"}},
    {"special gamma unlisted", "MX2420", "{}", WRITE(DvCtrlSetGamma(s, m, -5.0)), DvOk, "", {"W 70=11"}},
    {"code in the table before a special", "MX2420", R"({"0x70": {"value": 11}})", Reads(DvCtrlGetGamma), DvOk,
     "2.5", {"R 70"}},
    {"special code outside the table", "MX2420", R"({"0x70": {"value": 10}})", Reads(DvCtrlGetGamma), DvOk, "-4",
     {"R 70"}},
    {"code nothing names", "MX2420", R"({"0x70": {"value": 5}})", Reads(DvCtrlGetGamma), DvErrRefused, "0",
     {"R 70"}},
    // The gamma index: the code plus one below 208, the code itself above.
    {"index below 208", "MX2420", R"({"0x70": {"value": 207}})", Reads(DvCtrlGetGammaIndex), DvOk, "208", {"R 70"}},
    {"index at 208", "MX2420", R"({"0x70": {"value": 208}})", Reads(DvCtrlGetGammaIndex), DvOk, "208", {"R 70"}},
    {"index of code 0", "MX2420", R"({"0x70": {"value": 0}})", Reads(DvCtrlGetGammaIndex), DvOk, "1", {"R 70"}},
    {"index 207 sent", "MX2420", kFreeGamma, WRITE(DvCtrlSetGammaIndex(s, m, 207)), DvOk, "", {"W 70=206"}},
    {"index 208 sent", "MX2420", kFreeGamma, WRITE(DvCtrlSetGammaIndex(s, m, 208)), DvOk, "", {"W 70=208"}},
    {"index 0", "MX2420", "{}", WRITE(DvCtrlSetGammaIndex(s, m, 0)), DvErrInvalidParameter, "", {}},
    // Colour temperature through the table {special, 5000, 6500, 9300}.
    {"temperature nearer the upper", "MX2420", "{}", WRITE(DvCtrlSetColorTemperature(s, m, 6000)), DvOk, "",
     {"?ff0100df", "F ff0100df", "W 0=6"}},
    {"temperature tie", "MX2420", "{}", WRITE(DvCtrlSetColorTemperature(s, m, 5750)), DvOk, "",
     {"?ff0100df", "F ff0100df", "W 0=3"}},
    {"temperature above", "MX2420", "{}", WRITE(DvCtrlSetColorTemperature(s, m, 10000)), DvOk, "",
     {"?ff0100df", "F ff0100df", "W 0=12"}},
    {"temperature below", "MX2420", "{}", WRITE(DvCtrlSetColorTemperature(s, m, 4000)), DvOk, "",
     {"?ff0100df", "F ff0100df", "W 0=3"}},
    {"the special setting by its code", "MX2420", "{}", WRITE(DvCtrlSetColorTemperature(s, m, 0)), DvOk, "",
     {"?ff0100df", "F ff0100df", "W 0=0"}},
    {"temperature of a code", "MX2420", R"({"0x0": {"value": 12}})", Reads(DvCtrlGetColorTemperature), DvOk, "9300",
     {"?ff0100df", "F ff0100df", "R 0"}},
    {"no index without its code", "MX2420", "{}", Reads(DvCtrlGetColorTemperatureIndex), DvErrNotSupported, "0",
     {"?ff0100df", "F ff0100df"}},
    // The index and its preset marker.
    {"kelvin passes", "CX2740", R"({"0xFF0100DF": {"value": 6500}})", Reads(DvCtrlGetColorTemperatureIndex), DvOk,
     "6500", {"?ff0100df", "F ff0100df", "R ff0100df"}},
    {"0 is the marker", "CX2740", R"({"0xFF0100DF": {"min": 0, "value": 0}})", Reads(DvCtrlGetColorTemperatureIndex),
     DvOk, "268435456", {"?ff0100df", "F ff0100df", "R ff0100df"}},
    {"presets are marked", "CX2740", R"({"0xFF0100DF": {"max": 65535, "value": 65281}})",
     Reads(DvCtrlGetColorTemperatureIndex), DvOk, "268500737", {"?ff0100df", "F ff0100df", "R ff0100df"}},
    {"the marker stripped", "CX2740", kFreeIndex, WRITE(DvCtrlSetColorTemperatureIndex(s, m, 0x1000FF01)), DvOk, "",
     {"?ff0100df", "F ff0100df", "W ff0100df=65281"}},
    {"index 0 refused", "CX2740", kFreeIndex, WRITE(DvCtrlSetColorTemperatureIndex(s, m, 0)), DvErrInvalidParameter,
     "", {}},
    {"kelvin through the index", "CX2740", "{}", WRITE(DvCtrlSetColorTemperature(s, m, 5000)), DvOk, "",
     {"?ff0100df", "F ff0100df", "W ff0100df=5000"}},
    // Legacy six colours, centred on (max + min + 1) / 2 of the range asked
    // once per colour.
    {"legacy hue at the centre", "CX2740", "{}",
     [](const char* s, const char* m, std::string& out) {
         int v = 99;
         const int r = DvCtrlGet6ColorsHue(s, m, &v, 0);
         out = std::to_string(v);
         return r;
     },
     DvOk, "0", Concat({"R 25"}, Times(6, kHueRange))},
    {"legacy hue one below", "CX2740", R"({"0x27": {"value": 49}})",
     [](const char* s, const char* m, std::string& out) {
         int v = 99;
         const int r = DvCtrlGet6ColorsHue(s, m, &v, 2);
         out = std::to_string(v);
         return r;
     },
     DvOk, "-1", Concat({"R 27"}, Times(6, kHueRange))},
    {"legacy hue written", "CX2740", "{}", WRITE(DvCtrlSet6ColorsHue(s, m, -1, 5)), DvOk, "",
     Concat(Times(6, kHueRange), {"W 2a=49"})},
    {"legacy saturation range of an odd span", "CX2740", "{}",
     [](const char* s, const char* m, std::string& out) {
         int high = 0, low = 0;
         const int r = DvCtrlGetRange6ColorsSaturation(s, m, &high, &low, 1);
         out = Text({high, low});
         return r;
     },
     DvOk, "31 -32", {"?2b", "F 2b"}},
    {"lightness centred on (max + min) / 2", "CX2740", R"({"0xFF00007F": {"data": [50, 51, 52, 53, 54, 40]}})",
     Six(DvCtrlGet6ColorsAllLightness), DvOk, "0 1 2 3 4 -10", {"?ff00007f", "F ff00007f", "D ff00007f#6"}},
    {"one colour's lightness", "CX2740", "{}", WRITE(DvCtrlSetBlueLightness(s, m, 3)), DvOk, "",
     {"?ff00007f", "F ff00007f", "D ff00007f#6", "?ff00007f", "F ff00007f", "S ff00007f:323235323232"}},
    // The newer interface: without the marker through the legacy codes,
    // centred on half the span, read in the newer order, reported in the
    // legacy one.
    {"without the marker", "CX2740", kCentredHue.c_str(), Six(DvCtrlGet6ColorsAllHue2), DvOk, "1 2 3 4 5 6",
     {"?25", "F 25", "R 25", "?25", "F 25", "R 2a", "?25", "F 25", "R 26", "?25", "F 25", "R 28", "?25", "F 25",
      "R 27", "?25", "F 25", "R 29"}},
    {"without the marker, written", "CX2740", "{}", WRITE(DvCtrlSet6ColorsAllSaturation2(s, m, 0, 1, 2, 3, 4, -31)),
     DvOk, "",
     {"?2b", "F 2b", "W 2b=31", "?2b", "F 2b", "W 30=0", "?2b", "F 2b", "W 2c=32", "?2b", "F 2b", "W 2e=34", "?2b",
      "F 2b", "W 2d=33", "?2b", "F 2b", "W 2f=35"}},
    {"with the marker", "CG3180", "{}", Six(DvCtrlGet6ColorsAllHue2), DvOk, "0 -2 5 0 -32 3",
     Times(6, {"F ff010079", "D ff010079#12"})},
    {"with the marker, written", "CG3180", "{}", WRITE(DvCtrlSet6ColorsAllHue2(s, m, 1, 2, 3, 4, 5, 6)), DvOk, "",
     {"F ff010079", "D ff010079#12", "S ff010079:01000300feff00000500e0ff", "F ff010079", "D ff010079#12",
      "S ff010079:01000600feff00000500e0ff", "F ff010079", "D ff010079#12", "S ff010079:01000600020000000500e0ff",
      "F ff010079", "D ff010079#12", "S ff010079:01000600020004000500e0ff", "F ff010079", "D ff010079#12",
      "S ff010079:01000600020004000300e0ff", "F ff010079", "D ff010079#12", "S ff010079:010006000200040003000500"}},
    // The regulator as a level in modes of flavour 2, else on or off.
    {"regulator as a level", "CG3180", R"({"0xFF0000F2": {"values": [2, 2, 2, 2, 2, 2, 2, 2]}})", WRITE(DvCtrlSetBrightRegulator(s, m, 3)),
     DvOk, "", {"?ff0000f2", "F ff0000f2", "R ff0000f2", "W 4b=3"}},
    {"regulator on or off", "CG3180", "{}", WRITE(DvCtrlSetBrightRegulator(s, m, 3)), DvOk, "",
     {"?ff0000f2", "F ff0000f2", "R ff0000f2", "W 4b=1"}},
    {"gamma indices of the table", "MX2420", "{}",
     [](const char* s, const char* m, std::string& out) {
         std::vector<int> v(4, 0);
         int r = DvOk;
         for (int i = 0; i < 4 && r == DvOk; ++i) r = DvCtrlEnumGammaIndex(s, m, i, &v[static_cast<std::size_t>(i)]);
         out = Text(v);
         return r;
     },
     DvErrNoMoreItems, "2 12 253 0", {}},
    // Values stored per colour mode, without switching to it.
    {"brightness at a mode", "CX2740", "{}",
     [](const char* s, const char* m, std::string& out) {
         int v = 0;
         const int r = DvCtrlGetBrightnessForStepAtMode(s, m, 1, &v);
         out = std::to_string(v);
         return r;
     },
     DvOk, "30", {"?ff0000f3", "F ff0000f3", "W ff01007b=1", "F ff01007c", "D ff01007c#22"}},
    {"hue at a mode", "CX2740", "{}",
     [](const char* s, const char* m, std::string& out) {
         std::vector<int> v(6, 99);
         const int r = DvCtrlGet6ColorsAllHueAtMode(s, m, 1, v.data());
         out = Text(v);
         return r;
     },
     DvOk, "-10 0 5 0 0 0", {"?ff0000f3", "F ff0000f3", "W ff01007b=1", "F ff01007c", "D ff01007c#22", "?25", "F 25"}},
    {"no values per mode without modes", "OF2210", "{}",
     [](const char* s, const char* m, std::string& out) {
         int v = 99;
         const int r = DvCtrlGetContrastForStepAtMode(s, m, 0, &v);
         out = std::to_string(v);
         return r;
     },
     DvErrNotSupported, "0", {"?ff0000f3", "F ff0000f3"}},
};

TEST_F(PictureValues, ConversionsAtTheirEdgesOnBothPaths) {
    for (const ValueCase& c : kValueCases) {
        SCOPED_TRACE(c.what);
        const std::string profile = c.profile;
        const std::string model = profile.substr(profile.find(':') + 1);
        DiscoverPair(profile.substr(0, profile.find(':')), model, c.features);
        for (const auto link : {dvc::sim::Link::HID, dvc::sim::Link::DDCCI}) {
            const bool hid = link == dvc::sim::Link::HID;
            SCOPED_TRACE(hid ? "over HID" : "over DDC/CI");
            std::string value;
            EXPECT_EQ(c.call(hid ? kHid : kDdc, model.c_str(), value), c.expected);
            if (!c.value.empty()) {
                EXPECT_EQ(value, c.value);
            }
            EXPECT_EQ(Trace(), On(link, hid || c.ddc.empty() ? c.hid : c.ddc));
        }
        TearDown();
    }
}

// What a failing step becomes: the legacy six-colour reads and the older
// range forms fold it into DvErrFailed, the hue range passes it on, and
// the table's writes and reads go on to the next path.
TEST_F(PictureValues, FailuresFoldOrPassAsEachExportSays) {
    DiscoverJson(R"({"monitors": [
        {"serial": "21409001", "profile": "CX2740", "links": {"hid": true, "ddcci": {"types": [0]}}},
        {"serial": "22050012", "profile": "MX2420", "links": {"hid": true, "ddcci": {"types": [0]}}}]})");
    using dvc::sim::Op;
    int v = 0, high = 0, low = 0;
    double g = 0;
    const struct {
        const char* what;
        Op op;
        uint32_t code;
        uint32_t count;  // 0: every such call
        std::function<int()> call;
        int expected;
    } cases[] = {
        {"a legacy read with a failed range", Op::GetFixedData, kHueRed, 1,
         [&] { return DvCtrlGet6ColorsHue(kDual.serial, kDual.model, &v, 0); }, DvErrFailed},
        {"a legacy write with a failed range", Op::GetFixedData, kSaturationRed, 1,
         [&] { return DvCtrlSet6ColorsSaturation(kDual.serial, kDual.model, 0, 0); }, DvErrFailed},
        {"the hue range passes it on", Op::GetFixedData, kHueRed, 1,
         [&] { return DvCtrlGetRange6ColorsHue(kDual.serial, kDual.model, &high, &low, 1); }, DvErrTimeout},
        {"the saturation range folds it", Op::GetFixedData, kSaturationRed, 1,
         [&] { return DvCtrlGetRange6ColorsSaturation(kDual.serial, kDual.model, &high, &low, 1); }, DvErrFailed},
        {"the older contrast range folds it", Op::GetFixedData, kContrast, 0,
         [&] { return DvCtrlGetRangeContrastForStep(kDual.serial, kDual.model, &high, &low, nullptr); }, DvErrFailed},
        {"gamma from the next path", Op::GetValue, kGamma, 1,
         [&] { return DvCtrlGetGamma(kDual.serial, kDual.model, &g); }, DvOk},
        {"the table's temperature on the next path", Op::SetValue, kColorTemperature, 1,
         [&] { return DvCtrlSetColorTemperature(kMedical.serial, kMedical.model, 9000); }, DvOk},
    };
    for (const auto& c : cases) {
        Fault(c.op, c.code, DvErrTimeout, 0, c.count);
        EXPECT_EQ(c.call(), c.expected) << c.what;
        dvc::sim::ClearFaults();
    }
    EXPECT_EQ(Stored(kMedical, kColorTemperature), 12u) << "9000 is nearer 9300 than 6500";
}

}  // namespace
}  // namespace dvc::test
