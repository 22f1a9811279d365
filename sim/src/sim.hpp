// The process-wide simulator: the active world, the transports' views of
// it (the DDC/CI index list, the HID handles), and the instrumentation.
// One lock guards it all; link time and scripted delays are slept outside
// that lock, and reports are handed to hidlink outside it too.
//
// sim.cpp holds the world and the instrumentation, transport_calls.cpp the
// entry points of the transports, transaction.cpp the path of one call to a
// monitor's item.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "dvcsim/backend.h"
#include "dvcsim/timing.hpp"
#include "dvcsim/world.hpp"
#include "fault_script.hpp"
#include "libdvc/dvc_types.h"
#include "monitor.hpp"
#include "report_mailbox.hpp"
#include "state_file.hpp"
#include "tx_log.hpp"

namespace dvc::sim {

// A result whose data are there: success, or a refusal that still answers.
inline bool Usable(int32_t r) { return r >= 0 || r == DvErrRefused; }

class Sim {
public:
    static Sim& Get();

    // World lifecycle.
    Status Install(std::unique_ptr<World> world, bool in_process);
    void Deactivate();
    bool Active();  // loads the DVC_SIM world on first need
    std::vector<MonitorInfo> Monitors();
    std::vector<uint32_t> FeatureCodes(std::string_view serial, Link link);

    // Transport entry points (arguments as in ddclink.h / hidlink.h).
    int32_t DdcSetType(int32_t type);
    int32_t DdcFind();
    int32_t DdcIsSupported(uint32_t index, uint32_t code);
    int32_t DdcGetFixed(uint32_t index, uint32_t code, int32_t* max, int32_t* min, uint32_t* length);
    int32_t DdcGetValue(uint32_t index, uint32_t code, uint32_t* value);
    int32_t DdcSetValue(uint32_t index, uint32_t code, const uint32_t* value);
    int32_t DdcGetData(uint32_t index, uint32_t code, void* buffer, uint32_t size);
    int32_t DdcSetData(uint32_t index, uint32_t code, const void* buffer, uint32_t size);
    int32_t DdcRelease();

    int32_t HidFind();
    int32_t HidRetrieve(uint32_t index, uint32_t* handle);
    int32_t HidGetFixed(uint32_t handle, uint32_t code, int32_t* max, int32_t* min, int32_t* flag, uint32_t* length);
    int32_t HidGetValue(uint32_t handle, uint32_t code, uint32_t* value);
    int32_t HidSetValue(uint32_t handle, uint32_t code, uint32_t value, uint32_t option);
    int32_t HidGetData(uint32_t handle, uint32_t code, void* buffer, uint32_t size);
    int32_t HidSetData(uint32_t handle, uint32_t code, const void* buffer, uint32_t size, uint32_t option, Op op);
    int32_t HidReport(uint32_t handle, bool on);
    void SetReportSink(DvSimReportSink sink, void* context);
    int32_t HidSupportsLock(uint32_t handle);
    int32_t HidLock(uint32_t handle, bool enter);
    int32_t HidRelease();

    // Instrumentation.
    std::vector<Transaction> Transactions();
    void ClearTransactions();
    void SetLogCapacity(std::size_t n);
    LinkCounters Counters(Link l);
    void ResetCounters();
    std::string Summary();
    uint32_t AddFault(const FaultRule& rule);
    void RemoveFault(uint32_t id);
    void ClearFaults();
    void SeedFaults(uint64_t seed);
    uint32_t FaultHits(uint32_t id);
    Timing GetTiming();
    void SetTiming(const Timing& t);

    std::optional<Cell> GetCell(std::string_view serial, uint32_t code, uint32_t slot);
    bool PutCell(std::string_view serial, uint32_t code, uint32_t slot, const std::optional<uint32_t>& value,
                 const std::optional<std::vector<uint8_t>>& data);
    void ResetState();
    bool Inject(std::string_view serial, uint32_t code, const std::vector<uint8_t>& data);
    uint64_t ReportsSent();
    // The first failure a host should report: the DVC_SIM world that could
    // not be loaded, or the state file's trouble; empty when none.
    std::string Problem();

private:
    // One transport call on its way through the pipeline (transaction.cpp).
    struct Call {
        Link link;
        Op op;
        uint32_t target;
        uint32_t code;
        uint32_t value = 0;
        const uint8_t* in = nullptr;
        uint8_t* out = nullptr;
        uint32_t size = 0;
        uint32_t option = 0;
        Fixed fixed{};
    };
    // What the monitor answered, before the caller sees it.
    struct Answer {
        int32_t result = DvErrNotSupported;
        std::vector<uint8_t> read;             // the bytes of a data read, `size` of them
        std::vector<Context::Report> reports;  // sent by the monitor while it answered
    };

    Sim();
    // Reads and writes of either link, checked, then down the pipeline.
    int32_t ReadValue(Link link, uint32_t target, uint32_t code, uint32_t* value);
    int32_t ReadData(Link link, uint32_t target, uint32_t code, void* buffer, uint32_t size);
    int32_t WriteData(Link link, Op op, uint32_t target, uint32_t code, const void* buffer, uint32_t size,
                      uint32_t option);
    // The pipeline of a call that reaches a monitor's items.
    int32_t Transact(Call& call);
    int32_t Unanswered(const Call& call, const VirtualMonitor* m, int32_t result, bool fault);
    Answer Dispatch(Call& call, VirtualMonitor& m);
    void Spoil(const FaultRule& fault, Call& call, Answer& answer);
    static void Present(Call& call, Answer& answer);
    static Transaction Arrival(const Call& call, const VirtualMonitor* m);
    static Transaction Answered(const Call& call, const VirtualMonitor& m, Answer& answer);
    std::chrono::microseconds LinkTime(Link link, Op op) const;
    void Deliver(std::unique_lock<std::mutex>& lock, const VirtualMonitor& m, std::vector<Context::Report> reports,
                 std::chrono::milliseconds delay, std::chrono::microseconds link_time);

    int32_t FoundCount(const FaultRule* fault, std::vector<VirtualMonitor*>& list);
    static void ListFaultDelay(std::unique_lock<std::mutex>& lock, const FaultRule* fault);
    VirtualMonitor* Resolve(Link link, uint32_t target);
    void Log(Transaction t, std::chrono::nanoseconds link_time = {}, bool fault = false);
    void SendReports(std::unique_lock<std::mutex>& lock, uint32_t handle, std::vector<Context::Report> reports);
    void LoadEnvWorld();
    // The posts of other processes; created with the first report stream.
    ReportMailbox& Mailbox();
    // Runs `f` under the simulator's lock.
    template <typename F>
    auto Locked(F&& f) {
        std::lock_guard lock(mutex_);
        return f();
    }

    std::mutex mutex_;
    std::unique_ptr<World> world_;
    bool in_process_ = false;
    std::string env_tried_;
    std::string problem_;
    uint32_t generation_ = 0;
    int32_t ddc_type_ = 0;
    std::vector<VirtualMonitor*> ddc_list_;
    std::vector<VirtualMonitor*> hid_list_;
    bool hid_found_ = false;
    std::unique_ptr<StateFile> state_file_;
    TxLog log_;
    FaultScript faults_;
    Timing timing_;
    DvSimReportSink sink_ = nullptr;
    void* sink_context_ = nullptr;
    uint64_t reports_sent_ = 0;
    std::unique_ptr<ReportMailbox> mailbox_;
};

}  // namespace dvc::sim
