#include "ddc/channel.hpp"

#include <algorithm>
#include <array>
#include <thread>

#include "libdvc/dvc_types.h"

namespace dvc::ddc {
namespace {

using Clock = std::chrono::steady_clock;

constexpr uint8_t kGetVcp = 0x01, kGetVcpReply = 0x02, kSetVcp = 0x03;
constexpr uint8_t kCapabilities = 0xF3, kCapabilitiesReply = 0xE3;
constexpr uint8_t kTableRead = 0xE2, kTableReadReply = 0xE4, kTableWrite = 0xE7;
constexpr size_t kFragment = 32;  // data bytes per table write fragment
// Bound a read from a display that never ends it: a capabilities string
// runs to a few hundred bytes, a table to a few KiB.
constexpr size_t kMaxCapabilities = 4096, kMaxTable = 16384;
constexpr size_t kReplyRead = 3 + kMaxPayload;
constexpr size_t kVcpReplyRead = 3 + 8;  // a Get VCP reply: no longer read, less time on the wire
constexpr size_t kEdidBlock = 128;

// One attempt's end: a final result, or the reason to try again.
struct Try {
    bool done = false;
    int32_t result = 0;
    int why = 0;  // Outcome when not done
};

bool ValidEdid(std::span<const uint8_t> b) {
    static constexpr std::array<uint8_t, 8> kHeader{0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    uint8_t sum = 0;
    for (const uint8_t x : b) sum = static_cast<uint8_t>(sum + x);
    return sum == 0 && std::equal(kHeader.begin(), kHeader.end(), b.begin());
}

}  // namespace

void Channel::Pause(std::chrono::microseconds d) {
    if (d.count() > 0) std::this_thread::sleep_for(d);
}

Channel::Outcome Channel::Exchange(std::span<const uint8_t> request, std::chrono::microseconds delay, size_t length,
                                   Reply* reply) {
    const std::vector<uint8_t> frame = EncodeRequest(request);
    if (!bus_->Write(kDdcAddress, frame)) return Outcome::kNak;
    // A display that was not ready gets more time at each further attempt.
    Pause(delay * (attempt_ + 1));
    std::array<uint8_t, kReplyRead> raw{};
    const auto read = std::span<uint8_t>(raw).first(std::min(length, raw.size()));
    if (!bus_->Read(kDdcAddress, read)) return Outcome::kNak;
    *reply = DecodeReply(read);
    switch (reply->status) {
    case ReplyStatus::kOk: return Outcome::kOk;
    case ReplyStatus::kNull: return Outcome::kNull;
    case ReplyStatus::kBadChecksum: return Outcome::kChecksum;
    default: return Outcome::kGarbled;
    }
}

// One transaction under the channel's mutex and the bus's exclusive lock,
// started no earlier than the display allows, tried at most `attempts`
// times. A failure that outlasts the budget names its last cause: no
// acknowledgement, the null message (the display knows no answer), or a
// checksum that never matched.
template <typename Attempt>
int32_t Channel::Transaction(Attempt&& attempt) {
    std::lock_guard lock(mutex_);
    bus_->LockExclusive();
    struct Unlock {
        I2cBus& bus;
        ~Unlock() { bus.UnlockExclusive(); }
    } unlock{*bus_};
    std::this_thread::sleep_until(ready_);
    std::chrono::microseconds after = timing_.busGap;
    Try t;
    for (int i = 0; i < std::max(1, timing_.attempts); ++i) {
        if (i > 0) Pause(timing_.retryPause);
        attempt_ = i;
        t = attempt(after);
        if (t.done) break;
    }
    // A write's recovery time is waited out while the bus is still held, so
    // that another process's next frame cannot come too soon either.
    if (after > timing_.busGap) Pause(after - timing_.busGap);
    ready_ = Clock::now() + timing_.busGap;
    if (t.done) return t.result;
    switch (static_cast<Outcome>(t.why)) {
    case Outcome::kNull: return DvErrNotSupported;
    case Outcome::kChecksum: return DvErrChecksum;
    default: return DvErrFailed;
    }
}

int32_t Channel::GetVcp(uint8_t code, VcpReading* out) {
    const std::array<uint8_t, 2> request{kGetVcp, code};
    return Transaction([&](std::chrono::microseconds&) -> Try {
        Reply reply;
        const Outcome o = Exchange(request, timing_.replyDelay, kVcpReplyRead, &reply);
        if (o != Outcome::kOk) return {false, 0, static_cast<int>(o)};
        const auto& p = reply.payload;
        if (p.size() < 8 || p[0] != kGetVcpReply || p[2] != code) return {false, 0, int(Outcome::kGarbled)};
        if (p[1] != 0) return {true, DvErrNotSupported, 0};  // the display says it has no such control
        if (out != nullptr) {
            out->type = p[3];
            out->maximum = static_cast<uint16_t>(p[4] << 8 | p[5]);
            out->value = static_cast<uint16_t>(p[6] << 8 | p[7]);
        }
        return {true, 0, 0};
    });
}

int32_t Channel::SetVcp(uint8_t code, uint16_t value) {
    const std::array<uint8_t, 4> request{kSetVcp, code, static_cast<uint8_t>(value >> 8),
                                         static_cast<uint8_t>(value & 0xFF)};
    return Transaction([&](std::chrono::microseconds& after) -> Try {
        if (!bus_->Write(kDdcAddress, EncodeRequest(request))) return {false, 0, int(Outcome::kNak)};
        after = std::max(timing_.writeDelay, timing_.busGap);
        return {true, 0, 0};
    });
}

// A read in fragments: each request names its offset, each reply echoes it;
// the read ends with an empty fragment. A fragment that keeps failing ends
// the whole read with its failure.
int32_t Channel::Fragmented(std::span<const uint8_t> prefix, uint8_t replyOpcode, size_t limit,
                            std::vector<uint8_t>* out) {
    std::vector<uint8_t> data;
    while (data.size() <= limit) {
        const size_t offset = data.size();
        std::vector<uint8_t> request(prefix.begin(), prefix.end());
        request.push_back(static_cast<uint8_t>(offset >> 8));
        request.push_back(static_cast<uint8_t>(offset & 0xFF));
        std::vector<uint8_t> fragment;
        const int32_t r = Transaction([&](std::chrono::microseconds&) -> Try {
            Reply reply;
            const Outcome o = Exchange(request, timing_.fragmentDelay, kReplyRead, &reply);
            if (o != Outcome::kOk) return {false, 0, static_cast<int>(o)};
            const auto& p = reply.payload;
            if (p.size() < 3 || p[0] != replyOpcode || (p[1] << 8 | p[2]) != static_cast<int>(offset))
                return {false, 0, int(Outcome::kGarbled)};
            fragment.assign(p.begin() + 3, p.end());
            return {true, 0, 0};
        });
        if (r < 0) return r;
        if (fragment.empty()) {
            if (out != nullptr) *out = std::move(data);
            return 0;
        }
        data.insert(data.end(), fragment.begin(), fragment.end());
    }
    return DvErrDataTruncated;
}

int32_t Channel::Capabilities(std::string* out) {
    const std::array<uint8_t, 1> prefix{kCapabilities};
    std::vector<uint8_t> bytes;
    const int32_t r = Fragmented(prefix, kCapabilitiesReply, kMaxCapabilities, &bytes);
    if (r < 0) return r;
    while (!bytes.empty() && bytes.back() == 0) bytes.pop_back();  // some displays end with a NUL
    if (out != nullptr) out->assign(bytes.begin(), bytes.end());
    return 0;
}

int32_t Channel::TableRead(uint8_t code, std::vector<uint8_t>* out) {
    const std::array<uint8_t, 2> prefix{kTableRead, code};
    return Fragmented(prefix, kTableReadReply, kMaxTable, out);
}

int32_t Channel::TableWrite(uint8_t code, std::span<const uint8_t> bytes) {
    if (bytes.size() > 0xFFFF) return DvErrInvalidParameter;
    for (size_t offset = 0; offset < bytes.size(); offset += kFragment) {
        std::vector<uint8_t> request{kTableWrite, code, static_cast<uint8_t>(offset >> 8),
                                     static_cast<uint8_t>(offset & 0xFF)};
        const auto part = bytes.subspan(offset, std::min(kFragment, bytes.size() - offset));
        request.insert(request.end(), part.begin(), part.end());
        const int32_t r = Transaction([&](std::chrono::microseconds& after) -> Try {
            if (!bus_->Write(kDdcAddress, EncodeRequest(request))) return {false, 0, int(Outcome::kNak)};
            after = std::max(timing_.writeDelay, timing_.busGap);
            return {true, 0, 0};
        });
        if (r < 0) return r;
    }
    return 0;
}

int32_t Channel::ReadEdid(std::vector<uint8_t>* out) {
    return Transaction([&](std::chrono::microseconds&) -> Try {
        const std::array<uint8_t, 1> offset{0};
        std::vector<uint8_t> block(kEdidBlock);
        if (!bus_->WriteRead(kEdidAddress, offset, block)) return {false, 0, int(Outcome::kNak)};
        if (!ValidEdid(block)) return {false, 0, int(Outcome::kChecksum)};
        if (out != nullptr) *out = std::move(block);
        return {true, 0, 0};
    });
}

}  // namespace dvc::ddc
