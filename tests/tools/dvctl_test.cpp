// dvctl as a user runs it, against the built-in default world.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "dvctl_run.hpp"

using dvctltest::CountOf;
using dvctltest::Dvctl;
using dvctltest::LineWith;
using dvctltest::Outcome;

TEST(DvctlList, ShowsEachMonitorOnceWithItsPathsInOrder) {
    const Outcome run = Dvctl("--sim list");
    ASSERT_EQ(run.status, 0) << run.err;
    // The monitor on both cables is one monitor, found over HID first.
    EXPECT_EQ(CountOf(run.out, "CX2740"), 1);
    const std::string line = LineWith(run.out, "CX2740");
    EXPECT_NE(line.find("21409001"), std::string::npos) << line;
    EXPECT_NE(line.find("HID, DDC/CI"), std::string::npos) << line;
    EXPECT_EQ(CountOf(run.out, "OF2210"), 2);
    EXPECT_NE(LineWith(run.out, "CG3180").find("HID, DDC/CI, DDC/CI-1"), std::string::npos);
}

TEST(DvctlList, JsonNamesKindsAndPaths) {
    const Outcome run = Dvctl("--sim=default list --json");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto list = nlohmann::json::parse(run.out);
    ASSERT_EQ(list.size(), 5u);
    int seen = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(list[i]["index"], static_cast<int>(i));
        if (list[i]["model"] != "CX2740") continue;
        ++seen;
        EXPECT_EQ(list[i]["pathKind"], 0);
        EXPECT_EQ(list[i]["paths"], nlohmann::json({"HID", "DDC/CI"}));
    }
    EXPECT_EQ(seen, 1);
    // Monitors come in the registry's order: by serial number.
    EXPECT_LT(list[0]["serial"].get<std::string>(), list[1]["serial"].get<std::string>());
}

TEST(DvctlList, AnEmptyWorldHasNoMonitors) {
    const Outcome run = Dvctl("--sim=empty list");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("no monitors"), std::string::npos);
}

TEST(DvctlInfo, ShowsTheModelRecordAndFlavors) {
    const Outcome run = Dvctl("--sim info CX2740");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("6 picture modes"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("2.2 [5]"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("flavor 4"), std::string::npos) << run.out;
    const Outcome tagless = Dvctl("--sim info 17200455");
    ASSERT_EQ(tagless.status, 0) << tagless.err;
    EXPECT_NE(tagless.out.find("6500 K"), std::string::npos) << tagless.out;
    EXPECT_NE(tagless.out.find("input ports:        10, 20"), std::string::npos) << tagless.out;
}

TEST(DvctlInfo, JsonIsTheSameWhateverTheMonitorIsCalled) {
    const Outcome byModel = Dvctl("--sim info CG3180 --json");
    ASSERT_EQ(byModel.status, 0) << byModel.err;
    const auto info = nlohmann::json::parse(byModel.out);
    EXPECT_EQ(info["serial"], "23100077");
    EXPECT_EQ(info["modeCount"], 8);
    EXPECT_EQ(info["mediaEmulationCount"], 4);
    ASSERT_EQ(info["flavors"].size(), 4u);
    EXPECT_EQ(info["flavors"][0]["modes"], nlohmann::json({1, 2}));
    EXPECT_EQ(info["flavors"][3]["features"], nlohmann::json({0, 8, 9, 14}));
    const int index = info["index"];
    const Outcome byIndex = Dvctl("--sim info " + std::to_string(index) + " --json");
    const Outcome bySerial = Dvctl("--sim info 23100077 --json");
    EXPECT_EQ(nlohmann::json::parse(byIndex.out), info);
    EXPECT_EQ(nlohmann::json::parse(bySerial.out), info);
}

TEST(DvctlInfo, BadNamesFailWithTheErrorName) {
    const Outcome unknown = Dvctl("--sim info NOSUCH");
    EXPECT_NE(unknown.status, 0);
    EXPECT_TRUE(unknown.out.empty()) << unknown.out;
    EXPECT_NE(unknown.err.find("DvErrFailed"), std::string::npos) << unknown.err;
    EXPECT_NE(unknown.err.find("NOSUCH"), std::string::npos) << unknown.err;
    // Two monitors share this model name.
    const Outcome ambiguous = Dvctl("--sim info OF2210");
    EXPECT_NE(ambiguous.status, 0);
    EXPECT_NE(ambiguous.err.find("DvErrInvalidParameter"), std::string::npos) << ambiguous.err;
    // An index past the end is no monitor either.
    const Outcome pastEnd = Dvctl("--sim info 5");
    EXPECT_NE(pastEnd.status, 0);
    EXPECT_NE(pastEnd.err.find("DvErrFailed"), std::string::npos) << pastEnd.err;
}

TEST(DvctlInfo, UsageErrorsExitNonZero) {
    EXPECT_NE(Dvctl("--sim info").status, 0);
    EXPECT_NE(Dvctl("--sim").status, 0);
    EXPECT_NE(Dvctl("--sim frobnicate").status, 0);
}
