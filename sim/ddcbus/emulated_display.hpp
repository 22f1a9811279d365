// A display on an emulated I2C bus that speaks DDC/CI at the byte level:
// it answers EDID reads at 0x50 and DDC/CI frames at 0x37 (Get and Set VCP,
// capabilities and table reads in fragments, table writes), and can be told
// to misbehave as real displays do: answer late, send the null message or
// bad checksums, NAK, or be absent. It watches the host too: frames with a
// bad checksum, frames sent too soon after a write, replies read before
// they were ready, and frames that cut into another transaction.
#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "ddc/i2c_bus.hpp"

namespace dvc::ddcsim {

using std::chrono::microseconds;

struct Control {
    uint16_t maximum = 100;
    uint16_t value = 0;
};

struct Behaviour {
    std::vector<uint8_t> edid;  // empty: nothing answers at 0x50
    bool ddc = true;            // false: every frame at 0x37 is NAKed
    std::string capabilities;
    std::map<uint8_t, Control> controls;
    std::map<uint8_t, std::vector<uint8_t>> tables;
    microseconds latency{0};        // a reply is ready this long after its request
    microseconds writeRecovery{0};  // frames this soon after a write are NAKed
    microseconds byteTime{0};       // time on the wire per byte (90 us at 100 kHz)
    int nakFirst = 0;               // the first N frames at 0x37 are NAKed
    int nullFirst = 0;              // the first N replies are the null message
    int corruptFirst = 0;           // the first N replies carry a wrong checksum
    bool nullForUnknown = false;    // an unknown control gets the null message, not "unsupported"
};

struct Observed {
    int frames = 0;       // well-formed frames received at 0x37
    int badFrames = 0;    // frames whose checksum or length was wrong
    int tooSoon = 0;      // frames inside the write recovery time
    int earlyReads = 0;   // replies read before they were ready
    int interleaved = 0;  // requests that arrived while a reply was still unread
    int edidReads = 0;
    int stray = 0;                                          // transfers to any address but 0x50 and 0x37
    microseconds minGap{microseconds::max()};               // shortest pause between two transfers
    std::chrono::steady_clock::time_point first{}, last{};  // the first transfer's start, the last one's end
};

class EmulatedDisplay {
public:
    explicit EmulatedDisplay(Behaviour b) : b_(std::move(b)) {}

    bool Write(uint8_t address, std::span<const uint8_t> bytes);
    bool Read(uint8_t address, std::span<uint8_t> bytes);
    bool WriteRead(uint8_t address, std::span<const uint8_t> out, std::span<uint8_t> in);

    Observed observed();
    uint16_t Value(uint8_t code);
    std::vector<uint8_t> Table(uint8_t code);

private:
    using Clock = std::chrono::steady_clock;
    void Wire(size_t bytes);
    void Gap();
    void Handle(std::span<const uint8_t> payload);
    std::vector<uint8_t> Fragment(const std::vector<uint8_t>& all, uint8_t opcode, size_t offset);

    std::mutex mutex_;
    Behaviour b_;
    Observed seen_;
    std::vector<uint8_t> pending_;  // the reply to the last request, until read
    bool replyPending_ = false;
    Clock::time_point readyAt_{}, recoveredAt_{}, lastEnd_{};
    bool started_ = false;
};

// The emulated machine: displays attached to bus numbers, opened through
// OpenEmulatedBus (a ddc::BusOpener). A bus may also be attached as one that
// exists but may not be opened.
void Attach(int bus, std::shared_ptr<EmulatedDisplay> display);
void AttachDenied(int bus);
void DetachAll();
std::unique_ptr<ddc::I2cBus> OpenEmulatedBus(int bus);

}  // namespace dvc::ddcsim
