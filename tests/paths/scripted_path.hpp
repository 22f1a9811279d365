// A communication path for tests: every primitive of the path interface,
// generated from the slot table, answers from a small scripted monitor and
// records the call. Feature operations can so be checked for exactly the
// primitives, codes, values and bytes they send, without a transport.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "paths/varn_monitor_interface.hpp"

namespace dvc::test {

class ScriptedPath final : public VarnMonitorInterface {
public:
    // What the monitor knows of one code. A code never configured answers
    // "not supported": support flags 0, everything else 0x80000007.
    struct Item {
        bool supported = true;
        int32_t maximum = 0;
        int32_t minimum = 0;
        uint32_t value = 0;
        std::vector<uint8_t> data;
        std::optional<uint32_t> length;  // fixed-data length; data.size() when unset
        double x = 0.0;
        double y = 0.0;
    };

    // One primitive call as the monitor saw it.
    struct Call {
        std::string op;
        uint32_t code = 0;
        uint32_t value = 0;          // value written
        std::vector<uint8_t> data;   // bytes written
        uint32_t size = 0;           // size asked for by a data read
        bool operator==(const Call&) const = default;
    };

    // Scripted answers: `op` on `code` returns `result` instead of reaching
    // the item (out arguments untouched); with `refuse`, the item answers as
    // usual and the result is 0x80000006.
    struct Fault {
        DvError result = DvErrFailed;
        bool refuse = false;
    };

    explicit ScriptedPath(std::string serial = "SER00001", std::string model = "TESTMODEL")
        : serial_(std::move(serial)), model_(std::move(model)) {}

    Item& At(uint32_t code) { return items_[code]; }
    bool Has(uint32_t code) const { return items_.count(code) != 0; }
    void FailOn(const std::string& op, uint32_t code, DvError result) { faults_[{op, code}] = Fault{result, false}; }
    void RefuseOn(const std::string& op, uint32_t code) { faults_[{op, code}] = Fault{DvErrRefused, true}; }
    void ClearFaults() { faults_.clear(); }
    // Forgets every item, fault and call.
    void Reset() {
        items_.clear();
        faults_.clear();
        calls_.clear();
    }

    const std::vector<Call>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }
    // The primitives called, with their codes, as "Op:code" strings.
    std::vector<std::string> Trace() const;

#define DVC_SCRIPTED_PRIMITIVE(slot, name, shape, ddcci, hid) \
    DvError name DVC_PARAMS_##shape override {                \
        op_ = #name;                                          \
        return On##shape DVC_ARGS_##shape;                    \
    }
    DVC_PATH_SLOTS(DVC_SCRIPTED_PRIMITIVE)
    DVC_PATH_SLOTS_AFTER_DESTRUCTOR(DVC_SCRIPTED_PRIMITIVE)
#undef DVC_SCRIPTED_PRIMITIVE

private:
    // Records the call and says how it is answered: a fault's result, or
    // nullopt to go on to the item (`refused` set when the answer must be a
    // refusal after all).
    std::optional<DvError> Enter(uint32_t code, uint32_t value = 0, std::vector<uint8_t> data = {},
                                 uint32_t size = 0);
    Item* Find(uint32_t code);
    DvError Done() const { return refused_ ? DvErrRefused : DvOk; }

    DvError OnIDENT(const uint32_t&, std::string& first, std::string& second);
    DvError OnFLAG(const uint32_t& code, int32_t* flag);
    DvError OnRANGE(const uint32_t& code, int32_t* flag, int32_t* maximum, int32_t* minimum);
    DvError OnVALUE_READ(const uint32_t& code, uint32_t* value);
    DvError OnVALUE_WRITE(const uint32_t& code, uint32_t value);
    DvError OnVALUE_WRITE_PTR(const uint32_t& code, const uint32_t* value) { return OnVALUE_WRITE(code, *value); }
    DvError OnBOOL_READ(const uint32_t& code, int* out);
    DvError OnBOOL_WRITE(const uint32_t& code, int value) { return OnVALUE_WRITE(code, static_cast<uint32_t>(value)); }
    DvError OnBOOL_WRITE_PTR(const uint32_t& code, const int* value) { return OnBOOL_WRITE(code, *value); }
    DvError OnINT_READ(const uint32_t& code, int32_t* value) { return OnVALUE_READ(code, reinterpret_cast<uint32_t*>(value)); }
    DvError OnINT_WRITE_PTR(const uint32_t& code, const int32_t* value) {
        return OnVALUE_WRITE(code, static_cast<uint32_t>(*value));
    }
    DvError OnCHROMA_RANGE(const uint32_t& code, int32_t* flag, double* maximum, double* minimum);
    DvError OnCHROMA_READ(const uint32_t& code, double* x, double* y);
    DvError OnCHROMA_WRITE(const uint32_t& code, const double* x, const double* y);
    DvError OnFIXED(uint32_t code, int32_t* maximum, int32_t* minimum, int32_t* flag, uint32_t* length);
    DvError OnGEN_VALUE_READ(uint32_t code, uint32_t* value) { return OnVALUE_READ(code, value); }
    DvError OnGEN_VALUE_WRITE(uint32_t code, uint32_t value, uint32_t) { return OnVALUE_WRITE(code, value); }
    DvError OnGEN_DATA_READ(uint32_t code, void* buffer, uint32_t size);
    DvError OnGEN_DATA_WRITE(uint32_t code, const void* buffer, uint32_t size, uint32_t option);

    // Primitives that no table feature uses: recorded, not carried.
    template <class... Args>
    DvError Unused(const Args&...) {
        Enter(0);
        return DvErrNotImplemented;
    }
    DvError OnBLOCK_READ(const uint32_t&, void*, uint32_t*) { return Unused(); }
    DvError OnBLOCK_SIZE(const uint32_t&, int32_t*, uint32_t*) { return Unused(); }
    DvError OnRATIO_READ(const uint32_t&, double*, uint32_t*) { return Unused(); }
    DvError OnRATIO_WRITE(const uint32_t&, const double*, const uint32_t*, const int*) { return Unused(); }
    DvError OnLUT_READ(const uint32_t&, const uint32_t&, uint8_t*, uint32_t, const uint32_t*) { return Unused(); }
    DvError OnLUT_WRITE(const uint32_t&, const uint32_t&, const uint8_t*, uint32_t, const uint32_t*) { return Unused(); }
    DvError OnUSAGE(const uint32_t&, uint16_t*, uint8_t*) { return Unused(); }
    DvError OnSIGNAL_WRITE(const uint32_t&, const uint16_t*) { return Unused(); }
    DvError OnMUTEX(const uint32_t&, int*, int) { return Unused(); }
    DvError OnEDID(uint8_t*) { return Unused(); }
    DvError OnREPORT_ON(PathReportCallback, PathTeardownCallback, void*) { return Unused(); }
    DvError OnNONE() { return Unused(); }
    DvError OnHANDLE(uint32_t*) { return Unused(); }

    std::string serial_;
    std::string model_;
    std::map<uint32_t, Item> items_;
    std::map<std::pair<std::string, uint32_t>, Fault> faults_;
    std::vector<Call> calls_;
    const char* op_ = "";
    bool refused_ = false;
};

}  // namespace dvc::test
