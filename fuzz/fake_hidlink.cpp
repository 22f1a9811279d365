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

// The result of one call: a failure for another handle or once the script
// has run out.
int32_t Answer(uint32_t handle) {
    if (handle != kScriptedHandle || !ScriptLeft()) return DvErrFailed;
    return kResults[NextScriptByte() % std::size(kResults)];
}

uint32_t NextWord(size_t bytes) {
    uint32_t word = 0;
    for (size_t i = 0; i < bytes; ++i) word |= static_cast<uint32_t>(NextScriptByte()) << (8 * i);
    return word;
}

// The value is drawn whether or not the caller wants it, so that a script
// means the same whatever the caller asks.
template <class T>
void Put(T* out, T value) {
    if (out != nullptr) *out = value;
}

}  // namespace

void Script(const uint8_t* data, size_t size) {
    g_next = data;
    g_end = data + size;
}

bool ScriptLeft() { return g_next != g_end; }

uint8_t NextScriptByte() { return ScriptLeft() ? *g_next++ : 0; }

// Fills the buffer from the script; what the script lacks is zero.
static void Fill(void* buffer, uint32_t size) {
    if (buffer == nullptr) return;
    const size_t n = std::min<size_t>(size, static_cast<size_t>(g_end - g_next));
    std::memcpy(buffer, g_next, n);
    std::memset(static_cast<uint8_t*>(buffer) + n, 0, size - n);
    g_next += n;
}

}  // namespace dvc::fuzz

using dvc::fuzz::Answer;
using dvc::fuzz::NextWord;
using dvc::fuzz::Put;

extern "C" {

int32_t DvHIDFind(void) { return Answer(dvc::fuzz::kScriptedHandle) < 0 ? DvErrFailed : 1; }

int32_t DvHIDRetrieve(uint32_t index, uint32_t* handle) {
    Put(handle, dvc::fuzz::kScriptedHandle);
    return index == 0 ? DvOk : DvErrFailed;
}

// Lengths beyond 16 bits are rare but possible; a flag byte keeps them reachable.
int32_t DvHIDGetFixedData(uint32_t handle, uint32_t, int32_t* maximum, int32_t* minimum, int32_t* flag,
                          uint32_t* length) {
    const int32_t r = Answer(handle);
    Put(maximum, static_cast<int32_t>(NextWord(4)));
    Put(minimum, static_cast<int32_t>(NextWord(4)));
    Put(flag, static_cast<int32_t>(NextWord(1) & 1));
    Put(length, NextWord(1) & 0x80 ? NextWord(4) : NextWord(2));
    return r;
}

int32_t DvHIDGetValue(uint32_t handle, uint32_t, uint32_t* value) {
    const int32_t r = Answer(handle);
    Put(value, NextWord(4));
    return r;
}

int32_t DvHIDGetData(uint32_t handle, uint32_t, void* buffer, uint32_t size) {
    const int32_t r = Answer(handle);
    dvc::fuzz::Fill(buffer, size);
    return r;
}

int32_t DvHIDSetValue(uint32_t handle, uint32_t, uint32_t, uint32_t) { return Answer(handle); }

int32_t DvHIDSetData(uint32_t handle, uint32_t, const void* buffer, uint32_t size, uint32_t) {
    return buffer == nullptr && size != 0 ? DvErrFailed : Answer(handle);
}

int32_t DvHIDSetDataNoCheckResult(uint32_t handle, uint32_t code, const void* buffer, uint32_t size, uint32_t option) {
    return DvHIDSetData(handle, code, buffer, size, option);
}

// Reports are fed to the report code directly (hid_paths_fuzz.cpp), not
// from a thread.
int32_t DvHIDReportON(uint32_t handle, DvHIDReportCallback, DvHIDTeardownCallback, void*) { return Answer(handle); }
int32_t DvHIDReportOFF(uint32_t handle) { return Answer(handle); }
int32_t DvHIDSupportsCriticalSection(uint32_t handle) { return Answer(handle); }
int32_t DvHIDEnterCriticalSection(uint32_t handle) { return Answer(handle); }
int32_t DvHIDExitCriticalSection(uint32_t handle) { return Answer(handle); }
int32_t DvHIDRelease(void) { return DvOk; }

}  // extern "C"
