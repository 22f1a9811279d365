// Each call draws its result from one script byte, then its outputs from the
// bytes after it. Most results succeed so that a run reaches deep; the rest
// are the failures a device or the transport gives.
#include "fake_hidlink.hpp"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "hidlink/hidlink.h"
#include "libdvc/dvc_types.h"

namespace dvc::fuzz {
namespace {

const uint8_t* g_next = nullptr;
const uint8_t* g_end = nullptr;

constexpr int32_t kResults[] = {DvOk,
                                DvOk,
                                DvOk,
                                DvOk,
                                DvErrRefused,
                                DvErrFailed,
                                DvErrNotSupported,
                                DvErrSizeMismatch,
                                DvErrWrongLength,
                                DvErrTimeout,
                                1,
                                DvErrNotImplemented};

int32_t NextResult() {
    if (!ScriptLeft()) return DvErrFailed;
    return kResults[NextScriptByte() % std::size(kResults)];
}

uint32_t NextWord(size_t bytes) {
    uint32_t word = 0;
    for (size_t i = 0; i < bytes; ++i) word |= static_cast<uint32_t>(NextScriptByte()) << (8 * i);
    return word;
}

// Fills the buffer from the script; what the script lacks is zero.
void Fill(void* buffer, uint32_t size) {
    if (buffer == nullptr) return;
    const size_t n = std::min<size_t>(size, static_cast<size_t>(g_end - g_next));
    std::memcpy(buffer, g_next, n);
    std::memset(static_cast<uint8_t*>(buffer) + n, 0, size - n);
    g_next += n;
}

}  // namespace

void Script(const uint8_t* data, size_t size) {
    g_next = data;
    g_end = data + size;
}

bool ScriptLeft() { return g_next != g_end; }

uint8_t NextScriptByte() { return ScriptLeft() ? *g_next++ : 0; }

}  // namespace dvc::fuzz

using dvc::fuzz::kScriptedHandle;
using dvc::fuzz::NextResult;
using dvc::fuzz::NextWord;

extern "C" {

int32_t DvHIDFind(void) { return NextResult() < 0 ? DvErrFailed : 1; }

int32_t DvHIDRetrieve(uint32_t index, uint32_t* handle) {
    if (index != 0) return DvErrFailed;
    if (handle != nullptr) *handle = kScriptedHandle;
    return DvOk;
}

int32_t DvHIDGetFixedData(uint32_t handle, uint32_t, int32_t* maximum, int32_t* minimum, int32_t* flag,
                          uint32_t* length) {
    if (handle != kScriptedHandle) return DvErrFailed;
    const int32_t r = NextResult();
    const auto high = static_cast<int32_t>(NextWord(4));
    const auto low = static_cast<int32_t>(NextWord(4));
    const int32_t support = NextWord(1) & 1;
    // Lengths beyond 16 bits are rare but possible; keep them reachable.
    const uint32_t bytes = NextWord(1) & 0x80 ? NextWord(4) : NextWord(2);
    if (maximum != nullptr) *maximum = high;
    if (minimum != nullptr) *minimum = low;
    if (flag != nullptr) *flag = support;
    if (length != nullptr) *length = bytes;
    return r;
}

int32_t DvHIDGetValue(uint32_t handle, uint32_t, uint32_t* value) {
    if (handle != kScriptedHandle) return DvErrFailed;
    const int32_t r = NextResult();
    const uint32_t word = NextWord(4);
    if (value != nullptr) *value = word;
    return r;
}

int32_t DvHIDSetValue(uint32_t handle, uint32_t, uint32_t, uint32_t) {
    return handle == kScriptedHandle ? NextResult() : DvErrFailed;
}

int32_t DvHIDGetData(uint32_t handle, uint32_t, void* buffer, uint32_t size) {
    if (handle != kScriptedHandle) return DvErrFailed;
    const int32_t r = NextResult();
    dvc::fuzz::Fill(buffer, size);
    return r;
}

int32_t DvHIDSetData(uint32_t handle, uint32_t, const void* buffer, uint32_t size, uint32_t) {
    if (handle != kScriptedHandle || (buffer == nullptr && size != 0)) return DvErrFailed;
    return NextResult();
}

int32_t DvHIDSetDataNoCheckResult(uint32_t handle, uint32_t code, const void* buffer, uint32_t size, uint32_t option) {
    return DvHIDSetData(handle, code, buffer, size, option);
}

// Reports are fed to the report code directly (hid_paths_fuzz.cpp), not
// from a thread.
int32_t DvHIDReportON(uint32_t handle, DvHIDReportCallback, DvHIDTeardownCallback, void*) {
    return handle == kScriptedHandle ? NextResult() : DvErrFailed;
}

int32_t DvHIDReportOFF(uint32_t handle) { return handle == kScriptedHandle ? NextResult() : DvErrFailed; }

int32_t DvHIDSupportsCriticalSection(uint32_t handle) { return handle == kScriptedHandle ? NextResult() : DvErrFailed; }

int32_t DvHIDEnterCriticalSection(uint32_t handle) { return handle == kScriptedHandle ? NextResult() : DvErrFailed; }

int32_t DvHIDExitCriticalSection(uint32_t handle) { return handle == kScriptedHandle ? NextResult() : DvErrFailed; }

int32_t DvHIDRelease(void) { return DvOk; }

}  // extern "C"
