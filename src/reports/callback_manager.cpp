#include "reports/callback_manager.hpp"

#include <mutex>

#include "reports/report_codes.hpp"

namespace VarnMonitorReport {

CallbackManager::CallbackManager() {
    callbacks_.emplace(dvc::reports::kGeneric, std::make_shared<GenericReportCallbackManager>());
}

CallbackManager::~CallbackManager() { UnregisterAll(); }

DvError CallbackManager::Register(int32_t code, CallbackRef callback) {
    if (code == dvc::reports::kGeneric) return RegisterGeneric(0xFFFFFFFFU, std::move(callback));
    std::lock_guard guard(lock_);
    if (callback) {
        callbacks_[code] = std::move(callback);
    } else {
        callbacks_.erase(code);
    }
    return DvOk;
}

DvError CallbackManager::RegisterGeneric(uint32_t mask, CallbackRef callback) {
    std::lock_guard guard(lock_);
    const auto it = callbacks_.find(dvc::reports::kGeneric);
    auto* generic = it != callbacks_.end() ? dynamic_cast<GenericReportCallbackManager*>(it->second.get()) : nullptr;
    if (generic == nullptr) return DvErrFailed;
    generic->Register(mask, std::move(callback));
    return DvOk;
}

void CallbackManager::SetTeardown(CallbackRef callback) {
    std::lock_guard guard(lock_);
    teardown_ = std::move(callback);
}

DvError CallbackManager::Dispatch(const char* serial, const char* model, int32_t code, const void* data,
                                  uint32_t size) {
    CallbackRef callback;
    {
        std::lock_guard guard(lock_);
        const auto it = callbacks_.find(code);
        if (it != callbacks_.end()) callback = it->second;
    }
    return callback ? callback->OnReport(serial, model, data, size) : DvOk;
}

DvError CallbackManager::DispatchTeardown(const char* serial, const char* model) {
    CallbackRef callback;
    {
        std::lock_guard guard(lock_);
        callback = teardown_;
    }
    return callback ? callback->OnReport(serial, model, nullptr, 0) : DvOk;
}

void CallbackManager::UnregisterAll() {
    std::map<int32_t, CallbackRef> callbacks;
    CallbackRef teardown;
    {
        std::lock_guard guard(lock_);
        callbacks.swap(callbacks_);
        teardown.swap(teardown_);
    }
    // Destroyed here, outside the lock.
}

}  // namespace VarnMonitorReport
