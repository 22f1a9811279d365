// A monitor's report callbacks by report code, its teardown callback, and
// whether its reports are on. Every VarnMonitor holds one.
#pragma once

#include <atomic>
#include <cstdint>
#include <map>

#include "reports/callbacks.hpp"

namespace VarnMonitorReport {

class CallbackManager {
public:
    // Starts with the generic events' manager in place.
    CallbackManager();
    virtual ~CallbackManager();
    CallbackManager(const CallbackManager&) = delete;
    CallbackManager& operator=(const CallbackManager&) = delete;

    // Replaces the callback under `code`; null removes it. The generic
    // code registers under the mask that takes every event.
    DvError Register(int32_t code, CallbackRef callback);
    // DvErrFailed once UnregisterAll has removed the generic manager.
    DvError RegisterGeneric(uint32_t mask, CallbackRef callback);
    void SetTeardown(CallbackRef callback);
    // The callback runs outside the manager's lock: it may call the library,
    // and a callback replaced meanwhile finishes the call it is in.
    DvError Dispatch(const char* serial, const char* model, int32_t code, const void* data, uint32_t size);
    DvError DispatchTeardown(const char* serial, const char* model);
    void UnregisterAll();

    // Set while the monitor's reports are on, so that a monitor about to go
    // away turns them off first.
    bool Reporting() const { return reporting_.load(); }
    void SetReporting(bool on) { reporting_.store(on); }

private:
    std::map<int32_t, CallbackRef> callbacks_;
    CallbackRef teardown_;
    varn_dvc::CriticalSection lock_;
    std::atomic<bool> reporting_{false};
};

}  // namespace VarnMonitorReport
