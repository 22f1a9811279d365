#include "emulated_display.hpp"

#include <algorithm>
#include <cerrno>
#include <set>
#include <thread>

#include "ddc/frame.hpp"

namespace dvc::ddcsim {
namespace {

constexpr size_t kFragment = 32;
const std::vector<uint8_t> kNullMessage{ddc::kDisplaySource, 0x80, ddc::kDisplaySource ^ 0x80 ^ ddc::kHostVirtual};

}  // namespace

void EmulatedDisplay::Wire(size_t bytes) {
    if (b_.byteTime.count() > 0) std::this_thread::sleep_for(b_.byteTime * static_cast<int>(bytes + 1));
}

void EmulatedDisplay::Gap() {
    const auto now = Clock::now();
    if (started_) seen_.minGap = std::min(seen_.minGap, std::chrono::duration_cast<microseconds>(now - lastEnd_));
    started_ = true;
}

bool EmulatedDisplay::Write(uint8_t address, std::span<const uint8_t> bytes) {
    std::lock_guard lock(mutex_);
    Gap();
    Wire(bytes.size());
    lastEnd_ = Clock::now();
    if (address == ddc::kEdidAddress) return !b_.edid.empty();
    if (address != ddc::kDdcAddress) {
        ++seen_.stray;
        return false;
    }
    if (!b_.ddc) return false;
    if (b_.nakFirst > 0) {
        --b_.nakFirst;
        return false;
    }
    if (Clock::now() < recoveredAt_) {
        ++seen_.tooSoon;
        return false;
    }
    uint8_t sum = ddc::kDisplaySource;
    for (const uint8_t x : bytes) sum ^= x;
    const size_t length = bytes.size() >= 2 ? bytes[1] & 0x7F : 0;
    if (bytes.size() < 3 || bytes[0] != ddc::kHostSource || (bytes[1] & 0x80) == 0 || bytes.size() != length + 3 ||
        sum != 0) {
        ++seen_.badFrames;
        return true;  // acknowledged on the wire, ignored by the display
    }
    ++seen_.frames;
    if (replyPending_) ++seen_.interleaved;
    replyPending_ = false;
    Handle(bytes.subspan(2, length));
    return true;
}

std::vector<uint8_t> EmulatedDisplay::Fragment(const std::vector<uint8_t>& all, uint8_t opcode, size_t offset) {
    std::vector<uint8_t> p;
    p.reserve(3 + kFragment);
    p.push_back(opcode);
    p.push_back(static_cast<uint8_t>(offset >> 8));
    p.push_back(static_cast<uint8_t>(offset & 0xFF));
    for (size_t i = offset; i < std::min(all.size(), offset + kFragment); ++i) p.push_back(all[i]);
    return p;
}

void EmulatedDisplay::Handle(std::span<const uint8_t> p) {
    const auto now = Clock::now();
    auto reply = [&](const std::vector<uint8_t>& payload) {
        pending_ = ddc::EncodeReply(payload);
        replyPending_ = true;
        readyAt_ = now + b_.latency;
    };
    if (p.empty()) return;
    const size_t offset = p.size() >= 4 ? static_cast<size_t>(p[2] << 8 | p[3]) : 0;
    switch (p[0]) {
    case 0x01: {  // Get VCP
        if (p.size() < 2) return;
        const auto it = b_.controls.find(p[1]);
        if (it == b_.controls.end() && b_.nullForUnknown) {
            pending_ = kNullMessage;
            replyPending_ = true;
            readyAt_ = now + b_.latency;
            return;
        }
        const Control c = it != b_.controls.end() ? it->second : Control{0, 0};
        reply({0x02, static_cast<uint8_t>(it == b_.controls.end() ? 1 : 0), p[1], 0x00,
               static_cast<uint8_t>(c.maximum >> 8), static_cast<uint8_t>(c.maximum & 0xFF),
               static_cast<uint8_t>(c.value >> 8), static_cast<uint8_t>(c.value & 0xFF)});
        return;
    }
    case 0x03:  // Set VCP
        if (p.size() >= 4 && b_.controls.contains(p[1]))
            b_.controls[p[1]].value = static_cast<uint16_t>(p[2] << 8 | p[3]);
        recoveredAt_ = now + b_.writeRecovery;
        return;
    case 0xF3: {  // capabilities, from an offset
        const size_t at = p.size() >= 3 ? static_cast<size_t>(p[1] << 8 | p[2]) : 0;
        reply(Fragment(std::vector<uint8_t>(b_.capabilities.begin(), b_.capabilities.end()), 0xE3, at));
        return;
    }
    case 0xE2:  // table read
        if (p.size() >= 4) reply(Fragment(b_.tables[p[1]], 0xE4, offset));
        return;
    case 0xE7:  // table write
        if (p.size() >= 4) {
            auto& t = b_.tables[p[1]];
            if (t.size() < offset + p.size() - 4) t.resize(offset + p.size() - 4);
            std::copy(p.begin() + 4, p.end(), t.begin() + static_cast<std::ptrdiff_t>(offset));
        }
        recoveredAt_ = now + b_.writeRecovery;
        return;
    default:
        pending_ = kNullMessage;
        replyPending_ = true;
        readyAt_ = now;
    }
}

bool EmulatedDisplay::Read(uint8_t address, std::span<uint8_t> bytes) {
    std::lock_guard lock(mutex_);
    Gap();
    Wire(bytes.size());
    lastEnd_ = Clock::now();
    if (address == ddc::kEdidAddress) {
        if (b_.edid.empty()) return false;
        ++seen_.edidReads;
        std::fill(bytes.begin(), bytes.end(), 0xFF);
        std::copy_n(b_.edid.begin(), std::min(bytes.size(), b_.edid.size()), bytes.begin());
        return true;
    }
    if (address != ddc::kDdcAddress) {
        ++seen_.stray;
        return false;
    }
    if (!b_.ddc) return false;
    std::vector<uint8_t> out = kNullMessage;
    if (replyPending_ && Clock::now() < readyAt_) {
        ++seen_.earlyReads;  // not ready: the display has nothing to say yet
    } else if (replyPending_) {
        out = pending_;
        if (b_.nullFirst > 0) {
            --b_.nullFirst;
            out = kNullMessage;
        } else if (b_.corruptFirst > 0) {
            --b_.corruptFirst;
            out.back() ^= 0x5A;
        }
    }
    replyPending_ = false;
    std::fill(bytes.begin(), bytes.end(), 0xFF);
    std::copy_n(out.begin(), std::min(bytes.size(), out.size()), bytes.begin());
    return true;
}

bool EmulatedDisplay::WriteRead(uint8_t address, std::span<const uint8_t> out, std::span<uint8_t> in) {
    if (address != ddc::kEdidAddress) {
        std::lock_guard lock(mutex_);
        ++seen_.stray;
        return false;
    }
    size_t offset = out.empty() ? 0 : out[0];
    {
        std::lock_guard lock(mutex_);
        if (b_.edid.empty()) return false;
        if (offset >= b_.edid.size()) offset = 0;
    }
    std::vector<uint8_t> all(offset + in.size());
    if (!Read(address, all)) return false;
    std::copy_n(all.begin() + static_cast<std::ptrdiff_t>(offset), in.size(), in.begin());
    return true;
}

Observed EmulatedDisplay::observed() {
    std::lock_guard lock(mutex_);
    seen_.last = lastEnd_;
    return seen_;
}

uint16_t EmulatedDisplay::Value(uint8_t code) {
    std::lock_guard lock(mutex_);
    return b_.controls[code].value;
}

std::vector<uint8_t> EmulatedDisplay::Table(uint8_t code) {
    std::lock_guard lock(mutex_);
    return b_.tables[code];
}

namespace {

class EmulatedBus final : public ddc::I2cBus {
public:
    explicit EmulatedBus(std::shared_ptr<EmulatedDisplay> d) : d_(std::move(d)) {}
    bool Write(uint8_t a, std::span<const uint8_t> b) override { return d_->Write(a, b); }
    bool Read(uint8_t a, std::span<uint8_t> b) override { return d_->Read(a, b); }
    bool WriteRead(uint8_t a, std::span<const uint8_t> o, std::span<uint8_t> i) override {
        return d_->WriteRead(a, o, i);
    }

private:
    std::shared_ptr<EmulatedDisplay> d_;
};

std::mutex g_machine;
std::map<int, std::shared_ptr<EmulatedDisplay>> g_displays;
std::set<int> g_denied;

}  // namespace

void Attach(int bus, std::shared_ptr<EmulatedDisplay> display) {
    std::lock_guard lock(g_machine);
    g_displays[bus] = std::move(display);
}

void AttachDenied(int bus) {
    std::lock_guard lock(g_machine);
    g_denied.insert(bus);
}

void DetachAll() {
    std::lock_guard lock(g_machine);
    g_displays.clear();
    g_denied.clear();
}

std::unique_ptr<ddc::I2cBus> OpenEmulatedBus(int bus) {
    std::lock_guard lock(g_machine);
    if (g_denied.contains(bus)) {
        errno = EACCES;
        return nullptr;
    }
    const auto it = g_displays.find(bus);
    if (it == g_displays.end()) {
        errno = ENOENT;
        return nullptr;
    }
    return std::make_unique<EmulatedBus>(it->second);
}

}  // namespace dvc::ddcsim
