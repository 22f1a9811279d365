// The one seam between ddclink and an I2C bus: the hardware bus behind
// /dev/i2c-N in production, an emulated bus in tests and benchmarks. Every
// byte that reaches a monitor goes through these calls.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace dvc::ddc {

// 7-bit addresses of the two devices a display offers on its bus; no other
// address is ever used.
inline constexpr uint8_t kEdidAddress = 0x50;
inline constexpr uint8_t kDdcAddress = 0x37;

class I2cBus {
public:
    virtual ~I2cBus() = default;
    // One write; false when the device does not acknowledge it.
    virtual bool Write(uint8_t address, std::span<const uint8_t> bytes) = 0;
    // One read of exactly bytes.size() bytes; false when not acknowledged.
    virtual bool Read(uint8_t address, std::span<uint8_t> bytes) = 0;
    // A write and a read joined by a repeated start (the EDID offset, then
    // its bytes), so that no other master can slip in between.
    virtual bool WriteRead(uint8_t address, std::span<const uint8_t> out, std::span<uint8_t> in) = 0;
    // Held around one whole transaction so that other processes that drive
    // the same bus never interleave their frames with ours.
    virtual void LockExclusive() {}
    virtual void UnlockExclusive() {}
};

// Opens bus N; null when it cannot be opened (errno says why).
using BusOpener = std::unique_ptr<I2cBus> (*)(int bus);

}  // namespace dvc::ddc
