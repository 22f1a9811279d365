// Loading worlds and profiles: the built-ins, inline worlds, direct state
// access, the messages that bad files get, and mutated worlds that must load
// or be refused cleanly and then answer every transaction without crashing.
#include <dvcsim/backend.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "sim_fixture.hpp"

namespace dvc::test {
namespace {

class Worlds : public WorldTest {};

std::string Inline(const std::string& monitors, const std::string& profiles = "{}") {
    return R"({"profiles": )" + profiles + R"(, "monitors": )" + monitors + "}";
}

TEST_F(Worlds, EveryBuiltinWorldLoads) {
    const auto worlds = sim::BuiltinWorlds(), profiles = sim::BuiltinProfiles();
    EXPECT_GE(worlds.size(), 5u);
    EXPECT_NE(std::find(profiles.begin(), profiles.end(), "CX2740"), profiles.end());
    for (const auto& w : worlds) {
        auto s = sim::ActivateWorld(w);
        EXPECT_TRUE(s.ok) << w << ": " << s.message;
    }
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
    const auto item = [&](const char* code_and_kind, const std::string& body) {
        return with(std::string(R"({")") + code_and_kind + R"(", )" + body + "}}");
    };
    const auto tagged = [&](const std::string& body) { return item(R"(0xFF0200C2": {"kind": "tagged)", body); };
    const auto signal = [&](const std::string& body) {
        return item(R"(0xFF01010A": {"kind": "signal-infoframe)", body);
    };
    const struct {
        std::string text;
        const char* message;
    } cases[] = {
        {"{ not json", "invalid JSON"},
        {"[1, 2]", "expected an object"},
        {"{}", "monitors"},
        {Inline(R"([{"serial": "123", "profile": "OF2210", "links": {"ddcci": true}}])"), "serial"},
        {Inline(R"([{"serial": "12345678", "profile": "NOPE99", "links": {"ddcci": true}}])"),
         "unknown profile \"NOPE99\""},
        {Inline(R"([{"serial": "12345678", "profile": "OF2210", "links": {}}])"), "at least one link"},
        {Inline(R"([{"serial": "12345678", "profile": "OF2210", "links": {"ddcci": {"types": [2]}}}])"), "types"},
        {Inline(R"([{"serial": "12345678", "profile": "OF2210", "links": {"hid": {"padding": "xx"}}}])"), "padding"},
        {Inline(of + "}, " + of.substr(1) + "}]"), "used by another monitor"},
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
        {tagged(R"("codes": ["0xFF0200C4"], "tags": {"TST001": {"size": 4, "data": {"0": [1, 2, 3, 4, 5]}}})"),
         "data.0"},
        {tagged(R"("codes": ["0xFF0200C4"], "tags": {"TST001": {"size": 10, "key_values": {"k": {"text": "xx"}}}})"),
         "key_values"},
        {tagged(R"("codes": ["0xFF0200C3"], "tags": {})"), "codes"},
        {signal(R"("length": 128)"), "port"},
        {signal(R"("port": "0x0400", "bits_per_component": 9)"), "bits_per_component"},
        {signal(R"("port": "0x0400", "avi": {"colour_format": "ycbcr444", "range": "default"})"), "avi.range"},
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
    std::ofstream(dir / "w.json")
        << R"({"monitors": [{"serial": "P0000001", "profile": "p.json", "links": {"hid": true}}]})";
    auto s = sim::ActivateWorld((dir / "w.json").string());
    EXPECT_FALSE(s.ok);
    EXPECT_NE(s.message.find((dir / "p.json").string() + ": features.0x88.max"), std::string::npos) << s.message;
    std::filesystem::remove_all(dir);
}

const char* kSeedWorld = R"({"profiles": {"p": {"model": "FZ1", "features": {
  "0x88": {"max": 100, "value": 50},
  "0x12": {"kind": "data", "data": {"text": "x", "length": 17}},
  "0x18": {"kind": "lut-select", "links": ["hid"], "blocks": 8},
  "0x50": {"kind": "tags", "tags": {"0x05": "0x0F", "0x4C": {"u16": [1920, 1080]}}},
  "0xFF0000F1": {"kind": "flavors", "flavors": [{"modes": [1, 2], "flavor": 1, "features": [0]}]},
  "0xB9": {"kind": "edid-pages", "page": 0},
  "0xFF01006F": {"kind": "request-reply", "request_length": 3, "reply_length": 3, "replies": {"1": [0, 1, 0]}},
  "0xFF0000F7": {"kind": "slot-select", "slots": 2, "data": {"0xFF0000F8": {"length": 4}}},
  "0x3": {"kind": "polled", "sequences": {"4": [{"value": 2, "reads": 1}, {"value": 6}]}},
  "0xFF0200C2": {"kind": "tagged", "codes": ["0xFF0200C4", "0xFF0200C7", "0xFF0200FD", "0xFF0200FE"],
                 "tags": {"TST001": {"size": 600, "records": 2, "key_values": {"k": [1]}}}},
  "0xFF01010A": {"kind": "signal-infoframe", "port": "0x0401", "bits_per_component": 10,
                 "avi": {"colour_format": "ycbcr444", "range": "full"}, "drm": {"eotf": "pq"}},
  "0xFF0100CF": {"kind": "reset-pulse", "priority_code": "0x3", "resets": ["0x88"]}}}},
 "monitors": [{"serial": "FZ000001", "profile": "p",
               "links": {"ddcci": {"types": [0, 1], "padding": "  "}, "hid": {}}}]})";

// Every code the monitor answers on either link, and one it does not, with
// reads and writes of every size an item checks for.
void Exercise(const DvSimBackend& t) {
    uint32_t handle = 0, v = 4, len = 0;
    int32_t mx = 0;
    uint8_t buf[600] = {'T', 'S', 'T', '0', '0', '1', 1, 0, 0, 0};  // a header naming the tag, record 1
    t.ddc_set_communication_type(0);
    t.ddc_find();
    t.hid_find();
    t.hid_retrieve(0, &handle);
    std::vector<uint32_t> codes = sim::FeatureCodes("FZ000001", sim::Link::HID);
    for (uint32_t code : sim::FeatureCodes("FZ000001", sim::Link::DDCCI)) codes.push_back(code);
    for (uint32_t code : codes) {
        t.ddc_get_fixed_data(0, code, &mx, &mx, &len);
        t.ddc_get_value(0, code, &v);
        t.ddc_set_value(0, code, &v);
        t.ddc_get_data(0, code, buf, std::min<uint32_t>(len, sizeof buf));
        for (uint32_t size : {3u, 10u, 128u, 512u, 522u}) t.ddc_set_data(0, code, buf, size);
        t.hid_set_value(handle, code, v, 1);
        t.hid_get_value(handle, code, &v);
        t.hid_get_data(handle, code, buf, 256);
        t.hid_set_data(handle, code, buf, 2, 1);
    }
}

TEST(WorldFuzz, MutatedWorldsLoadOrFailCleanlyAndAnswerEveryTransaction) {
    ASSERT_TRUE(sim::ActivateWorldJson(kSeedWorld).ok);
    std::mt19937 rng(7);
    const std::string alphabet = "{}[]\":,0123456789xabcdefXF-. truenull\\";
    int loaded = 0;
    for (int i = 0; i < 1500; ++i) {
        std::string text = kSeedWorld;
        if (i % 2 == 0) text[rng() % text.size()] = "0123456789"[rng() % 10];  // mostly still loads
        for (int e = 0, edits = i % 2 ? 1 + static_cast<int>(rng() % 4) : 0; e < edits; ++e) {
            const std::size_t at = rng() % text.size();
            switch (rng() % 4) {
            case 0: text.erase(at, 1 + rng() % 6); break;
            case 1: text.insert(at, 1, alphabet[rng() % alphabet.size()]); break;
            case 2: text[at] = alphabet[rng() % alphabet.size()]; break;
            default: text.insert(at, "99999999999999999999"); break;
            }
        }
        sim::Status s;
        EXPECT_NO_THROW(s = sim::ActivateWorldJson(text, "fuzz.json"));
        EXPECT_TRUE(s.ok || !s.message.empty());
        if (s.ok && ++loaded <= 60) Exercise(*dvcsim_backend());
    }
    EXPECT_GT(loaded, 60);
    sim::DeactivateWorld();
}

}  // namespace
}  // namespace dvc::test
