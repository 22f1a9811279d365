// Loading worlds and profiles: the built-ins, inline worlds, direct state
// access, and the messages that bad files get.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "sim_fixture.hpp"

namespace dvc::test {
namespace {

class Worlds : public WorldTest {};

std::string Inline(const std::string& monitors, const std::string& profiles = "{}") {
    return R"({"profiles": )" + profiles + R"(, "monitors": )" + monitors + "}";
}

bool Has(const std::vector<std::string>& names, const char* name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

TEST_F(Worlds, BuiltinsLoadAndTheDefaultWorldHasADualLinkMonitorAndTwoOfOneModel) {
    const auto worlds = sim::BuiltinWorlds(), profiles = sim::BuiltinProfiles();
    for (const char* w : {"default", "single", "office", "timed", "empty"}) EXPECT_TRUE(Has(worlds, w)) << w;
    for (const char* p : {"OF2210", "CX2740", "CG3180", "MX2420"}) EXPECT_TRUE(Has(profiles, p)) << p;
    for (const auto& w : worlds) {
        auto s = sim::ActivateWorld(w);
        EXPECT_TRUE(s.ok) << w << ": " << s.message;
    }
    Activate();
    const auto monitors = sim::Monitors();
    ASSERT_EQ(monitors.size(), 5u);
    EXPECT_EQ(std::count_if(monitors.begin(), monitors.end(), [](auto& m) { return m.model == "OF2210"; }), 2);
    EXPECT_EQ(monitors[0].model, "CX2740");
    EXPECT_TRUE(monitors[0].ddcci && monitors[0].hid && monitors[0].hid_handle != 0);
}

TEST_F(Worlds, InlineProfilesExtendBuiltinsAndMonitorsOverrideThem) {
    auto s = sim::ActivateWorldJson(Inline(
        R"([{"serial": "AB000001", "profile": "tiny", "links": {"hid": {}}, "features": {"0x88": {"value": 9}}},
            {"serial": "AB000002", "profile": "mine", "links": {"ddcci": true}}])",
        R"({"tiny": {"model": "T1", "features": {"0x88": {"max": 10, "value": 3}, "0x89": {"max": 5}}},
            "mine": {"base": "OF2210", "features": {"0x24": null, "0x70": {"max": 9, "value": 7}}}})"));
    ASSERT_TRUE(s.ok) << s.message;
    EXPECT_EQ(sim::GetStateValue("AB000001", 0x88), 9u);
    EXPECT_EQ(sim::GetStateValue("AB000001", 0x89), 0u);
    EXPECT_EQ(sim::Monitors()[1].model, "OF2210");
    EXPECT_EQ(sim::GetStateValue("AB000002", 0x70), 7u);
    EXPECT_EQ(sim::GetStateValue("AB000002", 0x88), 80u) << "from the base";
    EXPECT_FALSE(sim::GetStateValue("AB000002", 0x24).has_value()) << "removed by null";

    EXPECT_TRUE(sim::SetStateValue("AB000001", 0x89, 4));
    EXPECT_EQ(sim::GetStateValue("AB000001", 0x89), 4u);
    EXPECT_FALSE(sim::SetStateValue("ZZ000000", 0x89, 4));
    sim::ResetState();
    EXPECT_EQ(sim::GetStateValue("AB000001", 0x89), 0u);
}

TEST_F(Worlds, BadWorldsAreRefusedWithAMessageNamingTheFileAndThePlace) {
    const std::string of = R"([{"serial": "12345678", "profile": "OF2210", "links": {"ddcci": true})";
    const auto with = [&](const std::string& features) { return Inline(of + R"(, "features": )" + features + "}]"); };
    const auto tagged = [&](const std::string& body) { return with(R"({"0xFF0200C2": {"kind": "tagged", )" + body + "}}"); };
    const auto signal = [&](const std::string& body) {
        return with(R"({"0xFF01010A": {"kind": "signal-infoframe", )" + body + "}}");
    };
    const struct {
        std::string text;
        const char* message;
    } cases[] = {
        {"{ not json", "invalid JSON"},
        {"[1, 2]", "expected an object"},
        {"{}", "monitors"},
        {Inline(R"([{"serial": "123", "profile": "OF2210", "links": {"ddcci": true}}])"), "serial"},
        {Inline(R"([{"serial": 12345678, "profile": "OF2210", "links": {"ddcci": true}}])"), "expected a string"},
        {Inline(R"([{"serial": "12345678", "profile": "NOPE99", "links": {"ddcci": true}}])"), "unknown profile \"NOPE99\""},
        {Inline(R"([{"serial": "12345678", "profile": "OF2210", "links": {}}])"), "at least one link"},
        {Inline(R"([{"serial": "12345678", "profile": "OF2210", "links": {"ddcci": {"types": [2]}}}])"), "types"},
        {Inline(R"([{"serial": "12345678", "profile": "OF2210", "links": {"hid": {"padding": "xx"}}}])"), "padding"},
        {Inline(of + "}, " + of.substr(1) + "}]"), "used by another monitor"},
        {with(R"({"0x88": {"value": 99999999999999999999}})"), "0x88"},
        {with(R"({"0x1FFFFFFFF": {"value": 1}})"), "out of range"},
        {with(R"({"0x99": {"kind": "teleport"}})"), "unknown handler \"teleport\""},
        {with(R"({"0x88": {"maxx": 3}})"), "unknown member \"maxx\""},
        {with(R"({"0x18": {"kind": "lut-select", "select_by": 5}})"), "0x18"},
        {with(R"({"0x88": {"max": 10, "value": 11}})"), "outside min..max"},
        {with(R"({"0x18": {"kind": "lut-select"}, "0x19": {"max": 1}})"), "answered by another feature"},
        {Inline(R"([{"serial": "12345678", "profile": "a", "links": {"ddcci": true}}])",
                R"({"a": {"base": "b"}, "b": {"base": "a"}})"),
         "deeper than 8"},
        {tagged(R"("codes": ["0xFF0200C4"], "tags": {"SHORT": {"size": 8}})"), "tags.SHORT"},
        {tagged(R"("codes": ["0xFF0200C4"], "tags": {"TST001": {"size": 4, "data": {"0": [1, 2, 3, 4, 5]}}})"), "data.0"},
        {tagged(R"("codes": ["0xFF0200C4"], "tags": {"TST001": {"size": 8, "records": 1, "data": {"1": [1]}}})"),
         "data.1"},
        {tagged(R"("codes": ["0xFF0200C4"], "tags": {"TST001": {"size": 10, "key_values": {"k": {"text": "longer"}}}})"),
         "key_values"},
        {tagged(R"("codes": ["0xFF0200C3"], "tags": {})"), "codes"},
        {tagged(R"("tags": {})"), "codes"},
        {tagged(R"("codes": ["0xFF0200C4"], "tags": {"TST001": {"records": 2}})"), "needs \"size\""},
        {signal(R"("length": 128)"), "port"},
        {signal(R"("port": "0x0400", "length": 100)"), "length"},
        {signal(R"("port": "0x0400", "bits_per_component": 9)"), "bits_per_component"},
        {signal(R"("port": "0x0400", "avi": {"colour_format": "ycbcr444", "range": "default"})"), "avi.range"},
        {signal(R"("port": "0x0400", "avi": {"colorimetry": "adobe"})"), "avi.colorimetry"},
        {signal(R"("port": "0x0400", "drm": {"max_cll": 100})"), "drm"},
        {signal(R"("port": "0x0400", "drm": {"eotf": "pq", "min_luminance": 7})"), "drm.min_luminance"},
    };
    Activate();
    for (const auto& c : cases) {
        auto s = sim::ActivateWorldJson(c.text, "case.json");
        EXPECT_FALSE(s.ok) << c.message;
        EXPECT_NE(s.message.find(c.message), std::string::npos) << s.message;
        EXPECT_NE(s.message.find("case.json"), std::string::npos) << s.message;
    }
    EXPECT_EQ(sim::Monitors().size(), 5u) << "a failed activation keeps the previous world";
    sim::DeactivateWorld();
    if (std::getenv("DVC_SIM") == nullptr) {
        EXPECT_FALSE(sim::WorldActive());
    }
}

TEST_F(Worlds, FileErrorsNameTheFile) {
    for (const char* name : {"/nonexistent/world.json", "no-such-world"}) {
        auto s = sim::ActivateWorld(name);
        EXPECT_FALSE(s.ok);
        EXPECT_NE(s.message.find(name), std::string::npos) << s.message;
    }
    const auto dir = std::filesystem::temp_directory_path() / ("dvcsim_world_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "p.json") << R"({"model": "P1", "features": {"0x88": {"max": "ten"}}})";
    std::ofstream(dir / "w.json") << R"({"monitors": [{"serial": "P0000001", "profile": "p.json", "links": {"hid": true}}]})";
    auto s = sim::ActivateWorld((dir / "w.json").string());
    EXPECT_FALSE(s.ok);
    EXPECT_NE(s.message.find((dir / "p.json").string() + ": features.0x88.max"), std::string::npos) << s.message;
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace dvc::test
