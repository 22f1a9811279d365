// Monitors on the machine's I2C buses (/dev/i2c-*). Probing a bus for a
// DDC/CI display is not done yet: discovery finds no monitor, and with an
// empty list every per-monitor call fails as for an unknown index.
#include "backend.hpp"

namespace dvc::ddclink {
namespace {

class I2cLink final : public Backend {
public:
    int32_t SetCommunicationType(int32_t) override { return 0; }
    int32_t Find() override { return 0; }
    int32_t IsSupported(uint32_t, uint32_t) override { return 0; }
    int32_t GetFixedData(uint32_t, uint32_t, int32_t*, int32_t*, uint32_t*) override { return DvErrFailed; }
    int32_t GetValue(uint32_t, uint32_t, uint32_t*) override { return DvErrFailed; }
    int32_t SetValue(uint32_t, uint32_t, const uint32_t*) override { return DvErrFailed; }
    int32_t GetData(uint32_t, uint32_t, void*, uint32_t) override { return DvErrFailed; }
    int32_t SetData(uint32_t, uint32_t, const void*, uint32_t) override { return DvErrFailed; }
    int32_t Release() override { return 0; }
};

}  // namespace

Backend& HardwareBackend() {
    static I2cLink link;
    return link;
}

}  // namespace dvc::ddclink
