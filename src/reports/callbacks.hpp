// The host's report callbacks, one class per report kind: each decodes the
// report's bytes into the plain arguments of the host's function and calls
// it. Short or missing data, or a null function, calls nothing and fails.
#pragma once

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "libdvc/dvc_reports.h"
#include "libdvc/dvc_types.h"
#include "platform/critical_section.hpp"

namespace VarnMonitorReport {

class CallbackBase {
public:
    virtual ~CallbackBase() = default;
    virtual DvError OnReport(const char* serial, const char* model, const void* data, uint32_t size) = 0;
};

// Callbacks are shared between their owner and a report being delivered, so
// that replacing one while it runs leaves the running call intact.
using CallbackRef = std::shared_ptr<CallbackBase>;

class GenericReportCallback : public CallbackBase {};

// The generic events' callbacks, each under its bit mask, in registration
// order. An event word reaches every callback whose mask shares a bit with it.
class GenericReportCallbackManager : public GenericReportCallback {
public:
    // Replaces the callback of an equal mask (the new one goes last); a null
    // callback only removes.
    void Register(uint32_t mask, CallbackRef callback);
    DvError OnReport(const char* serial, const char* model, const void* data, uint32_t size) override;

private:
    std::vector<std::pair<uint32_t, CallbackRef>> callbacks_;
    varn_dvc::CriticalSection lock_;
};

// A host function with the context handed back to it untouched: what every
// leaf class holds.
template <class Func>
struct HostFunction {
    void* context;
    Func func;
};

class GenericReportCallbackProcess : public GenericReportCallback {
public:
    GenericReportCallbackProcess(DvEventReportFunc func, void* context) : host_{context, func} {}
    DvError OnReport(const char* serial, const char* model, const void* data, uint32_t size) override;

private:
    HostFunction<DvEventReportFunc> host_;
};

class ReportTeardownCallback : public CallbackBase {
public:
    ReportTeardownCallback(DvEventReportFunc func, void* context) : host_{context, func} {}
    DvError OnReport(const char* serial, const char* model, const void* data, uint32_t size) override;

private:
    HostFunction<DvEventReportFunc> host_;
};

// The first two bytes, in the machine's order.
class TonalityReportCallback : public CallbackBase {
public:
    TonalityReportCallback(DvValueReportFunc func, void* context) : host_{context, func} {}
    DvError OnReport(const char* serial, const char* model, const void* data, uint32_t size) override;

private:
    HostFunction<DvValueReportFunc> host_;
};

// The first byte.
class ModeReportCallback : public CallbackBase {
public:
    ModeReportCallback(DvValueReportFunc func, void* context) : host_{context, func} {}
    DvError OnReport(const char* serial, const char* model, const void* data, uint32_t size) override;

private:
    HostFunction<DvValueReportFunc> host_;
};

class DirectionReportCallback : public CallbackBase {
public:
    DirectionReportCallback(DvValueReportFunc func, void* context) : host_{context, func} {}
    DvError OnReport(const char* serial, const char* model, const void* data, uint32_t size) override;

private:
    HostFunction<DvValueReportFunc> host_;
};

// Up to two bytes; a byte the report lacks is 255.
class USBSelectionReportCallback : public CallbackBase {
public:
    USBSelectionReportCallback(DvUSBSelectionReportFunc func, void* context) : host_{context, func} {}
    DvError OnReport(const char* serial, const char* model, const void* data, uint32_t size) override;

private:
    HostFunction<DvUSBSelectionReportFunc> host_;
};

// The bit numbers set in the first 16-bit word, ascending.
class VirtualKeyReportCallback : public CallbackBase {
public:
    VirtualKeyReportCallback(DvKeyReportFunc func, void* context) : host_{context, func} {}
    DvError OnReport(const char* serial, const char* model, const void* data, uint32_t size) override;

private:
    HostFunction<DvKeyReportFunc> host_;
};

class VirtualKeyMFReportCallback : public CallbackBase {
public:
    VirtualKeyMFReportCallback(DvKeyReportFunc func, void* context) : host_{context, func} {}
    DvError OnReport(const char* serial, const char* model, const void* data, uint32_t size) override;

private:
    HostFunction<DvKeyReportFunc> host_;
};

}  // namespace VarnMonitorReport
