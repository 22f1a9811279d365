#include "tx_log.hpp"

#include <cstdio>

#include "json_read.hpp"
#include "libdvc/dvc_types.h"

namespace dvc::sim {

bool IsRead(Op op) {
    return op == Op::IsSupported || op == Op::GetFixedData || op == Op::GetValue || op == Op::GetData;
}

bool IsWrite(Op op) { return op == Op::SetValue || op == Op::SetData || op == Op::SetDataNoCheckResult; }

void TxLog::Add(Transaction t, std::chrono::nanoseconds link_time, bool fault) {
    LinkCounters& c = counters_[static_cast<std::size_t>(t.link)];
    ++c.calls;
    if (IsRead(t.op)) {
        ++c.reads;
        if (t.op == Op::GetData && t.result >= 0) c.bytes_read += t.size;
    }
    if (IsWrite(t.op)) {
        ++c.writes;
        c.bytes_written += t.size;
    }
    // Discovery and list operations answer counts, not result codes.
    bool counted_result = t.op != Op::Find && t.op != Op::IsSupported && t.op != Op::SupportsCriticalSection;
    if (t.result == DvErrRefused) ++c.refusals;
    else if (counted_result && t.result < 0) ++c.failures;
    if (fault) ++c.faults_injected;
    c.link_time += link_time;
    if (capacity_ == 0) return;
    if (records_.size() >= capacity_) records_.pop_front();
    records_.push_back(std::move(t));
}

void TxLog::SetCapacity(std::size_t n) {
    capacity_ = n;
    while (records_.size() > capacity_) records_.pop_front();
}

std::string Describe(const Transaction& t) {
    char head[160];
    std::snprintf(head, sizeof head, "%s %s target=0x%X code=0x%X value=0x%X size=%u option=%u result=0x%08X",
                  std::string(LinkName(t.link)).c_str(), std::string(OpName(t.op)).c_str(), t.target, t.code, t.value,
                  t.size, t.option, static_cast<uint32_t>(t.result));
    std::string s = head;
    if (!t.serial.empty()) s += " serial=" + t.serial;
    if (!t.data.empty()) {
        std::vector<uint8_t> shown(
            t.data.begin(), t.data.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(t.data.size(), 32)));
        s += " data=" + json::Hex(shown) + (t.data.size() > 32 ? "..." : "");
    }
    return s;
}

std::string_view LinkName(Link link) { return link == Link::DDCCI ? "DDC/CI" : "HID"; }

std::string_view OpName(Op op) {
    static constexpr std::string_view kNames[] = {"IsSupported",
                                                  "GetFixedData",
                                                  "GetValue",
                                                  "SetValue",
                                                  "GetData",
                                                  "SetData",
                                                  "SetDataNoCheckResult",
                                                  "SetCommunicationType",
                                                  "Find",
                                                  "Retrieve",
                                                  "ReportON",
                                                  "ReportOFF",
                                                  "SupportsCriticalSection",
                                                  "EnterCriticalSection",
                                                  "ExitCriticalSection",
                                                  "Release"};
    auto i = static_cast<std::size_t>(op);
    return i < std::size(kNames) ? kNames[i] : "?";
}

}  // namespace dvc::sim
