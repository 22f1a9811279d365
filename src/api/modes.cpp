// Exports of colour-mode names and skip tables, output-segment modes, and
// the Tonality setting.
#include "features/modes.hpp"
#include "api/call_frame.hpp"
#include "features/tonality.hpp"
#include "libdvc/dvc_modes_inputs.h"

using dvc::api::CallMonitor;
using dvc::api::CountResult;
using dvc::api::ErrorResult;
using dvc::api::YesNoResult;
namespace features = dvc::features;

extern "C" {

DvError DvCtrlGetModeName(const char* id1, const char* id2, int index, char* buffer, int capacity) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetModeName, index, buffer, capacity);
}

int DvCtrlGetModeNameSize(const char* id1, const char* id2, int index) {
    return CallMonitor<CountResult>(id1, id2, features::GetModeNameSize, index);
}

DvError DvCtrlSetModeName(const char* id1, const char* id2, int index, const char* name) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetModeName, index, name);
}

DvError DvCtrlGetModeSkipAll(const char* id1, const char* id2, int* table, int columns) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetModeSkipAll, table, columns);
}

DvError DvCtrlSetModeSkipAll(const char* id1, const char* id2, const int* table, int columns) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetModeSkipAll, table, columns);
}

int DvCtrlSupportedModeSkipAll(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, features::SupportedModeSkipAll);
}

DvError DvCtrlGetModeSkipAtPort(const char* id1, const char* id2, int port, int* skips, int count) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetModeSkipAtPort, port, skips, count);
}

DvError DvCtrlSetModeSkipAtPort(const char* id1, const char* id2, int port, const int* skips, int count) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetModeSkipAtPort, port, skips, count);
}

DvError DvCtrlGetFlavorAtMode(const char* id1, const char* id2, int mode, int* flavor) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetFlavorAtMode, mode, flavor);
}

DvError DvCtrlEnumEnabledOutputSegmentID(const char* id1, const char* id2, int index, int* segment) {
    return CallMonitor<ErrorResult>(id1, id2, features::EnumEnabledOutputSegmentID, index, segment);
}

DvError DvCtrlGetModeOfOutputSegment(const char* id1, const char* id2, int segment, int* mode) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetModeOfOutputSegment, segment, mode);
}

DvError DvCtrlSetModeOfOutputSegment(const char* id1, const char* id2, int segment, int mode) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetModeOfOutputSegment, segment, mode);
}

DvError DvCtrlEnumTonality(const char* id1, const char* id2, int index, int* value) {
    return CallMonitor<ErrorResult>(id1, id2, features::EnumTonality, index, value);
}

int DvCtrlHasTonality(const char* id1, const char* id2, int value) {
    return CallMonitor<YesNoResult>(id1, id2, features::HasTonality, value);
}

int DvCtrlGetTonalityCount(const char* id1, const char* id2) {
    return CallMonitor<CountResult>(id1, id2, features::GetTonalityCount);
}

DvError DvCtrlGetTonality(const char* id1, const char* id2, int* value) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetTonality, value);
}

DvError DvCtrlSetTonality(const char* id1, const char* id2, int value) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetTonality, value);
}

int DvCtrlSupportedTonality(const char* id1, const char* id2) {
    int flag = 0;
    const DvError result = CallMonitor<ErrorResult>(id1, id2, features::SupportedTonality, &flag);
    return result >= 0 ? flag : 0;
}

DvError DvCtrlGetTonalityName(const char* id1, const char* id2, int value, char* buffer, int capacity) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetTonalityName, value, buffer, capacity);
}

int DvCtrlGetTonalityNameSize(const char* id1, const char* id2) {
    return CallMonitor<CountResult>(id1, id2, features::GetTonalityNameSize);
}

DvError DvCtrlSetTonalityName(const char* id1, const char* id2, int value, const char* name) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetTonalityName, value, name);
}

DvError DvCtrlGetTonalitySkip(const char* id1, const char* id2, int value, int* skipped) {
    return CallMonitor<ErrorResult>(id1, id2, features::GetTonalitySkip, value, skipped);
}

DvError DvCtrlSetTonalitySkip(const char* id1, const char* id2, int value, int skipped) {
    return CallMonitor<ErrorResult>(id1, id2, features::SetTonalitySkip, value, skipped);
}

int DvCtrlSupportedTonalitySkip(const char* id1, const char* id2) {
    return CallMonitor<YesNoResult>(id1, id2, features::SupportedTonalitySkip);
}

}  // extern "C"
