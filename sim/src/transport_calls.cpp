// The entry points of the transports (arguments as in ddclink.h and
// hidlink.h): list and handle operations are answered here; per-monitor
// reads and writes check their buffers and go down the transaction path.
#include <algorithm>
#include <thread>

#include "sim.hpp"

namespace dvc::sim {
namespace {

constexpr uint32_t kMaxTransfer = 16u << 20;
constexpr auto kDeviceLockWait = std::chrono::milliseconds(3000);

// A fault on a call that moves no data (reports on or off, the device lock,
// release): an error or a refusal stops it before it has any effect, with
// that result in `r`; short or garbage data have nothing to spoil, and a
// delay only slows it. True when the call goes ahead.
bool GoesAhead(const FaultRule* fault, int32_t& r) {
    if (fault == nullptr) return true;
    if (fault->kind == FaultKind::Result) r = fault->result;
    if (fault->kind == FaultKind::RefusedData) r = DvErrRefused;
    return fault->kind != FaultKind::Result && fault->kind != FaultKind::RefusedData;
}

}  // namespace

// ---- reads and writes of either link -----------------------------------------

int32_t Sim::ReadValue(Link link, uint32_t target, uint32_t code, uint32_t* value) {
    Call c{link, Op::GetValue, target, code};
    int32_t r = Transact(c);
    if (Usable(r) && value) *value = c.value;
    return r;
}

int32_t Sim::ReadData(Link link, uint32_t target, uint32_t code, void* buffer, uint32_t size) {
    if (buffer == nullptr && size != 0) return DvErrInvalidParameter;
    if (size > kMaxTransfer) return DvErrSizeMismatch;
    Call c{link, Op::GetData, target, code};
    c.out = static_cast<uint8_t*>(buffer);
    c.size = size;
    return Transact(c);
}

int32_t Sim::WriteData(Link link, Op op, uint32_t target, uint32_t code, const void* buffer, uint32_t size,
                       uint32_t option) {
    if (buffer == nullptr && size != 0) return DvErrInvalidParameter;
    if (size > kMaxTransfer) return DvErrSizeMismatch;
    Call c{link, op, target, code};
    c.in = static_cast<const uint8_t*>(buffer);
    c.size = size;
    c.option = option;
    return Transact(c);
}

// ---- DDC/CI ----------------------------------------------------------------

int32_t Sim::DdcSetType(int32_t type) {
    std::unique_lock lock(mutex_);
    int32_t r = (type == 0 || type == 1) ? DvOk : DvErrInvalidParameter;
    const FaultRule* fault = faults_.Match(Link::DDCCI, {}, Op::SetCommunicationType, 0);
    if (fault != nullptr && fault->kind == FaultKind::Result) r = fault->result;
    if (fault != nullptr && fault->kind == FaultKind::RefusedData) r = DvErrRefused;
    if (r == DvOk) ddc_type_ = type;
    Log(Transaction{Link::DDCCI, 0, Op::SetCommunicationType, static_cast<uint32_t>(type), 0, {}, 0, 0, r, {}}, {},
        fault != nullptr);
    ListFaultDelay(lock, fault);
    return r;
}

int32_t Sim::DdcFind() {
    std::unique_lock lock(mutex_);
    ddc_list_.clear();
    if (world_) {
        for (const auto& m : world_->monitors)
            if (m->has_ddcci &&
                std::find(m->ddcci_types.begin(), m->ddcci_types.end(), ddc_type_) != m->ddcci_types.end())
                ddc_list_.push_back(m.get());
    }
    const FaultRule* fault = faults_.Match(Link::DDCCI, {}, Op::Find, 0);
    const int32_t n = FoundCount(fault, ddc_list_);
    Log(
        Transaction{
            Link::DDCCI, 0, Op::Find, static_cast<uint32_t>(ddc_type_), static_cast<uint32_t>(n), {}, 0, 0, n, {}},
        {}, fault != nullptr);
    ListFaultDelay(lock, fault);
    return n;
}

// The count a Find reports under a fault: a failure or refusal (and an empty
// list), a list cut to `keep_bytes` entries, a garbage count that matches
// no list, or (delay) the true count.
int32_t Sim::FoundCount(const FaultRule* fault, std::vector<VirtualMonitor*>& list) {
    const auto n = static_cast<int32_t>(list.size());
    if (fault == nullptr) return n;
    switch (fault->kind) {
    case FaultKind::Result: list.clear(); return fault->result;
    case FaultKind::RefusedData: list.clear(); return DvErrRefused;
    case FaultKind::ShortData:
        list.resize(std::min<std::size_t>(list.size(), fault->keep_bytes));
        return static_cast<int32_t>(list.size());
    case FaultKind::GarbageData: return static_cast<int32_t>(faults_.GarbageValue() & 0xFF);
    default: return n;
    }
}

// A scripted delay of a list operation, slept without the lock.
void Sim::ListFaultDelay(std::unique_lock<std::mutex>& lock, const FaultRule* fault) {
    if (fault == nullptr || fault->kind != FaultKind::Delay) return;
    const auto delay = fault->delay;
    lock.unlock();
    std::this_thread::sleep_for(delay);
}

int32_t Sim::DdcIsSupported(uint32_t index, uint32_t code) {
    Call c{Link::DDCCI, Op::IsSupported, index, code};
    return Transact(c);
}

int32_t Sim::DdcGetFixed(uint32_t index, uint32_t code, int32_t* max, int32_t* min, uint32_t* length) {
    Call c{Link::DDCCI, Op::GetFixedData, index, code};
    int32_t r = Transact(c);
    if (Usable(r)) {
        if (c.fixed.flag == 0) return DvErrNotSupported;
        if (max) *max = c.fixed.maximum;
        if (min) *min = c.fixed.minimum;
        if (length) *length = c.fixed.length;
    }
    return r;
}

int32_t Sim::DdcGetValue(uint32_t index, uint32_t code, uint32_t* value) {
    return ReadValue(Link::DDCCI, index, code, value);
}

int32_t Sim::DdcSetValue(uint32_t index, uint32_t code, const uint32_t* value) {
    if (value == nullptr) return DvErrInvalidParameter;
    Call c{Link::DDCCI, Op::SetValue, index, code, *value};
    return Transact(c);
}

int32_t Sim::DdcGetData(uint32_t index, uint32_t code, void* buffer, uint32_t size) {
    return ReadData(Link::DDCCI, index, code, buffer, size);
}

int32_t Sim::DdcSetData(uint32_t index, uint32_t code, const void* buffer, uint32_t size) {
    return WriteData(Link::DDCCI, Op::SetData, index, code, buffer, size, 0);
}

int32_t Sim::DdcRelease() {
    std::unique_lock lock(mutex_);
    int32_t r = DvOk;
    const FaultRule* fault = faults_.Match(Link::DDCCI, {}, Op::Release, 0);
    if (GoesAhead(fault, r)) ddc_list_.clear();
    Log(Transaction{Link::DDCCI, 0, Op::Release, 0, 0, {}, 0, 0, r, {}}, {}, fault != nullptr);
    ListFaultDelay(lock, fault);
    return r;
}

// ---- HID -------------------------------------------------------------------

int32_t Sim::HidFind() {
    std::unique_lock lock(mutex_);
    hid_list_.clear();
    if (world_)
        for (const auto& m : world_->monitors)
            if (m->has_hid) hid_list_.push_back(m.get());
    hid_found_ = true;
    const FaultRule* fault = faults_.Match(Link::HID, {}, Op::Find, 0);
    const int32_t n = FoundCount(fault, hid_list_);
    Log(Transaction{Link::HID, 0, Op::Find, 0, static_cast<uint32_t>(n), {}, 0, 0, n, {}}, {}, fault != nullptr);
    ListFaultDelay(lock, fault);
    return n;
}

// Under a fault the handle is withheld (an error, or a short answer that
// leaves 0), replaced by garbage, or given with a refusal.
int32_t Sim::HidRetrieve(uint32_t index, uint32_t* handle) {
    std::unique_lock lock(mutex_);
    int32_t r = DvOk;
    uint32_t h = 0;
    const bool known = hid_found_ && index < hid_list_.size();
    if (!known || handle == nullptr) r = DvErrInvalidParameter;
    const std::string serial = known ? hid_list_[index]->serial : std::string{};
    const FaultRule* fault = r == DvOk ? faults_.Match(Link::HID, serial, Op::Retrieve, 0) : nullptr;
    if (r == DvOk) {
        h = hid_list_[index]->hid_handle;
        if (fault != nullptr && fault->kind == FaultKind::Result) r = fault->result;
        if (fault != nullptr && fault->kind == FaultKind::RefusedData) r = DvErrRefused;
        if (fault != nullptr && (fault->kind == FaultKind::Result || fault->kind == FaultKind::ShortData)) h = 0;
        if (fault != nullptr && fault->kind == FaultKind::GarbageData) h = faults_.GarbageValue();
        if (r >= 0 || r == DvErrRefused) *handle = h;
    }
    Log(Transaction{Link::HID, h, Op::Retrieve, index, h, {}, 0, 0, r, serial}, {}, fault != nullptr);
    ListFaultDelay(lock, fault);
    return r;
}

int32_t Sim::HidGetFixed(uint32_t handle, uint32_t code, int32_t* max, int32_t* min, int32_t* flag, uint32_t* length) {
    Call c{Link::HID, Op::GetFixedData, handle, code};
    int32_t r = Transact(c);
    if (Usable(r)) {
        if (max) *max = c.fixed.maximum;
        if (min) *min = c.fixed.minimum;
        if (flag) *flag = c.fixed.flag;
        if (length) *length = c.fixed.length;
    } else if (r == DvErrNotSupported && flag != nullptr) {
        *flag = 0;
    }
    return r;
}

int32_t Sim::HidGetValue(uint32_t handle, uint32_t code, uint32_t* value) {
    return ReadValue(Link::HID, handle, code, value);
}

int32_t Sim::HidSetValue(uint32_t handle, uint32_t code, uint32_t value, uint32_t option) {
    Call c{Link::HID, Op::SetValue, handle, code, value};
    c.option = option;
    return Transact(c);
}

int32_t Sim::HidGetData(uint32_t handle, uint32_t code, void* buffer, uint32_t size) {
    return ReadData(Link::HID, handle, code, buffer, size);
}

int32_t Sim::HidSetData(uint32_t handle, uint32_t code, const void* buffer, uint32_t size, uint32_t option, Op op) {
    int32_t r = WriteData(Link::HID, op, handle, code, buffer, size, option);
    // The unchecked form does not wait for the device's answer.
    return op == Op::SetDataNoCheckResult && r != DvErrFailed ? DvOk : r;
}

int32_t Sim::HidReport(uint32_t handle, bool on) {
    std::unique_lock lock(mutex_);
    const Op op = on ? Op::ReportON : Op::ReportOFF;
    VirtualMonitor* m = Resolve(Link::HID, handle);
    int32_t r = m ? DvOk : DvErrFailed;
    const FaultRule* fault = m ? faults_.Match(Link::HID, m->serial, op, 0) : nullptr;
    if (m && GoesAhead(fault, r)) {
        m->reports_on = on;
        // A world a test activated in its own process is private to it.
        if (!in_process_) Mailbox().Watch(m->serial, on);
    }
    Log(Transaction{Link::HID, handle, op, 0, 0, {}, 0, 0, r, m ? m->serial : ""}, {}, fault != nullptr);
    ListFaultDelay(lock, fault);
    return r;
}

ReportMailbox& Sim::Mailbox() {
    if (!mailbox_) {
        mailbox_ = std::make_unique<ReportMailbox>([this](const std::string& serial, uint32_t code,
                                                          std::vector<uint8_t> data) { Inject(serial, code, data); });
    }
    return *mailbox_;
}

void Sim::SetReportSink(DvSimReportSink sink, void* context) {
    std::lock_guard lock(mutex_);
    sink_ = sink;
    sink_context_ = context;
}

// The answer is the result itself: garbage gives a random one.
int32_t Sim::HidSupportsLock(uint32_t handle) {
    std::unique_lock lock(mutex_);
    VirtualMonitor* m = Resolve(Link::HID, handle);
    int32_t r = (m != nullptr && m->device_lock_supported) ? 1 : 0;
    const FaultRule* fault = m ? faults_.Match(Link::HID, m->serial, Op::SupportsCriticalSection, 0) : nullptr;
    if (GoesAhead(fault, r) && fault != nullptr && fault->kind == FaultKind::GarbageData)
        r = static_cast<int32_t>(faults_.GarbageValue() & 0xFF);
    Log(Transaction{Link::HID, handle, Op::SupportsCriticalSection, 0, 0, {}, 0, 0, r, m ? m->serial : ""}, {},
        fault != nullptr);
    ListFaultDelay(lock, fault);
    return r;
}

int32_t Sim::HidLock(uint32_t handle, bool enter) {
    const Op op = enter ? Op::EnterCriticalSection : Op::ExitCriticalSection;
    std::shared_ptr<DeviceLock> device;
    std::string serial;
    const FaultRule* fault = nullptr;
    {
        std::unique_lock lock(mutex_);
        VirtualMonitor* m = Resolve(Link::HID, handle);
        int32_t r = m == nullptr ? DvErrFailed : (!m->device_lock_supported ? DvErrNotSupported : 0);
        if (r == 0) fault = faults_.Match(Link::HID, m->serial, op, 0);
        if (r != 0 || !GoesAhead(fault, r)) {
            Log(Transaction{Link::HID, handle, op, 0, 0, {}, 0, 0, r, m ? m->serial : ""}, {}, fault != nullptr);
            return r;
        }
        device = m->device_lock;
        serial = m->serial;
        ListFaultDelay(lock, fault);
    }
    // Waiting for the device must not hold up every other transaction.
    int32_t r = enter ? device->Enter(kDeviceLockWait) : device->Exit();
    std::lock_guard lock(mutex_);
    Log(Transaction{Link::HID, handle, op, 0, 0, {}, 0, 0, r, serial}, {}, fault != nullptr);
    return r;
}

int32_t Sim::HidRelease() {
    std::unique_lock lock(mutex_);
    int32_t r = DvOk;
    const FaultRule* fault = faults_.Match(Link::HID, {}, Op::Release, 0);
    if (GoesAhead(fault, r)) {
        for (VirtualMonitor* m : hid_list_) {
            m->reports_on = false;
            if (mailbox_) mailbox_->Watch(m->serial, false);
        }
        hid_list_.clear();
        hid_found_ = false;
    }
    Log(Transaction{Link::HID, 0, Op::Release, 0, 0, {}, 0, 0, r, {}}, {}, fault != nullptr);
    ListFaultDelay(lock, fault);
    return r;
}

}  // namespace dvc::sim
