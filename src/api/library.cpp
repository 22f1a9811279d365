// Exports about the library itself and its list of monitors.
#include <mutex>

#include "api/call_frame.hpp"
#include "api/fixed_text.hpp"
#include "api/frame_state.hpp"
#include "libdvc/dvc_lifecycle.h"

using dvc::api::CopyFixed;
using dvc::api::FrameState;
using dvc::api::kModelBytes;
using dvc::api::kSerialBytes;
using dvc::registry::Registry;

namespace {
constexpr uint32_t kVersion = 0x01440000;  // 1.68.0.0
constexpr int kFirmwareVersionStringSize = 6;
}  // namespace

extern "C" {

uint32_t DvCtrlVersion(void) { return kVersion; }

int DvCtrlGetOSDDisplayFirmwareVersionsStringSize(int count) {
    return static_cast<int>(static_cast<unsigned>(count) * kFirmwareVersionStringSize);
}

int DvCtrlGetNumMonitors(void) {
    dvc::api::ReaderShare share;
    if (share.Busy()) return 0;
    return static_cast<int>(Registry::Instance().Size());
}

DvError DvCtrlGetSerialProduct(int index, char* serial, char* model) {
    if (serial == nullptr || model == nullptr) return DvErrFailed;
    // Counted like a call, so that a rediscovery waits instead of freeing
    // the entry being copied.
    dvc::api::ReaderShare share;
    if (share.Busy()) return DvErrFailed;
    dvc::api::RegistryShare registryLock;
    const auto& entries = Registry::Instance().Entries();
    if (static_cast<unsigned>(index) >= entries.size()) return DvErrFailed;
    auto it = entries.begin();
    std::advance(it, static_cast<unsigned>(index));
    CopyFixed(serial, it->first.serial, kSerialBytes);
    CopyFixed(model, it->first.model, kModelBytes);
    return DvOk;
}

DvError DvCtrlGetCommunicationPath(const char* id1, const char* id2, int* kind) {
    if (kind == nullptr) return DvErrFailed;
    *kind = -1;  // stays when the monitor is unknown or the lock busy
    return dvc::api::CallMonitor<dvc::api::ErrorResult>(id1, id2, [kind](VarnMonitor& monitor) {
        *kind = monitor.PathKind();
        return DvOk;
    });
}

}  // extern "C"
