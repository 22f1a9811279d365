// The path of one transport call to a monitor's item: find the monitor, let
// the fault script decide, dispatch to the item, spoil the answer as a fault
// asks, record it, then deliver the monitor's reports and spend the link
// time outside the lock.
#include <cstring>
#include <thread>

#include "sim.hpp"

namespace dvc::sim {

int32_t Sim::Transact(Call& c) {
    std::unique_lock lock(mutex_);
    VirtualMonitor* m = Resolve(c.link, c.target);
    if (m == nullptr) return Unanswered(c, nullptr, c.op == Op::IsSupported ? 0 : DvErrFailed, false);
    const FaultRule* fault = faults_.Match(c.link, m->serial, c.op, c.code);
    // IsSupported has no error code: a failed query answers "not supported".
    if (fault != nullptr && fault->kind == FaultKind::Result)
        return Unanswered(c, m, c.op == Op::IsSupported ? 0 : fault->result, true);
    Answer a = Dispatch(c, *m);
    if (fault != nullptr && Usable(a.result)) Spoil(*fault, c, a);
    Present(c, a);
    const int32_t r = a.result;
    const std::chrono::microseconds link_time = LinkTime(c.link, c.op);
    Log(Answered(c, *m, a), link_time, fault != nullptr);
    const bool slow = fault != nullptr && fault->kind == FaultKind::Delay;
    Deliver(lock, *m, std::move(a.reports), slow ? fault->delay : std::chrono::milliseconds{0}, link_time);
    return r;
}

// A call that reaches no item (no such monitor, or a fault that answers in
// its place): logged as it arrived, with `result`.
int32_t Sim::Unanswered(const Call& c, const VirtualMonitor* m, int32_t result, bool fault) {
    Transaction t = Arrival(c, m);
    t.result = result;
    Log(std::move(t), {}, fault);
    return result;
}

// The item that answers the code on this link, between the state file's
// Begin and End. A code no item answers is not supported.
Sim::Answer Sim::Dispatch(Call& c, VirtualMonitor& m) {
    Answer a;
    if (state_file_) state_file_->Begin(*world_);
    const ItemTable::Entry* e = m.ItemsOn(c.link).Find(c.code);
    Context ctx(c.link, m.IdentityOn(c.link), m.state, e ? e->variant : Variant::Shared);
    switch (c.op) {
    case Op::IsSupported:
    case Op::GetFixedData:
        if (e != nullptr) a.result = e->item->FixedData(ctx, c.code, c.fixed);
        break;
    case Op::GetValue:
        if (e != nullptr) a.result = e->item->GetValue(ctx, c.code, c.value);
        break;
    case Op::SetValue:
        if (e != nullptr) a.result = e->item->SetValue(ctx, c.code, c.value, c.option);
        break;
    case Op::GetData:
        a.read.assign(c.size, 0);
        if (e != nullptr) a.result = e->item->GetData(ctx, c.code, a.read.data(), c.size);
        break;
    case Op::SetData:
    case Op::SetDataNoCheckResult:
        if (e != nullptr) a.result = e->item->SetData(ctx, c.code, c.in, c.size, c.option);
        break;
    default: a.result = DvErrFailed;
    }
    // A change the state file could not keep is not made: the caller hears
    // of it as a failed write.
    if (state_file_ && !state_file_->End(*world_) && IsWrite(c.op) && Usable(a.result)) a.result = DvErrFailed;
    a.reports = std::move(ctx.PendingReports());
    return a;
}

// A data fault on an answer that has its data: cut short, garbled or
// refused while the data stay.
void Sim::Spoil(const FaultRule& fault, Call& c, Answer& a) {
    switch (fault.kind) {
    case FaultKind::ShortData:
        for (uint32_t i = fault.keep_bytes; i < a.read.size(); ++i) a.read[i] = 0;
        break;
    case FaultKind::GarbageData:
        faults_.Garbage(a.read.data(), static_cast<uint32_t>(a.read.size()));
        if (c.op == Op::GetValue) c.value = faults_.GarbageValue();
        break;
    case FaultKind::RefusedData: a.result = DvErrRefused; break;
    default: break;
    }
}

// The answer as the transport gives it: IsSupported says 1 or 0, and a data
// read lands in the caller's buffer.
void Sim::Present(Call& c, Answer& a) {
    if (c.op == Op::IsSupported) a.result = (a.result >= 0 && c.fixed.flag != 0) ? 1 : 0;
    if (c.op == Op::GetData && Usable(a.result) && c.size != 0) std::memcpy(c.out, a.read.data(), c.size);
}

// The log record of a call as it arrived.
Transaction Sim::Arrival(const Call& c, const VirtualMonitor* m) {
    return Transaction{c.link, c.target, c.op, c.code, c.value, {}, c.size, c.option, 0, m ? m->serial : std::string{}};
}

// ... and of a call the monitor answered: what came back and the bytes that moved.
Transaction Sim::Answered(const Call& c, const VirtualMonitor& m, Answer& a) {
    Transaction t = Arrival(c, &m);
    t.value = c.op == Op::GetFixedData ? c.fixed.length : c.value;
    t.result = a.result;
    if (c.op == Op::GetData && Usable(a.result)) t.data = std::move(a.read);
    if ((c.op == Op::SetData || c.op == Op::SetDataNoCheckResult) && c.size != 0) t.data.assign(c.in, c.in + c.size);
    return t;
}

// What the call costs on the wire: a HID transfer, or a DDC/CI reply or
// post-write wait; IsSupported costs nothing.
std::chrono::microseconds Sim::LinkTime(Link link, Op op) const {
    if (link == Link::HID) return timing_.hid_reply;
    if (IsWrite(op)) return timing_.ddcci_post_write;
    return op != Op::IsSupported ? timing_.ddcci_reply : std::chrono::microseconds{0};
}

// Ends the call: the monitor's reports go to hidlink while it reports, the
// lock is let go, then a scripted delay and (with the timing model on) the
// link time pass.
void Sim::Deliver(std::unique_lock<std::mutex>& lock, const VirtualMonitor& m, std::vector<Context::Report> reports,
                  std::chrono::milliseconds delay, std::chrono::microseconds link_time) {
    const bool sleep = timing_.enabled;
    if (m.has_hid && m.reports_on && !reports.empty()) {
        SendReports(lock, m.hid_handle, std::move(reports));
    } else if (m.has_hid && state_file_ && !in_process_) {
        // Processes that share a state file share the monitor: one of them
        // may be watching its reports.
        for (const auto& r : reports) ReportMailbox::Post(m.serial, r.code, r.data);
    }
    if (lock.owns_lock()) lock.unlock();
    if (delay.count() > 0) std::this_thread::sleep_for(delay);
    if (sleep && link_time.count() > 0) std::this_thread::sleep_for(link_time);
}

void Sim::SendReports(std::unique_lock<std::mutex>& lock, uint32_t handle, std::vector<Context::Report> reports) {
    DvSimReportSink sink = sink_;
    void* context = sink_context_;
    if (sink == nullptr) return;
    reports_sent_ += reports.size();
    lock.unlock();
    for (const auto& r : reports)
        sink(handle, r.code, r.data.empty() ? nullptr : r.data.data(), static_cast<uint32_t>(r.data.size()), context);
}

VirtualMonitor* Sim::Resolve(Link link, uint32_t target) {
    if (!world_) return nullptr;
    if (link == Link::DDCCI) return target < ddc_list_.size() ? ddc_list_[target] : nullptr;
    if (!hid_found_ || target == 0) return nullptr;
    for (VirtualMonitor* m : hid_list_)
        if (m->hid_handle == target) return m;
    return nullptr;
}

void Sim::Log(Transaction t, std::chrono::nanoseconds link_time, bool fault) {
    log_.Add(std::move(t), link_time, fault);
}

}  // namespace dvc::sim
