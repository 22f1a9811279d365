// ddclink's hardware backend on an emulated machine: which buses are looked
// at, discovery in parallel, the identification from the EDID, and the
// library's codes mapped to VCP controls that the capabilities announce.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ddc/i2c_link.hpp"
#include "emulated_display.hpp"
#include "libdvc/dvc_types.h"
#include "proptag/proptag.h"

namespace dvc::ddc {
namespace {

namespace fs = std::filesystem;
using ddcsim::Behaviour;

const Timing kFast = Timing{}.Scaled(0.02);

// A minimal valid EDID base block: maker "DEL", product 0xA0B1, a name and a
// serial descriptor.
std::vector<uint8_t> MakeEdid(const std::string& name, const std::string& serial) {
    std::vector<uint8_t> b(128, 0);
    const uint8_t header[] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    std::copy(std::begin(header), std::end(header), b.begin());
    b[8] = 0x10, b[9] = 0xAC, b[10] = 0xB1, b[11] = 0xA0;
    auto text = [&](size_t at, uint8_t tag, const std::string& s) {
        b[at + 3] = tag;
        for (size_t i = 0; i < 13; ++i) b[at + 5 + i] = i < s.size() ? s[i] : i == s.size() ? 0x0A : 0x20;
    };
    text(72, 0xFC, name);
    text(90, 0xFF, serial);
    uint8_t sum = 0;
    for (size_t i = 0; i < 127; ++i) sum = static_cast<uint8_t>(sum + b[i]);
    b[127] = static_cast<uint8_t>(-sum);
    return b;
}

Behaviour Display(const std::string& serial) {
    Behaviour b;
    b.edid = MakeEdid("DELL P2317H", serial);
    b.capabilities =
        "(prot(monitor)type(lcd)model(p2317h)cmds(01 02 03 07 0c e3 f3)vcp(02 04 10 12 60(01 0f 11) "
        "62 8d(01 02) d6(01 05) df)mccs_ver(2.1))";
    b.controls = {{0x10, {100, 30}}, {0x12, {100, 50}}, {0x60, {0x11, 0x0F}},
                  {0x8D, {2, 2}},    {0xD6, {5, 1}},    {0xDF, {0, 0x0201}}};
    return b;
}

class DdcBackend : public ::testing::Test {
protected:
    void TearDown() override { ddcsim::DetachAll(); }
    I2cLink Link(std::vector<DisplayBus> buses) {
        return I2cLink(Environment{[buses] { return buses; }, &ddcsim::OpenEmulatedBus, kFast});
    }
};

TEST_F(DdcBackend, FindsOnlyDdcDisplaysAndNamesThemFromTheirEdid) {
    auto standard = std::make_shared<ddcsim::EmulatedDisplay>(Display("CBLMTF163670"));
    Behaviour quiet = Display("1");
    quiet.ddc = false;  // an EDID but no DDC/CI
    ddcsim::Attach(3, standard);
    ddcsim::Attach(4, std::make_shared<ddcsim::EmulatedDisplay>(quiet));
    ddcsim::Attach(5, std::make_shared<ddcsim::EmulatedDisplay>(Behaviour{}));  // a bus with no display
    ddcsim::AttachDenied(6);
    I2cLink link = Link({{3, "DP-1"}, {4, "HDMI-A-1"}, {5, "DP-2"}, {6, "DP-3"}, {7, "DP-4"}});
    ASSERT_EQ(link.Find(), 1);
    uint32_t length = 0;
    ASSERT_EQ(link.GetFixedData(0, 0x11, nullptr, nullptr, &length), 0);
    std::string block(length, '\0');
    ASSERT_EQ(link.GetData(0, 0x11, block.data(), length), 0);
    EXPECT_EQ(block, ShortSerial("CBLMTF163670") + "DELL P2317H");
    EXPECT_EQ(link.IsSupported(0, 0x11), 1);
    EXPECT_EQ(link.GetData(0, 0x11, block.data(), length + 1), DvErrSizeMismatch);
    EXPECT_EQ(link.GetValue(1, 0x88, nullptr), DvErrFailed);  // no such index
    EXPECT_EQ(standard->observed().stray, 0);
    EXPECT_EQ(link.Release(), 0);
    EXPECT_EQ(link.IsSupported(0, 0x11), 0);
}

TEST_F(DdcBackend, MapsCodesToAnnouncedControlsOnly) {
    auto d = std::make_shared<ddcsim::EmulatedDisplay>(Display("6V824341"));
    ddcsim::Attach(1, d);
    I2cLink link = Link({{1, "DP-1"}});
    ASSERT_EQ(link.Find(), 1);
    struct Case {
        uint32_t code;
        int32_t supported;
    } support[] = {
        {0x88, 1},       {0x89, 1}, {0x71, 1}, {0x4A, 1}, {0xB2, 1}, {0xB0, 1},  // announced
        {0x50, 1},                                                               // inputs announced: a self-description
        {0x8A, 0},                                                               // red gain: not announced
        {0xFF0100B0, 0},                                                         // no counterpart
    };
    for (const auto& c : support) EXPECT_EQ(link.IsSupported(0, c.code), c.supported) << std::hex << c.code;
    // The self-description lists the announced inputs (VGA, DisplayPort,
    // HDMI) as the library's port codes, in a block the tag parser accepts.
    uint32_t length = 0;
    ASSERT_EQ(link.GetFixedData(0, 0x50, nullptr, nullptr, &length), 0);
    std::vector<uint8_t> tags(length);
    ASSERT_EQ(link.GetData(0, 0x50, tags.data(), length), 0);
    ASSERT_EQ(DvpTagParse(tags.data(), &length), PROPTAG_OK);
    const uint16_t inputPorts = 0x53;
    uint16_t ports[4] = {}, size = sizeof ports;
    EXPECT_EQ(DvpGetTagData(&inputPorts, ports, &size), 6);
    EXPECT_EQ(std::vector<uint16_t>(ports, ports + 3), (std::vector<uint16_t>{0x100, 0x300, 0x400}));
    DvpReleaseTagData();
    uint32_t v = 0;
    EXPECT_EQ(link.GetValue(0, 0x8A, &v), DvErrNotSupported);
    int32_t max = 0, min = -1;
    ASSERT_EQ(link.GetValue(0, 0x88, &v), 0);
    EXPECT_EQ(v, 30u);
    const int framesBefore = d->observed().frames;
    ASSERT_EQ(link.GetFixedData(0, 0x88, &max, &min, nullptr), 0);  // the maximum is known by now
    EXPECT_EQ(d->observed().frames, framesBefore);
    EXPECT_EQ(max, 100);
    EXPECT_EQ(min, 0);
    const uint32_t fifty = 50, tooBig = 101, hdmi1 = 0x400, dvi = 0x200, off = 0, two = 2;
    EXPECT_EQ(link.SetValue(0, 0x88, &fifty), 0);
    EXPECT_EQ(d->Value(0x10), 50);
    EXPECT_EQ(link.SetValue(0, 0x88, &tooBig), DvErrInvalidParameter);
    ASSERT_EQ(link.GetValue(0, 0x71, &v), 0);
    EXPECT_EQ(v, 0x300u);  // input source 0x0F: the library's first DisplayPort
    EXPECT_EQ(link.SetValue(0, 0x71, &hdmi1), 0);
    EXPECT_EQ(d->Value(0x60), 0x11);
    EXPECT_EQ(link.SetValue(0, 0x71, &dvi), DvErrInvalidParameter);  // not among the inputs it lists
    // Power and mute: the library's on/off against the display's own values.
    ASSERT_EQ(link.GetValue(0, 0x4A, &v), 0);
    EXPECT_EQ(v, 1u);
    EXPECT_EQ(link.SetValue(0, 0x4A, &off), 0);
    EXPECT_EQ(d->Value(0xD6), 5);  // it announces 1 and 5 only
    EXPECT_EQ(link.SetValue(0, 0x4A, &two), DvErrInvalidParameter);
    ASSERT_EQ(link.GetValue(0, 0xB2, &v), 0);
    EXPECT_EQ(v, 0u);  // 2: not muted
    EXPECT_EQ(link.SetValue(0, 0xB2, &fifty), DvErrInvalidParameter);
}

TEST_F(DdcBackend, ParallelDiscoveryOfManyDisplays) {
    std::vector<DisplayBus> buses;
    std::vector<std::shared_ptr<ddcsim::EmulatedDisplay>> displays;
    for (int i = 0; i < 8; ++i) {
        Behaviour b = Display("SN" + std::to_string(i));
        b.latency = kFast.replyDelay / 2;
        b.byteTime = std::chrono::microseconds(90);
        displays.push_back(std::make_shared<ddcsim::EmulatedDisplay>(b));
        ddcsim::Attach(i, displays.back());
        buses.push_back({i, "DP-" + std::to_string(i)});
    }
    ASSERT_EQ(Link(buses).Find(), 8);
    // Every bus was still busy when the last one started: probed side by side.
    auto lastStart = displays[0]->observed().first, firstEnd = displays[0]->observed().last;
    for (auto& d : displays) {
        lastStart = std::max(lastStart, d->observed().first);
        firstEnd = std::min(firstEnd, d->observed().last);
    }
    EXPECT_LT(lastStart, firstEnd);
}

TEST(DdcDisplayBuses, ConnectorsFirstThenDisplayAdaptersByName) {
    const fs::path root = fs::temp_directory_path() / ("ddc_sys_" + std::to_string(::getpid()));
    fs::remove_all(root);
    auto file = [&](const fs::path& p, const std::string& text) {
        fs::create_directories(p.parent_path());
        std::ofstream(p) << text << "\n";
    };
    file(root / "class/i2c-dev/i2c-0/name", "SMBus I801 adapter at efa0");
    file(root / "class/i2c-dev/i2c-4/name", "i915 gmbus dpb");
    EXPECT_EQ(FindDisplayBuses(root.string()).size(), 1u);  // no DRM: the adapter named for a display
    file(root / "class/drm/card0-HDMI-A-1/status", "connected");
    fs::create_directory_symlink("../../i2c-4", root / "class/drm/card0-HDMI-A-1/ddc");
    file(root / "class/drm/card0-DP-1/status", "connected");
    fs::create_directories(root / "class/drm/card0-DP-1/i2c-7");
    file(root / "class/drm/card0-DP-2/status", "disconnected");
    fs::create_directories(root / "class/drm/card0-DP-2/i2c-8");
    const auto found = FindDisplayBuses(root.string());
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].bus, 4);
    EXPECT_EQ(found[0].connector, "HDMI-A-1");
    EXPECT_EQ(found[1].bus, 7);
    EXPECT_EQ(found[1].connector, "DP-1");
    fs::remove_all(root);
}

TEST(DdcCapabilities, ParsesRealDisplaysStrings) {
    const auto dell = ParseCapabilities(
        "(prot(monitor)type(lcd)model(p2317h)cmds(01 02 03 07 0c e3 f3)vcp(02 04 10 14(05 08 0b 0c) 60(01 0f "
        "11)d6(01 04 05) DF)mswhql(1)mccs_ver(2.1))");
    EXPECT_EQ(dell.model, "p2317h");
    EXPECT_EQ(dell.version, "2.1");
    EXPECT_EQ(dell.vcp.size(), 7u);
    EXPECT_EQ(dell.vcp.at(0x60), (std::vector<uint8_t>{0x01, 0x0F, 0x11}));
    EXPECT_TRUE(dell.Has(0xDF));
    const fs::path dir = fs::path(DVC_SHARED_DATA_DIR) / "mccs";
    if (!fs::exists(dir)) GTEST_SKIP() << "no real capabilities strings at " << dir;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (entry.path().extension() != ".txt") continue;
        std::stringstream text;
        text << std::ifstream(entry.path()).rdbuf();
        const auto caps = ParseCapabilities(text.str());
        EXPECT_GE(caps.vcp.size(), 5u) << entry.path().filename();
        EXPECT_TRUE(caps.Has(0x10) || caps.Has(0x12)) << entry.path().filename();
    }
}

}  // namespace
}  // namespace dvc::ddc
