// Robustness of the world loader and of the items it builds: mutated world
// texts either load or are refused with a message, and whatever a loaded
// world holds, every transaction on every code answers without crashing.
#include <dvcsim/backend.h>

#include <random>

#include "sim_fixture.hpp"

namespace dvc::test {
namespace {

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
 "monitors": [{"serial": "FZ000001", "profile": "p", "links": {"ddcci": {"types": [0, 1], "padding": "  "}, "hid": {}}}]})";

// Every code the monitor answers, and one it does not, on both links.
void Exercise(const DvSimBackend& t) {
    t.ddc_set_communication_type(0);
    t.ddc_find();
    t.hid_find();
    uint32_t handle = 0, v = 4, len = 0;
    t.hid_retrieve(0, &handle);
    int32_t mx = 0;
    uint8_t buf[600] = {'T', 'S', 'T', '0', '0', '1', 1, 0, 0, 0};  // a header naming the tag, record 1
    std::vector<uint32_t> codes = sim::FeatureCodes("FZ000001", sim::Link::HID);
    for (uint32_t code : sim::FeatureCodes("FZ000001", sim::Link::DDCCI)) codes.push_back(code);
    codes.push_back(0x1234);
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
        // Half of them change one digit, which mostly still loads.
        for (int e = 0, edits = i % 2 ? 1 + static_cast<int>(rng() % 4) : 0; e < edits; ++e) {
            const std::size_t at = rng() % text.size();
            switch (rng() % 4) {
                case 0: text.erase(at, 1 + rng() % 6); break;
                case 1: text.insert(at, 1, alphabet[rng() % alphabet.size()]); break;
                case 2: text[at] = alphabet[rng() % alphabet.size()]; break;
                default: text.insert(at, "99999999999999999999"); break;
            }
        }
        if (i % 2 == 0) text[rng() % text.size()] = "0123456789"[rng() % 10];
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
