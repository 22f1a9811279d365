// Loading worlds and profiles: the built-ins, inline worlds, and the error
// messages that bad files get.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "sim_fixture.hpp"

namespace {

using namespace dvc::test;

class Worlds : public WorldTest {};

std::string Inline(const std::string& monitors, const std::string& profiles = "{}") {
    return R"({"profiles": )" + profiles + R"(, "monitors": )" + monitors + "}";
}

TEST_F(Worlds, EveryBuiltinWorldLoads) {
    auto worlds = dvc::sim::BuiltinWorlds();
    for (const char* expected : {"default", "single", "office", "timed", "empty"})
        EXPECT_NE(std::find(worlds.begin(), worlds.end(), expected), worlds.end()) << expected;
    for (const auto& w : worlds) {
        auto s = dvc::sim::ActivateWorld(w);
        EXPECT_TRUE(s.ok) << w << ": " << s.message;
    }
}

TEST_F(Worlds, DefaultWorldHasAMergeableDualLinkMonitorAndTwoOfOneModel) {
    Activate();
    auto monitors = dvc::sim::Monitors();
    ASSERT_EQ(monitors.size(), 5u);
    int office = 0, dual = 0;
    for (const auto& m : monitors) {
        office += m.model == "OF2210";
        if (m.ddcci && m.hid) ++dual;
        if (m.hid) {
            EXPECT_NE(m.hid_handle, 0u);
        }
    }
    EXPECT_EQ(office, 2);
    EXPECT_GE(dual, 1);
    EXPECT_EQ(monitors[0].model, "CX2740");
    EXPECT_TRUE(monitors[0].ddcci && monitors[0].hid);
    auto profiles = dvc::sim::BuiltinProfiles();
    for (const char* p : {"OF2210", "CX2740", "CG3180", "MX2420"})
        EXPECT_NE(std::find(profiles.begin(), profiles.end(), p), profiles.end()) << p;
}

TEST_F(Worlds, InlineWorldWithInlineProfileAndPerMonitorOverride) {
    std::string text = Inline(
        R"([{"serial": "AB000001", "profile": "tiny", "links": {"hid": {}}, "features": {"0x88": {"value": 9}}}])",
        R"({"tiny": {"model": "T1", "features": {"0x88": {"max": 10, "value": 3}, "0x89": {"max": 5}}}})");
    auto s = dvc::sim::ActivateWorldJson(text);
    ASSERT_TRUE(s.ok) << s.message;
    EXPECT_EQ(dvc::sim::GetStateValue("AB000001", 0x88), 9u);
    EXPECT_EQ(dvc::sim::GetStateValue("AB000001", 0x89), 0u);
    EXPECT_TRUE(dvc::sim::SetStateValue("AB000001", 0x89, 4));
    EXPECT_EQ(dvc::sim::GetStateValue("AB000001", 0x89), 4u);
    EXPECT_FALSE(dvc::sim::SetStateValue("ZZ000000", 0x89, 4));
    dvc::sim::ResetState();
    EXPECT_EQ(dvc::sim::GetStateValue("AB000001", 0x89), 0u);
}

TEST_F(Worlds, ProfileOfABuiltinModelCanBeExtendedInline) {
    std::string text = Inline(R"([{"serial": "AB000002", "profile": "mine", "links": {"ddcci": true}}])",
                              R"({"mine": {"base": "OF2210", "features": {"0x24": null, "0x70": {"max": 9, "value": 7}}}})");
    auto s = dvc::sim::ActivateWorldJson(text);
    ASSERT_TRUE(s.ok) << s.message;
    EXPECT_EQ(dvc::sim::Monitors()[0].model, "OF2210");
    EXPECT_EQ(dvc::sim::GetStateValue("AB000002", 0x70), 7u);
    EXPECT_FALSE(dvc::sim::GetStateValue("AB000002", 0x24).has_value());
    EXPECT_EQ(dvc::sim::GetStateValue("AB000002", 0x88), 80u);
}

struct BadCase {
    const char* name;
    std::string text;
    const char* message;  // must appear in the error
};

TEST_F(Worlds, BadWorldsAreRefusedWithAMessageNamingTheProblem) {
    const std::string ok_links = R"("links": {"ddcci": true})";
    const BadCase cases[] = {
        {"garbage", "{ not json", "invalid JSON"},
        {"not an object", "[1, 2]", "expected an object"},
        {"no monitors", "{}", "monitors"},
        {"short serial", Inline(R"([{"serial": "123", "profile": "OF2210", )" + ok_links + "}]"), "serial"},
        {"serial type", Inline(R"([{"serial": 12345678, "profile": "OF2210", )" + ok_links + "}]"), "expected a string"},
        {"unknown profile", Inline(R"([{"serial": "12345678", "profile": "NOPE99", )" + ok_links + "}]"), "unknown profile \"NOPE99\""},
        {"no links", Inline(R"([{"serial": "12345678", "profile": "OF2210", "links": {}}])"), "at least one link"},
        {"bad type", Inline(R"([{"serial": "12345678", "profile": "OF2210", "links": {"ddcci": {"types": [2]}}}])"), "types"},
        {"bad padding", Inline(R"([{"serial": "12345678", "profile": "OF2210", "links": {"hid": {"padding": "xx"}}}])"), "padding"},
        {"duplicate serial", Inline(R"([{"serial": "12345678", "profile": "OF2210", )" + ok_links +
                                    R"(}, {"serial": "12345678", "profile": "OF2210", )" + ok_links + "}]"),
         "used by another monitor"},
        {"huge value", Inline(R"([{"serial": "12345678", "profile": "OF2210", )" + ok_links +
                              R"(, "features": {"0x88": {"value": 99999999999999999999}}}])"),
         "0x88"},
        {"huge code", Inline(R"([{"serial": "12345678", "profile": "OF2210", )" + ok_links +
                             R"(, "features": {"0x1FFFFFFFF": {"value": 1}}}])"),
         "out of range"},
        {"unknown kind", Inline(R"([{"serial": "12345678", "profile": "OF2210", )" + ok_links +
                                R"(, "features": {"0x99": {"kind": "teleport"}}}])"),
         "unknown handler \"teleport\""},
        {"typo", Inline(R"([{"serial": "12345678", "profile": "OF2210", )" + ok_links +
                        R"(, "features": {"0x88": {"maxx": 3}}}])"),
         "unknown member \"maxx\""},
        {"wrong member type", Inline(R"([{"serial": "12345678", "profile": "OF2210", )" + ok_links +
                                     R"(, "features": {"0x18": {"kind": "lut-select", "select_by": 5}}}])"),
         "0x18"},
        {"value outside range", Inline(R"([{"serial": "12345678", "profile": "OF2210", )" + ok_links +
                                       R"(, "features": {"0x88": {"max": 10, "value": 11}}}])"),
         "outside min..max"},
        {"base cycle", Inline(R"([{"serial": "12345678", "profile": "a", )" + ok_links + "}]",
                              R"({"a": {"base": "b"}, "b": {"base": "a"}})"),
         "deeper than 8"},
        {"overlapping codes", Inline(R"([{"serial": "12345678", "profile": "OF2210", "links": {"hid": true})" +
                                     std::string(R"(, "features": {"0x18": {"kind": "lut-select"}, "0x19": {"max": 1}}}])")),
         "answered by another feature"},
    };
    for (const auto& c : cases) {
        auto s = dvc::sim::ActivateWorldJson(c.text, "case.json");
        EXPECT_FALSE(s.ok) << c.name;
        EXPECT_NE(s.message.find(c.message), std::string::npos) << c.name << ": " << s.message;
        EXPECT_NE(s.message.find("case.json"), std::string::npos) << c.name << ": " << s.message;
    }
}

TEST_F(Worlds, FileErrorsNameTheFile) {
    auto s = dvc::sim::ActivateWorld("/nonexistent/world.json");
    EXPECT_FALSE(s.ok);
    EXPECT_NE(s.message.find("/nonexistent/world.json"), std::string::npos) << s.message;
    s = dvc::sim::ActivateWorld("no-such-world");
    EXPECT_FALSE(s.ok);
    EXPECT_NE(s.message.find("no-such-world"), std::string::npos) << s.message;

    auto dir = std::filesystem::temp_directory_path() / ("dvcsim_world_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "p.json") << R"({"model": "P1", "features": {"0x88": {"max": "ten"}}})";
    std::ofstream(dir / "w.json") << R"({"monitors": [{"serial": "P0000001", "profile": "p.json", "links": {"hid": true}}]})";
    s = dvc::sim::ActivateWorld((dir / "w.json").string());
    EXPECT_FALSE(s.ok);
    EXPECT_NE(s.message.find((dir / "p.json").string()), std::string::npos) << s.message;
    EXPECT_NE(s.message.find("features.0x88.max"), std::string::npos) << s.message;
    std::filesystem::remove_all(dir);
}

TEST_F(Worlds, AFailedActivationLeavesNoWorldBehind) {
    Activate();
    EXPECT_FALSE(dvc::sim::ActivateWorldJson("{", "broken.json").ok);
    EXPECT_TRUE(dvc::sim::WorldActive());  // the previous world stays
    dvc::sim::DeactivateWorld();
    if (std::getenv("DVC_SIM") == nullptr) {
        EXPECT_FALSE(dvc::sim::WorldActive());
    }
}

}  // namespace
