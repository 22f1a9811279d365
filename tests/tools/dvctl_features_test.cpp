// dvctl features, get, set and run on the default world. Monitor state
// lives in a state file, so what one dvctl process sets the next one reads.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <string>

#include "dvctl_run.hpp"

namespace {

using dvctltest::Dvctl;
using dvctltest::LineWith;
using dvctltest::Outcome;

constexpr const char* kModern = "CX2740";
constexpr const char* kOffice = "17200455";  // an OF2210
constexpr const char* kGrading = "CG3180";

// A fresh state file for each test: the monitors start as their profiles say.
class DvctlState : public testing::Test {
protected:
    void SetUp() override {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        path_ = testing::TempDir() + "dvctl_state_" + std::to_string(getpid()) + "_" + info->name() + ".json";
        std::remove(path_.c_str());
    }
    void TearDown() override { std::remove(path_.c_str()); }

    Outcome Run(const std::string& args) const { return Dvctl("--sim " + args, "DVC_SIM_STATE=" + path_); }

    // The text a successful get prints, without its newline.
    std::string Get(const std::string& args) const {
        const Outcome run = Run("get " + args);
        EXPECT_EQ(run.status, 0) << args << ": " << run.err;
        return run.out.empty() ? run.out : run.out.substr(0, run.out.size() - 1);
    }

    void Set(const std::string& args) const {
        const Outcome run = Run("set " + args);
        EXPECT_EQ(run.status, 0) << args << ": " << run.err;
        EXPECT_TRUE(run.err.empty()) << run.err;
    }

private:
    std::string path_;
};

nlohmann::json FeaturesJson(const std::string& args) {
    const Outcome run = Dvctl("--sim features " + args + " --json");
    EXPECT_EQ(run.status, 0) << run.err;
    return nlohmann::json::parse(run.out);
}

const nlohmann::json* Entry(const nlohmann::json& features, const std::string& stem) {
    for (const auto& f : features["features"])
        if (f["stem"] == stem) return &f;
    return nullptr;
}

}  // namespace

TEST(DvctlFeatures, ModernAndOfficeModelsDifferInWhatTheyHave) {
    const Outcome modern = Dvctl(std::string("--sim features ") + kModern);
    ASSERT_EQ(modern.status, 0) << modern.err;
    const Outcome office = Dvctl(std::string("--sim features ") + kOffice);
    ASSERT_EQ(office.status, 0) << office.err;
    // The features section ends where the features without a Supported export begin.
    const std::string modernHas = modern.out.substr(0, modern.out.find("Not known"));
    const std::string officeHas = office.out.substr(0, office.out.find("Not known"));
    for (const char* stem : {"AudioVolume —", "KVMSetting —", "EDIDDDCWrite —", "OSDLanguage —", "Gain —"})
        EXPECT_NE(modernHas.find(stem), std::string::npos) << stem;
    for (const char* stem : {"Clock —", "HPosition —"}) EXPECT_EQ(modernHas.find(stem), std::string::npos) << stem;
    for (const char* stem : {"Clock —", "HPosition —", "OSDLanguage —", "Power —"})
        EXPECT_NE(officeHas.find(stem), std::string::npos) << stem;
    for (const char* stem : {"AudioVolume —", "KVMSetting —", "EDIDDDCWrite —"})
        EXPECT_EQ(officeHas.find(stem), std::string::npos) << stem;
    // A line says what the feature is, what can be done and what to type.
    EXPECT_EQ(LineWith(modern.out, "OSDLanguage —"),
              "  OSDLanguage — language of the on-screen display: get, set (osd-language)");
    // Features the library cannot be asked about are said to be unknown, on both.
    for (const Outcome* run : {&modern, &office})
        EXPECT_NE(run->out.substr(run->out.find("Not known")).find("AutoAdjust —"), std::string::npos);
}

TEST(DvctlFeatures, JsonSaysWhatWasAskedAndLeavesOutTheAbsentUnlessAll) {
    const auto modern = FeaturesJson(kModern);
    EXPECT_EQ(modern["serial"], "21409001");
    for (const auto& f : modern["features"]) EXPECT_NE(f["supported"], false) << f["stem"];
    const auto* volume = Entry(modern, "AudioVolume");
    ASSERT_NE(volume, nullptr);
    EXPECT_EQ((*volume)["name"], "audio-volume");
    EXPECT_EQ((*volume)["supported"], true);
    EXPECT_EQ((*volume)["askedBy"], "DvCtrlSupportedAudioVolume");
    EXPECT_EQ((*volume)["operations"], nlohmann::json({"get", "set", "range"}));
    // A feature without a Supported export of its own is asked through the
    // export of its code; one without any is not asked at all.
    const auto* keyLock = Entry(modern, "KeyLockState");
    ASSERT_NE(keyLock, nullptr);
    EXPECT_EQ((*keyLock)["askedBy"], "DvCtrlSupportedKeyLockSetting");
    EXPECT_EQ((*keyLock)["aliases"], nlohmann::json({"key-lock"}));
    const auto* autoAdjust = Entry(modern, "AutoAdjust");
    ASSERT_NE(autoAdjust, nullptr);
    EXPECT_TRUE((*autoAdjust)["supported"].is_null());
    EXPECT_TRUE((*autoAdjust)["askedBy"].is_null());
    EXPECT_EQ(Entry(modern, "Clock"), nullptr);

    const auto all = FeaturesJson(std::string(kModern) + " --all");
    const auto* clock = Entry(all, "Clock");
    ASSERT_NE(clock, nullptr);
    EXPECT_EQ((*clock)["supported"], false);
    EXPECT_GT(all["features"].size(), modern["features"].size());
    const auto office = FeaturesJson(kOffice);
    ASSERT_NE(Entry(office, "Clock"), nullptr);
    EXPECT_EQ(Entry(office, "AudioVolume"), nullptr);
}

TEST(DvctlGet, WithoutAFeatureListsTheReadableNames) {
    const Outcome run = Dvctl(std::string("--sim get ") + kModern);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("(osd-language)"), std::string::npos);
    EXPECT_NE(run.out.find("(key-lock-state, key-lock)"), std::string::npos);
    EXPECT_NE(run.out.find("(auto-thriftlux-ambient-light-range"), std::string::npos);  // a range alone
    EXPECT_EQ(run.out.find("(edid-ddc-write"), std::string::npos);                    // an action
    const Outcome json = Dvctl(std::string("--sim get ") + kModern + " --json");
    ASSERT_EQ(json.status, 0) << json.err;
    const auto names = nlohmann::json::parse(json.out);
    ASSERT_TRUE(names.is_array());
    EXPECT_GT(names.size(), 100u);
}

TEST_F(DvctlState, ValuesAndSwitchesSetInOneProcessAreReadInTheNext) {
    EXPECT_EQ(Get(std::string(kModern) + " osd-language"), "0");
    Set(std::string(kModern) + " osd-language 3");
    EXPECT_EQ(Get(std::string(kModern) + " osd-language"), "3");
    const Outcome json = Run(std::string("get ") + kModern + " osd-language --json");
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(nlohmann::json::parse(json.out),
              nlohmann::json({{"serial", "21409001"}, {"model", "CX2740"}, {"feature", "osd-language"}, {"value", 3}}));

    // A switch, by word and by number, through an alias.
    EXPECT_EQ(Get(std::string(kModern) + " key-lock"), "0");
    Set(std::string(kModern) + " all-key-lock on");
    EXPECT_EQ(Get(std::string(kModern) + " all-key-lock"), "1");
    Set(std::string(kModern) + " all-key-lock 0");
    EXPECT_EQ(Get(std::string(kModern) + " all-key-lock"), "0");
    // A negative value goes through as a number.
    Set(std::string(kOffice) + " black-level -5");
    EXPECT_EQ(Get(std::string(kOffice) + " black-level"), "-5");
}

TEST_F(DvctlState, ChannelFeaturesTakeTheirChannel) {
    Set(std::string(kModern) + " gain 128 --channel 2");
    EXPECT_EQ(Get(std::string(kModern) + " gain --channel 2"), "128");
    EXPECT_EQ(Get(std::string(kModern) + " gain --channel 0"), "255");
    EXPECT_EQ(Get(std::string(kModern) + " gain --range"), "min 0 max 255");
    const Outcome missing = Run(std::string("get ") + kModern + " gain");
    EXPECT_NE(missing.status, 0);
    EXPECT_TRUE(missing.out.empty()) << missing.out;
    EXPECT_NE(missing.err.find("--channel"), std::string::npos) << missing.err;
}

TEST_F(DvctlState, BlocksReadAsHexAndAreWrittenFromHex) {
    EXPECT_EQ(Get(std::string(kModern) + " auto-thriftlux-settings"), "0000a00f2c010100");
    Set(std::string(kModern) + " auto-thriftlux-settings 00:00:10:0f:2c:01:00:00");
    EXPECT_EQ(Get(std::string(kModern) + " auto-thriftlux-settings"), "0000100f2c010000");
    const Outcome json = Run(std::string("get ") + kModern + " auto-thriftlux-settings --json");
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(nlohmann::json::parse(json.out)["bytes"], nlohmann::json({0, 0, 16, 15, 44, 1, 0, 0}));

    // A block of fixed length takes exactly that many bytes.
    const std::string marker = Get(std::string(kGrading) + " safe-area-marker");
    ASSERT_EQ(marker.size(), 6u);
    Set(std::string(kGrading) + " safe-area-marker 0x01ff02");
    EXPECT_EQ(Get(std::string(kGrading) + " safe-area-marker"), "01ff02");
}

TEST_F(DvctlState, BadNamesAndValuesFailAndChangeNothing) {
    const Outcome typo = Run(std::string("get ") + kModern + " osd-langauge");
    EXPECT_NE(typo.status, 0);
    EXPECT_TRUE(typo.out.empty()) << typo.out;
    EXPECT_NE(typo.err.find("did you mean osd-language"), std::string::npos) << typo.err;

    const Outcome word = Run(std::string("set ") + kModern + " osd-language three");
    EXPECT_NE(word.status, 0);
    EXPECT_NE(word.err.find("\"three\""), std::string::npos) << word.err;

    // The monitor refuses a value outside its range; the library says so.
    const Outcome refused = Run(std::string("set ") + kModern + " osd-language 99");
    EXPECT_NE(refused.status, 0);
    EXPECT_NE(refused.err.find("DvErrRefused"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("refused"), std::string::npos) << refused.err;
    EXPECT_EQ(Get(std::string(kModern) + " osd-language"), "0");

    // A feature the monitor lacks fails with the library's code.
    const Outcome absent = Run(std::string("get ") + kOffice + " audio-volume");
    EXPECT_NE(absent.status, 0);
    EXPECT_NE(absent.err.find("DvErrNotSupported"), std::string::npos) << absent.err;

    const Outcome readOnly = Run(std::string("set ") + kModern + " power-save-state 1");
    EXPECT_NE(readOnly.status, 0);
    EXPECT_NE(readOnly.err.find("cannot be set"), std::string::npos) << readOnly.err;
}

TEST_F(DvctlState, LongCallsWaitAndLeaveNoProgressOffATerminal) {
    // The office model's automatic adjustment reads busy for a while, then done (6).
    const Outcome adjust = Run(std::string("set ") + kOffice + " auto-adjust 4");
    ASSERT_EQ(adjust.status, 0) << adjust.err;
    EXPECT_TRUE(adjust.err.empty()) << adjust.err;
    EXPECT_EQ(adjust.out, "auto-adjust set to 4\n");
    EXPECT_EQ(Get(std::string(kOffice) + " auto-adjust"), "6");

    const Outcome edid = Run(std::string("run ") + kModern + " edid-ddc-write --json");
    ASSERT_EQ(edid.status, 0) << edid.err;
    EXPECT_TRUE(edid.err.empty()) << edid.err;
    EXPECT_EQ(nlohmann::json::parse(edid.out)["feature"], "edid-ddc-write");
    const Outcome office = Run(std::string("run ") + kOffice + " edid-ddc-write");
    EXPECT_NE(office.status, 0);
    EXPECT_NE(office.err.find("DvErrNotSupported"), std::string::npos) << office.err;
    const Outcome extra = Run(std::string("run ") + kModern + " edid-ddc-write 1");
    EXPECT_NE(extra.status, 0);
}

TEST_F(DvctlState, HandWrittenReadsShowTheirFields) {
    EXPECT_EQ(Get(std::string(kModern) + " asset-tag"), "ASSET-0001");
    EXPECT_EQ(Get(std::string(kModern) + " chromaticity"), "x 0.64 y 0.33");
    const Outcome frame = Run(std::string("get ") + kModern + " signal-info-frame --json");
    ASSERT_EQ(frame.status, 0) << frame.err;
    const auto info = nlohmann::json::parse(frame.out);
    EXPECT_EQ(info["bitDepth"], 8);
    EXPECT_EQ(info["colorFormat"], 0);
    const Outcome area = Run(std::string("get ") + kGrading + " iis-area --index 0 --json");
    ASSERT_EQ(area.status, 0) << area.err;
    EXPECT_EQ(nlohmann::json::parse(area.out)["geometry"], nlohmann::json({0, 0, 3840, 2160}));
}
