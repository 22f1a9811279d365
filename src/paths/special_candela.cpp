// Colour processing and the 3D LUT off while the luminance is updated, and
// both back as they were afterwards.
#include "paths/special_candela.hpp"

#include <new>

#include "libdvc/dvc_picture.h"
#include "paths/special_shapes.hpp"
#include "paths/special_waits.hpp"

using dvc::paths::Pause;
using dvc::paths::SupportedByFixedData;

namespace {
constexpr uint32_t kColorDisableCode = 0xFF010052;
constexpr uint32_t kLutEnableCode = 0xFF0100B0;
constexpr uint32_t kToneCurveStatusCode = 0xFF020049;

bool ReadsNonZero(VarnMonitorInterface& path, uint32_t code) {
    uint32_t value = 0;
    path.ReadValue(code, &value);
    return value != 0;
}
}  // namespace

DvError VarnMonitorInterface::DisableColorForCandelaUpdate(DvColorDisableState** state, uint32_t waitMs) {
    if (state == nullptr) return DvErrInvalidParameter;
    auto* record = new (std::nothrow) DvColorDisableState{0, 0};
    if (record == nullptr) return DvErrFailed;
    record->colourWasDisabled = ReadsNonZero(*this, kColorDisableCode) ? 1 : 0;
    record->lutWasOn = !SupportedByFixedData(*this, kLutEnableCode) || ReadsNonZero(*this, kLutEnableCode) ? 1 : 0;

    uint32_t before = 0;
    ReadValue(kColorDisableCode, &before);
    WriteValue(kColorDisableCode, 1, 0);
    if (before == 0 && waitMs != 0) {
        WriteValue(kToneCurveStatusCode, 1, 0);
        Pause(waitMs);
    }
    WriteValue(kLutEnableCode, 0, 0);
    *state = record;
    return DvOk;
}

// The reverse order of switching off: the LUT first, then colour. The LUT
// write's result is not weighed (a monitor without the LUT refuses it).
DvError VarnMonitorInterface::RestoreDisableColorForCandelaUpdate(const DvColorDisableState& state) {
    WriteValue(kLutEnableCode, state.lutWasOn, 0);
    return WriteValue(kColorDisableCode, state.colourWasDisabled, 0);
}
