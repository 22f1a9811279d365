#include "reports/callbacks.hpp"

#include <array>
#include <cstring>
#include <mutex>

namespace VarnMonitorReport {

namespace {

const uint8_t* Bytes(const void* data) { return static_cast<const uint8_t*>(data); }

// The first 16-bit word in the machine's order; false when it is missing.
bool FirstWord(const void* data, uint32_t size, uint16_t& word) {
    if (data == nullptr || size < 2) return false;
    std::memcpy(&word, data, sizeof word);
    return true;
}

DvError ByteValue(const HostFunction<DvValueReportFunc>& host, const char* serial, const char* model, const void* data,
                  uint32_t size) {
    if (host.func == nullptr || data == nullptr || size == 0) return DvErrFailed;
    host.func(serial, model, Bytes(data)[0], host.context);
    return DvOk;
}

DvError KeyList(const HostFunction<DvKeyReportFunc>& host, const char* serial, const char* model, const void* data,
                uint32_t size) {
    uint16_t word = 0;
    if (host.func == nullptr || !FirstWord(data, size, word)) return DvErrFailed;
    std::array<uint32_t, 16> keys{};
    uint32_t count = 0;
    for (uint32_t bit = 0; bit < 16; ++bit) {
        if ((word >> bit) & 1U) keys[count++] = bit;
    }
    host.func(serial, model, count != 0 ? keys.data() : nullptr, count, host.context);
    return DvOk;
}

DvError Event(const HostFunction<DvEventReportFunc>& host, const char* serial, const char* model) {
    if (host.func == nullptr) return DvErrFailed;
    host.func(serial, model, host.context);
    return DvOk;
}

}  // namespace

void GenericReportCallbackManager::Register(uint32_t mask, CallbackRef callback) {
    std::lock_guard guard(lock_);
    std::erase_if(callbacks_, [mask](const auto& entry) { return entry.first == mask; });
    if (callback) callbacks_.emplace_back(mask, std::move(callback));
}

// The matching callbacks are collected under the lock and called outside
// it, so that a callback may register generic callbacks itself.
DvError GenericReportCallbackManager::OnReport(const char* serial, const char* model, const void* data, uint32_t size) {
    uint16_t word = 0;
    if (!FirstWord(data, size, word)) return DvErrFailed;
    std::vector<CallbackRef> matching;
    {
        std::lock_guard guard(lock_);
        for (const auto& [mask, callback] : callbacks_) {
            if ((mask & word) != 0) matching.push_back(callback);
        }
    }
    for (const auto& callback : matching) callback->OnReport(serial, model, nullptr, 0);
    return DvOk;
}

DvError GenericReportCallbackProcess::OnReport(const char* serial, const char* model, const void*, uint32_t) {
    return Event(host_, serial, model);
}

DvError ReportTeardownCallback::OnReport(const char* serial, const char* model, const void*, uint32_t) {
    return Event(host_, serial, model);
}

DvError TonalityReportCallback::OnReport(const char* serial, const char* model, const void* data, uint32_t size) {
    uint16_t word = 0;
    if (host_.func == nullptr || !FirstWord(data, size, word)) return DvErrFailed;
    host_.func(serial, model, word, host_.context);
    return DvOk;
}

DvError ModeReportCallback::OnReport(const char* serial, const char* model, const void* data, uint32_t size) {
    return ByteValue(host_, serial, model, data, size);
}

DvError DirectionReportCallback::OnReport(const char* serial, const char* model, const void* data, uint32_t size) {
    return ByteValue(host_, serial, model, data, size);
}

DvError USBSelectionReportCallback::OnReport(const char* serial, const char* model, const void* data, uint32_t size) {
    if (host_.func == nullptr) return DvErrFailed;
    const uint32_t first = data != nullptr && size >= 1 ? Bytes(data)[0] : 255;
    const uint32_t second = data != nullptr && size >= 2 ? Bytes(data)[1] : 255;
    host_.func(serial, model, first, second, host_.context);
    return DvOk;
}

DvError VirtualKeyReportCallback::OnReport(const char* serial, const char* model, const void* data, uint32_t size) {
    return KeyList(host_, serial, model, data, size);
}

DvError VirtualKeyMFReportCallback::OnReport(const char* serial, const char* model, const void* data, uint32_t size) {
    return KeyList(host_, serial, model, data, size);
}

}  // namespace VarnMonitorReport
