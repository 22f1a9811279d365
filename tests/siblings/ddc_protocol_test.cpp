// DDC/CI on the emulated bus: framing both ways, fragmented reads, retries
// and their limits, the pauses a display needs, and one transaction at a
// time per bus with different buses in parallel.
#include <gtest/gtest.h>

#include <random>
#include <thread>

#include "ddc/capabilities.hpp"
#include "ddc/channel.hpp"
#include "ddc/edid.hpp"
#include "emulated_display.hpp"
#include "libdvc/dvc_types.h"

namespace dvc::ddc {
namespace {

using ddcsim::Behaviour;
using ddcsim::EmulatedDisplay;
using std::chrono::microseconds;

const Timing kFast = Timing{}.Scaled(0.02);  // 800 us reply delay, 1 ms after a write

// A display with brightness and a capabilities string long enough to need
// several fragments (a real display's).
Behaviour Standard() {
    Behaviour b;
    b.capabilities =
        "(prot(monitor)type(lcd)model(p2317h)cmds(01 02 03 07 0c e3 f3)vcp(02 04 05 08 10 12 14(05 08 0b 0c) 16 18 "
        "1a 52 60(01 0f 11) aa(01 02) ac ae b2 b6 c6 c8 c9 d6(01 04 05) dc(00 02 03 05) df e0 e1 e2(00 1d 01 02 04 "
        "0e 12 14) f0(0c) f1 f2 fd)mswhql(1)asset_eep(40)mccs_ver(2.1))";
    b.controls[0x10] = {100, 75};
    b.latency = kFast.replyDelay / 2;
    b.writeRecovery = kFast.writeDelay / 2;
    return b;
}

struct Bench {
    std::shared_ptr<EmulatedDisplay> display;
    Channel channel;
    explicit Bench(Behaviour b, Timing t = kFast)
        : display(std::make_shared<EmulatedDisplay>(std::move(b))),
          channel(
              [&] {
                  ddcsim::Attach(99, display);
                  return ddcsim::OpenEmulatedBus(99);
              }(),
              t) {}
};

TEST(DdcFrame, EncodesAndChecksBothWays) {
    // The well-known request for brightness, and a reply read back.
    const std::vector<uint8_t> request{0x01, 0x10};
    EXPECT_EQ(EncodeRequest(request), (std::vector<uint8_t>{0x51, 0x82, 0x01, 0x10, 0xAC}));
    const std::vector<uint8_t> payload{0x02, 0x00, 0x10, 0x00, 0x00, 0x64, 0x00, 0x32};
    std::vector<uint8_t> raw = EncodeReply(payload);
    raw.resize(39, 0xFF);  // a read runs past the reply
    EXPECT_EQ(DecodeReply(raw).status, ReplyStatus::kOk);
    EXPECT_EQ(DecodeReply(raw).payload, payload);
    struct Case {
        std::vector<uint8_t> bytes;
        ReplyStatus status;
    } cases[] = {
        {{0x6E, 0x80, 0xBE}, ReplyStatus::kNull},
        {{0x6E, 0x80, 0xBF}, ReplyStatus::kBadChecksum},
        {{0x6F, 0x80, 0xBE}, ReplyStatus::kBadSource},
        {{0x6E, 0x85, 0x01}, ReplyStatus::kBadLength},  // longer than what was read
        {{0x6E}, ReplyStatus::kBadLength},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeReply(c.bytes).status, c.status);
}

TEST(DdcChannel, GetSetCapabilitiesAndTablesOnAStandardDisplay) {
    Bench bench(Standard());
    VcpReading r;
    ASSERT_EQ(bench.channel.GetVcp(0x10, &r), 0);
    EXPECT_EQ(r.maximum, 100);
    EXPECT_EQ(r.value, 75);
    ASSERT_EQ(bench.channel.SetVcp(0x10, 40), 0);
    ASSERT_EQ(bench.channel.GetVcp(0x10, &r), 0);  // right after a write: the pause keeps it accepted
    EXPECT_EQ(r.value, 40);
    EXPECT_EQ(bench.channel.GetVcp(0x99, &r), DvErrNotSupported);
    std::string caps;
    ASSERT_EQ(bench.channel.Capabilities(&caps), 0);
    EXPECT_EQ(caps, Standard().capabilities);  // eight fragments and the empty one
    std::vector<uint8_t> table(70);
    for (size_t i = 0; i < table.size(); ++i) table[i] = static_cast<uint8_t>(i * 3);
    ASSERT_EQ(bench.channel.TableWrite(0x73, table), 0);
    EXPECT_EQ(bench.display->Table(0x73), table);
    std::vector<uint8_t> back;
    ASSERT_EQ(bench.channel.TableRead(0x73, &back), 0);
    EXPECT_EQ(back, table);
    const auto seen = bench.display->observed();
    EXPECT_EQ(seen.badFrames, 0);
    EXPECT_EQ(seen.tooSoon, 0);
    EXPECT_EQ(seen.earlyReads, 0);
    EXPECT_EQ(seen.stray, 0);
    EXPECT_GE(seen.minGap, kFast.busGap);
}

TEST(DdcChannel, RetriesWithinTheirBudget) {
    struct Case {
        const char* what;
        void (*misbehave)(Behaviour&);
        int32_t result;
    } cases[] = {
        {"two NAKs", [](Behaviour& b) { b.nakFirst = 2; }, 0},
        {"NAKs forever", [](Behaviour& b) { b.nakFirst = 100; }, DvErrFailed},
        {"two null messages", [](Behaviour& b) { b.nullFirst = 2; }, 0},
        {"null messages forever", [](Behaviour& b) { b.nullFirst = 100; }, DvErrNotSupported},
        {"two bad checksums", [](Behaviour& b) { b.corruptFirst = 2; }, 0},
        {"bad checksums forever", [](Behaviour& b) { b.corruptFirst = 100; }, DvErrChecksum},
        {"answers late", [](Behaviour& b) { b.latency = kFast.replyDelay * 5 / 2; }, 0},
        {"answers far too late", [](Behaviour& b) { b.latency = kFast.replyDelay * 50; }, DvErrNotSupported},
        {"no DDC/CI", [](Behaviour& b) { b.ddc = false; }, DvErrFailed},
    };
    for (const auto& c : cases) {
        Behaviour b = Standard();
        c.misbehave(b);
        Bench bench(b);
        VcpReading r;
        EXPECT_EQ(bench.channel.GetVcp(0x10, &r), c.result) << c.what;
        if (c.result == 0) {
            EXPECT_EQ(r.value, 75) << c.what;
        }
        EXPECT_LE(bench.display->observed().frames, kFast.attempts) << c.what;
    }
    Behaviour b = Standard();
    b.nullForUnknown = true;  // some displays answer an unknown control this way
    EXPECT_EQ(Bench(b).channel.GetVcp(0x99, nullptr), DvErrNotSupported);
}

TEST(DdcChannel, OneTransactionAtATimePerBusAndBusesInParallel) {
    // Pauses long enough that a loaded machine's scheduling does not count.
    const Timing slower = Timing{}.Scaled(0.1);
    Behaviour slow = Standard();
    slow.byteTime = microseconds(90);  // 100 kHz
    Bench one(slow, slower), two(slow, slower), three(slow, slower);
    auto gets = [](Channel& c, int n) {
        for (int i = 0; i < n; ++i) {
            VcpReading r;
            EXPECT_EQ(c.GetVcp(0x10, &r), 0);
        }
    };
    // Two threads on one bus: serialised, no frame cuts into another's reply.
    std::thread a([&] { gets(one.channel, 10); }), b([&] { gets(one.channel, 10); });
    a.join();
    b.join();
    EXPECT_EQ(one.display->observed().interleaved, 0);
    EXPECT_EQ(one.display->observed().earlyReads, 0);
    // Two buses: both busy at the same time, for most of their work.
    std::thread c([&] { gets(two.channel, 10); }), d([&] { gets(three.channel, 10); });
    c.join();
    d.join();
    const auto x = two.display->observed(), y = three.display->observed();
    const auto overlap = std::min(x.last, y.last) - std::max(x.first, y.first);
    EXPECT_GT(overlap, std::min(x.last - x.first, y.last - y.first) / 2);
}

// Whatever a display or a bus sends, the parsers stay inside their input.
TEST(DdcParsers, SurviveGarbage) {
    std::mt19937 random(14);
    for (int i = 0; i < 2000; ++i) {
        std::vector<uint8_t> bytes(random() % 200);
        for (auto& b : bytes) b = static_cast<uint8_t>(random() % 4 == 0 ? "()0aF v"[random() % 7] : random());
        if (bytes.size() > 2 && i % 2 == 0) bytes[0] = kDisplaySource;
        if (bytes.size() >= 8 && i % 3 == 0) bytes[1] = 0x80 | (bytes.size() - 3);
        DecodeReply(bytes);
        ParseCapabilities(std::string(bytes.begin(), bytes.end()));
        ParseEdid(bytes);
    }
}

}  // namespace
}  // namespace dvc::ddc
