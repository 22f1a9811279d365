// One display's bus: every DDC/CI and EDID transaction with it, one at a
// time, with the display's pauses and a bounded number of retries. Threads
// that share a channel queue on its mutex; other processes are kept out by
// the bus's own exclusive lock for the length of each transaction. Results
// are DvError codes.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "ddc/frame.hpp"
#include "ddc/i2c_bus.hpp"
#include "ddc/timing.hpp"

namespace dvc::ddc {

struct VcpReading {
    uint8_t type = 0;  // 0 set parameter, 1 momentary
    uint16_t maximum = 0;
    uint16_t value = 0;
};

class Channel {
public:
    Channel(std::unique_ptr<I2cBus> bus, Timing timing) : bus_(std::move(bus)), timing_(timing) {}

    int32_t GetVcp(uint8_t code, VcpReading* out);
    int32_t SetVcp(uint8_t code, uint16_t value);
    int32_t Capabilities(std::string* out);
    int32_t TableRead(uint8_t code, std::vector<uint8_t>* out);
    int32_t TableWrite(uint8_t code, std::span<const uint8_t> bytes);
    // The EDID's base block (128 bytes), checksum verified.
    int32_t ReadEdid(std::vector<uint8_t>* out);

    const Timing& timing() const { return timing_; }

private:
    enum class Outcome { kOk, kNak, kNull, kGarbled, kChecksum };
    // One request and the read of its reply (`length` bytes at most).
    Outcome Exchange(std::span<const uint8_t> request, std::chrono::microseconds delay, size_t length, Reply* reply);
    template <typename Attempt>
    int32_t Transaction(Attempt&& attempt);
    int32_t Fragmented(std::span<const uint8_t> request, uint8_t replyOpcode, size_t limit, std::vector<uint8_t>* out);
    void Pause(std::chrono::microseconds d);

    std::mutex mutex_;
    std::unique_ptr<I2cBus> bus_;
    Timing timing_;
    std::chrono::steady_clock::time_point ready_{};
    int attempt_ = 0;  // of the transaction in progress, from 0  // earliest start of the next frame
};

}  // namespace dvc::ddc
