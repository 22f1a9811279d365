// Robustness of the world loader: mutated world texts either load or are
// refused with a message; nothing crashes or throws.
#include <random>

#include "sim_fixture.hpp"

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

TEST(WorldFuzz, MutatedWorldsLoadOrFailCleanly) {
    ASSERT_TRUE(dvc::sim::ActivateWorldJson(kSeedWorld).ok) << dvc::sim::ActivateWorldJson(kSeedWorld).message;
    std::mt19937 rng(7);
    const std::string alphabet = "{}[]\":,0123456789xabcdefXF-. truenull\\";
    int loaded = 0;
    for (int i = 0; i < 1500; ++i) {
        std::string text = kSeedWorld;
        int edits = 1 + static_cast<int>(rng() % 4);
        for (int e = 0; e < edits; ++e) {
            std::size_t at = rng() % text.size();
            switch (rng() % 4) {
                case 0: text.erase(at, 1 + rng() % 6); break;
                case 1: text.insert(at, 1, alphabet[rng() % alphabet.size()]); break;
                case 2: text[at] = alphabet[rng() % alphabet.size()]; break;
                default: text.insert(at, "99999999999999999999"); break;
            }
        }
        dvc::sim::Status s;
        EXPECT_NO_THROW(s = dvc::sim::ActivateWorldJson(text, "fuzz.json"));
        if (s.ok) ++loaded;
        else EXPECT_FALSE(s.message.empty());
    }
    EXPECT_GT(loaded, 0);
    dvc::sim::DeactivateWorld();
}

}  // namespace

#include <dvcsim/backend.h>

namespace {

// Whatever a loaded world holds, transactions on every code answer with a
// result and never crash.
TEST(WorldFuzz, LoadedMutationsAnswerEveryTransaction) {
    std::mt19937 rng(11);
    const DvSimBackend* t = dvcsim_backend();
    const uint32_t codes[] = {0x3,        0x11,       0x12,       0x18,       0x19,       0x50,
                              0x88,       0xB9,       0xBA,       0xFF0000F1, 0xFF0000F7, 0xFF0000F8,
                              0xFF01006F, 0xFF0200C2, 0xFF0200C3, 0xFF0200C4, 0xFF0200C7, 0xFF0200FD,
                              0xFF0200FE, 0xFF01010A, 0xFF0100CF};
    int exercised = 0;
    for (int i = 0; i < 400 && exercised < 60; ++i) {
        std::string text = kSeedWorld;
        std::size_t at = rng() % text.size();
        text[at] = "0123456789"[rng() % 10];
        if (!dvc::sim::ActivateWorldJson(text, "fuzz.json").ok) continue;
        ++exercised;
        t->ddc_set_communication_type(0);
        int32_t n = t->ddc_find();
        t->hid_find();
        uint32_t handle = 0;
        t->hid_retrieve(0, &handle);
        uint8_t buf[600] = {'T', 'S', 'T', '0', '0', '1', 1, 0, 0, 0};  // a header naming the tag, record 1
        for (uint32_t code : codes) {
            for (uint32_t index = 0; index < static_cast<uint32_t>(n > 0 ? n : 1); ++index) {
                int32_t mx, mn;
                uint32_t len = 0, v = 0;
                t->ddc_get_fixed_data(index, code, &mx, &mn, &len);
                t->ddc_get_value(index, code, &v);
                t->ddc_set_value(index, code, &v);
                t->ddc_get_data(index, code, buf, len < sizeof buf ? len : sizeof buf);
                t->ddc_set_data(index, code, buf, 3);
                for (uint32_t size : {10u, 128u, 512u, 522u}) t->ddc_set_data(index, code, buf, size);
            }
            uint32_t v = 4;
            t->hid_set_value(handle, code, v, 1);
            t->hid_get_value(handle, code, &v);
            t->hid_get_data(handle, code, buf, 256);
            t->hid_set_data(handle, code, buf, 2, 1);
        }
    }
    EXPECT_GT(exercised, 0);
    dvc::sim::DeactivateWorld();
}

}  // namespace
