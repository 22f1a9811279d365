// Exports of the Thriftlux sense settings.
#include "api/call_frame.hpp"
#include "features/thriftlux_sense.hpp"
#include "libdvc/dvc_power.h"

using dvc::api::CallMonitor;
using dvc::api::ErrorResult;
using dvc::api::YesNoResult;
using dvc::paths::SenseSetting;
namespace features = dvc::features;

namespace {

template <SenseSetting S>
int Supported(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, features::SupportedSense, S);
}
template <SenseSetting S>
DvError Get(const char* id1, const char* id2, int* value) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetSense, S, value);
}
template <SenseSetting S>
DvError Set(const char* id1, const char* id2, int value) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetSense, S, value);
}

}  // namespace

extern "C" {

DvError DvCtrlGetThriftluxSenseLevel(const char* id1, const char* id2, int* value) {
    return Get<SenseSetting::Level>(id1, id2, value);
}
DvError DvCtrlSetThriftluxSenseLevel(const char* id1, const char* id2, int value) {
    return Set<SenseSetting::Level>(id1, id2, value);
}
int DvCtrlSupportedThriftluxSenseLevel(const char* id1, const char* id2) {
    return Supported<SenseSetting::Level>(id1, id2);
}
DvError DvCtrlGetThriftluxSenseSensitivity(const char* id1, const char* id2, int* value) {
    return Get<SenseSetting::Sensitivity>(id1, id2, value);
}
DvError DvCtrlSetThriftluxSenseSensitivity(const char* id1, const char* id2, int value) {
    return Set<SenseSetting::Sensitivity>(id1, id2, value);
}
int DvCtrlSupportedThriftluxSenseSensitivity(const char* id1, const char* id2) {
    return Supported<SenseSetting::Sensitivity>(id1, id2);
}
DvError DvCtrlGetThriftluxSenseV2(const char* id1, const char* id2, int* value) {
    return Get<SenseSetting::Generation2>(id1, id2, value);
}
DvError DvCtrlSetThriftluxSenseV2(const char* id1, const char* id2, int value) {
    return Set<SenseSetting::Generation2>(id1, id2, value);
}
int DvCtrlSupportedThriftluxSenseV2(const char* id1, const char* id2) {
    return Supported<SenseSetting::Generation2>(id1, id2);
}
DvError DvCtrlGetThriftluxSenseTimeIndex(const char* id1, const char* id2, int* value) {
    return Get<SenseSetting::TimeIndex>(id1, id2, value);
}
DvError DvCtrlSetThriftluxSenseTimeIndex(const char* id1, const char* id2, int value) {
    return Set<SenseSetting::TimeIndex>(id1, id2, value);
}
int DvCtrlSupportedThriftluxSenseTimeIndex(const char* id1, const char* id2) {
    return Supported<SenseSetting::TimeIndex>(id1, id2);
}
DvError DvCtrlGetThriftluxSenseTime(const char* id1, const char* id2, int* seconds) {
    return Get<SenseSetting::Time>(id1, id2, seconds);
}
int DvCtrlSupportedThriftluxSenseTime(const char* id1, const char* id2) {
    return Supported<SenseSetting::Time>(id1, id2);
}

}  // extern "C"
