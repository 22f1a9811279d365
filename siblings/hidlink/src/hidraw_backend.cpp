// Monitors on the machine's hidraw devices (/dev/hidraw*). Matching a
// device's report descriptor to a monitor's control interface is not done
// yet: discovery finds no device, and with no handle handed out every
// per-device call fails as for an unknown handle.
#include "backend.hpp"

namespace dvc::hidlink {
namespace {

class HidrawLink final : public Backend {
public:
    int32_t Find() override { return 0; }
    int32_t Retrieve(uint32_t, uint32_t*) override { return DvErrInvalidParameter; }
    int32_t GetFixedData(uint32_t, uint32_t, int32_t*, int32_t*, int32_t*, uint32_t*) override { return DvErrFailed; }
    int32_t GetValue(uint32_t, uint32_t, uint32_t*) override { return DvErrFailed; }
    int32_t SetValue(uint32_t, uint32_t, uint32_t, uint32_t) override { return DvErrFailed; }
    int32_t GetData(uint32_t, uint32_t, void*, uint32_t) override { return DvErrFailed; }
    int32_t SetData(uint32_t, uint32_t, const void*, uint32_t, uint32_t) override { return DvErrFailed; }
    int32_t SetDataNoCheckResult(uint32_t, uint32_t, const void*, uint32_t, uint32_t) override { return DvErrFailed; }
    int32_t ReportOn(uint32_t) override { return DvErrFailed; }
    int32_t ReportOff(uint32_t) override { return DvErrFailed; }
    int32_t SupportsCriticalSection(uint32_t) override { return 0; }
    int32_t EnterCriticalSection(uint32_t) override { return DvErrFailed; }
    int32_t ExitCriticalSection(uint32_t) override { return DvErrFailed; }
    int32_t Release() override { return 0; }
};

}  // namespace

Backend& HardwareBackend() {
    static HidrawLink link;
    return link;
}

}  // namespace dvc::hidlink
