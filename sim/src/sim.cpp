#include "sim.hpp"

#include <cstdlib>
#include <cstring>
#include <thread>

#include "config_error.hpp"
#include "loader.hpp"

namespace dvc::sim {
namespace {

constexpr uint32_t kMaxTransfer = 16u << 20;
constexpr auto kDeviceLockWait = std::chrono::milliseconds(3000);

bool Usable(int32_t r) { return r >= 0 || r == DvErrRefused; }

bool EnvFlag(const char* name, bool& value) {
    const char* v = std::getenv(name);
    if (v == nullptr || *v == '\0') return false;
    value = !(std::strcmp(v, "0") == 0 || std::strcmp(v, "off") == 0 || std::strcmp(v, "false") == 0);
    return true;
}

void PrintSummaryAtExit() {
    bool on = false;
    if (EnvFlag("DVC_SIM_SUMMARY", on) && on) std::fputs(Sim::Get().Summary().c_str(), stderr);
}

}  // namespace

struct Sim::Call {
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

Sim& Sim::Get() {
    // Never destroyed: hidlink's thread and exit handlers may still call in.
    static Sim* sim = new Sim();
    return *sim;
}

Sim::Sim() { std::atexit(PrintSummaryAtExit); }

// ---- world lifecycle -------------------------------------------------------

Status Sim::Install(std::unique_ptr<World> world, bool in_process) {
    std::lock_guard lock(mutex_);
    world_ = std::move(world);
    in_process_ = in_process;
    ++generation_;
    ddc_list_.clear();
    hid_list_.clear();
    hid_found_ = false;
    log_.Clear();
    log_.ResetCounters();
    faults_.Clear();
    state_file_.reset();
    timing_ = Timing{};
    if (world_->timing_given) {
        timing_.enabled = world_->timing.enabled;
        timing_.ddcci_reply = std::chrono::microseconds(world_->timing.ddcci_reply_us);
        timing_.ddcci_post_write = std::chrono::microseconds(world_->timing.ddcci_post_write_us);
        timing_.hid_reply = std::chrono::microseconds(world_->timing.hid_reply_us);
    }
    EnvFlag("DVC_SIM_TIMING", timing_.enabled);
    const char* state = std::getenv("DVC_SIM_STATE");
    std::string lock_base;
    if (state != nullptr && *state != '\0') {
        state_file_ = std::make_unique<StateFile>(state);
        lock_base = std::string(state) + ".lock.";
        state_file_->Begin(*world_);
        state_file_->End(*world_);
    }
    uint32_t index = 0;
    for (auto& m : world_->monitors) {
        ++index;
        if (m->has_hid) m->hid_handle = ((generation_ & 0xFFFFF) << 12) | index;
        m->device_lock = std::make_shared<DeviceLock>(lock_base.empty() ? std::string{} : lock_base + m->serial);
    }
    return Status{};
}

void Sim::Deactivate() {
    std::lock_guard lock(mutex_);
    world_.reset();
    state_file_.reset();
    in_process_ = false;
    env_tried_.clear();
    ddc_list_.clear();
    hid_list_.clear();
    hid_found_ = false;
    ++generation_;
}

void Sim::LoadEnvWorld() {
    const char* env = std::getenv("DVC_SIM");
    {
        std::lock_guard lock(mutex_);
        if (world_ || env == nullptr || *env == '\0' || env_tried_ == env) return;
        env_tried_ = env;
    }
    try {
        Install(LoadWorld(env), false);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "dvcsim: DVC_SIM=%s: %s\n", env, e.what());
    }
}

bool Sim::Active() {
    LoadEnvWorld();
    std::lock_guard lock(mutex_);
    return world_ != nullptr;
}

std::vector<MonitorInfo> Sim::Monitors() {
    LoadEnvWorld();
    std::lock_guard lock(mutex_);
    std::vector<MonitorInfo> out;
    if (!world_) return out;
    for (const auto& m : world_->monitors)
        out.push_back(MonitorInfo{m->serial, m->model, m->profile, m->has_ddcci, m->ddcci_types, m->has_hid, m->hid_handle});
    return out;
}

std::vector<uint32_t> Sim::FeatureCodes(std::string_view serial, Link link) {
    LoadEnvWorld();
    std::lock_guard lock(mutex_);
    std::vector<uint32_t> out;
    VirtualMonitor* m = world_ ? world_->BySerial(serial) : nullptr;
    if (m == nullptr || !(link == Link::DDCCI ? m->has_ddcci : m->has_hid)) return out;
    for (const auto& [code, entry] : m->ItemsOn(link).by_code) out.push_back(code);
    return out;
}

// ---- the transaction path --------------------------------------------------

VirtualMonitor* Sim::Resolve(Link link, uint32_t target) {
    if (!world_) return nullptr;
    if (link == Link::DDCCI) return target < ddc_list_.size() ? ddc_list_[target] : nullptr;
    if (!hid_found_ || target == 0) return nullptr;
    for (VirtualMonitor* m : hid_list_)
        if (m->hid_handle == target) return m;
    return nullptr;
}

void Sim::Log(Transaction t, std::chrono::nanoseconds link_time, bool fault) { log_.Add(std::move(t), link_time, fault); }

int32_t Sim::Transact(Call& c) {
    std::unique_lock lock(mutex_);
    VirtualMonitor* m = Resolve(c.link, c.target);
    Transaction t{c.link, c.target, c.op, c.code, c.value, {}, c.size, c.option, 0, m ? m->serial : std::string{}};
    if (m == nullptr) {
        const int32_t r = c.op == Op::IsSupported ? 0 : DvErrFailed;
        t.result = r;
        Log(std::move(t));
        return r;
    }
    const FaultRule* fault = faults_.Match(c.link, m->serial, c.op, c.code);
    std::chrono::milliseconds delay{0};
    if (fault != nullptr && fault->kind == FaultKind::Result) {
        t.result = fault->result;
        Log(std::move(t), {}, true);
        return fault->result;
    }
    if (fault != nullptr && fault->kind == FaultKind::Delay) delay = fault->delay;

    if (state_file_) state_file_->Begin(*world_);
    const ItemTable::Entry* e = m->ItemsOn(c.link).Find(c.code);
    Context ctx(c.link, m->IdentityOn(c.link), m->state, e ? e->variant : Variant::Shared);
    std::vector<uint8_t> buffer;
    int32_t r = DvErrNotSupported;
    switch (c.op) {
        case Op::IsSupported:
        case Op::GetFixedData:
            if (e != nullptr) r = e->item->FixedData(ctx, c.code, c.fixed);
            break;
        case Op::GetValue:
            if (e != nullptr) r = e->item->GetValue(ctx, c.code, c.value);
            break;
        case Op::SetValue:
            if (e != nullptr) r = e->item->SetValue(ctx, c.code, c.value, c.option);
            break;
        case Op::GetData:
            buffer.assign(c.size, 0);
            if (e != nullptr) r = e->item->GetData(ctx, c.code, buffer.data(), c.size);
            break;
        case Op::SetData:
        case Op::SetDataNoCheckResult:
            if (e != nullptr) r = e->item->SetData(ctx, c.code, c.in, c.size, c.option);
            break;
        default:
            r = DvErrFailed;
    }
    if (state_file_) state_file_->End(*world_);

    if (fault != nullptr && Usable(r)) {
        switch (fault->kind) {
            case FaultKind::ShortData:
                for (uint32_t i = fault->keep_bytes; i < buffer.size(); ++i) buffer[i] = 0;
                break;
            case FaultKind::GarbageData:
                faults_.Garbage(buffer.data(), static_cast<uint32_t>(buffer.size()));
                if (c.op == Op::GetValue) c.value = faults_.GarbageValue();
                break;
            case FaultKind::RefusedData:
                r = DvErrRefused;
                break;
            default:
                break;
        }
    }
    if (c.op == Op::IsSupported) r = (r >= 0 && c.fixed.flag != 0) ? 1 : 0;
    if (c.op == Op::GetData && Usable(r) && c.size != 0) std::memcpy(c.out, buffer.data(), c.size);

    t.value = c.value;
    t.result = r;
    if (c.op == Op::GetData && Usable(r)) t.data = std::move(buffer);
    if ((c.op == Op::SetData || c.op == Op::SetDataNoCheckResult) && c.size != 0) t.data.assign(c.in, c.in + c.size);
    if (c.op == Op::GetFixedData) t.value = c.fixed.length;

    std::chrono::microseconds link_time{0};
    if (c.link == Link::HID) link_time = timing_.hid_reply;
    else if (IsWrite(c.op)) link_time = timing_.ddcci_post_write;
    else if (c.op != Op::IsSupported) link_time = timing_.ddcci_reply;
    const bool sleep = timing_.enabled;
    Log(std::move(t), link_time, fault != nullptr);

    uint32_t handle = m->hid_handle;
    bool reporting = m->has_hid && m->reports_on;
    if (reporting && !ctx.PendingReports().empty()) SendReports(lock, handle, std::move(ctx.PendingReports()));
    if (lock.owns_lock()) lock.unlock();
    if (delay.count() > 0) std::this_thread::sleep_for(delay);
    if (sleep && link_time.count() > 0) std::this_thread::sleep_for(link_time);
    return r;
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

// ---- DDC/CI ------------------------------------------------------------------

int32_t Sim::DdcSetType(int32_t type) {
    std::lock_guard lock(mutex_);
    int32_t r = (type == 0 || type == 1) ? DvOk : DvErrInvalidParameter;
    if (r == DvOk) ddc_type_ = type;
    Log(Transaction{Link::DDCCI, 0, Op::SetCommunicationType, static_cast<uint32_t>(type), 0, {}, 0, 0, r, {}});
    return r;
}

int32_t Sim::DdcFind() {
    std::lock_guard lock(mutex_);
    ddc_list_.clear();
    if (world_) {
        for (const auto& m : world_->monitors)
            if (m->has_ddcci && std::find(m->ddcci_types.begin(), m->ddcci_types.end(), ddc_type_) != m->ddcci_types.end())
                ddc_list_.push_back(m.get());
    }
    auto n = static_cast<int32_t>(ddc_list_.size());
    Log(Transaction{Link::DDCCI, 0, Op::Find, static_cast<uint32_t>(ddc_type_), static_cast<uint32_t>(n), {}, 0, 0, n, {}});
    return n;
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
    Call c{Link::DDCCI, Op::GetValue, index, code};
    int32_t r = Transact(c);
    if (Usable(r) && value) *value = c.value;
    return r;
}

int32_t Sim::DdcSetValue(uint32_t index, uint32_t code, const uint32_t* value) {
    if (value == nullptr) return DvErrInvalidParameter;
    Call c{Link::DDCCI, Op::SetValue, index, code, *value};
    return Transact(c);
}

int32_t Sim::DdcGetData(uint32_t index, uint32_t code, void* buffer, uint32_t size) {
    if ((buffer == nullptr && size != 0)) return DvErrInvalidParameter;
    if (size > kMaxTransfer) return DvErrSizeMismatch;
    Call c{Link::DDCCI, Op::GetData, index, code};
    c.out = static_cast<uint8_t*>(buffer);
    c.size = size;
    return Transact(c);
}

int32_t Sim::DdcSetData(uint32_t index, uint32_t code, const void* buffer, uint32_t size) {
    if (buffer == nullptr && size != 0) return DvErrInvalidParameter;
    if (size > kMaxTransfer) return DvErrSizeMismatch;
    Call c{Link::DDCCI, Op::SetData, index, code};
    c.in = static_cast<const uint8_t*>(buffer);
    c.size = size;
    return Transact(c);
}

int32_t Sim::DdcRelease() {
    std::lock_guard lock(mutex_);
    ddc_list_.clear();
    Log(Transaction{Link::DDCCI, 0, Op::Release, 0, 0, {}, 0, 0, 0, {}});
    return DvOk;
}

// ---- HID ---------------------------------------------------------------------

int32_t Sim::HidFind() {
    std::lock_guard lock(mutex_);
    hid_list_.clear();
    if (world_)
        for (const auto& m : world_->monitors)
            if (m->has_hid) hid_list_.push_back(m.get());
    hid_found_ = true;
    auto n = static_cast<int32_t>(hid_list_.size());
    Log(Transaction{Link::HID, 0, Op::Find, 0, static_cast<uint32_t>(n), {}, 0, 0, n, {}});
    return n;
}

int32_t Sim::HidRetrieve(uint32_t index, uint32_t* handle) {
    std::lock_guard lock(mutex_);
    int32_t r = DvOk;
    uint32_t h = 0;
    if (!hid_found_ || index >= hid_list_.size()) r = DvErrInvalidParameter;
    else if (handle == nullptr) r = DvErrInvalidParameter;
    else *handle = h = hid_list_[index]->hid_handle;
    Log(Transaction{Link::HID, h, Op::Retrieve, index, h, {}, 0, 0, r,
                    r == 0 ? hid_list_[index]->serial : std::string{}});
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
    Call c{Link::HID, Op::GetValue, handle, code};
    int32_t r = Transact(c);
    if (Usable(r) && value) *value = c.value;
    return r;
}

int32_t Sim::HidSetValue(uint32_t handle, uint32_t code, uint32_t value, uint32_t option) {
    Call c{Link::HID, Op::SetValue, handle, code, value};
    c.option = option;
    return Transact(c);
}

int32_t Sim::HidGetData(uint32_t handle, uint32_t code, void* buffer, uint32_t size) {
    if (buffer == nullptr && size != 0) return DvErrInvalidParameter;
    if (size > kMaxTransfer) return DvErrSizeMismatch;
    Call c{Link::HID, Op::GetData, handle, code};
    c.out = static_cast<uint8_t*>(buffer);
    c.size = size;
    return Transact(c);
}

int32_t Sim::HidSetData(uint32_t handle, uint32_t code, const void* buffer, uint32_t size, uint32_t option, Op op) {
    if (buffer == nullptr && size != 0) return DvErrInvalidParameter;
    if (size > kMaxTransfer) return DvErrSizeMismatch;
    Call c{Link::HID, op, handle, code};
    c.in = static_cast<const uint8_t*>(buffer);
    c.size = size;
    c.option = option;
    int32_t r = Transact(c);
    // The unchecked form does not wait for the device's answer.
    return op == Op::SetDataNoCheckResult && r != DvErrFailed ? DvOk : r;
}

int32_t Sim::HidReport(uint32_t handle, bool on) {
    std::lock_guard lock(mutex_);
    VirtualMonitor* m = Resolve(Link::HID, handle);
    int32_t r = m ? DvOk : DvErrFailed;
    if (m) m->reports_on = on;
    Log(Transaction{Link::HID, handle, on ? Op::ReportON : Op::ReportOFF, 0, 0, {}, 0, 0, r, m ? m->serial : ""});
    return r;
}

void Sim::SetReportSink(DvSimReportSink sink, void* context) {
    std::lock_guard lock(mutex_);
    sink_ = sink;
    sink_context_ = context;
}

int32_t Sim::HidSupportsLock(uint32_t handle) {
    std::lock_guard lock(mutex_);
    VirtualMonitor* m = Resolve(Link::HID, handle);
    int32_t r = (m != nullptr && m->device_lock_supported) ? 1 : 0;
    Log(Transaction{Link::HID, handle, Op::SupportsCriticalSection, 0, 0, {}, 0, 0, r, m ? m->serial : ""});
    return r;
}

int32_t Sim::HidLock(uint32_t handle, bool enter) {
    const Op op = enter ? Op::EnterCriticalSection : Op::ExitCriticalSection;
    std::shared_ptr<DeviceLock> device;
    std::string serial;
    {
        std::lock_guard lock(mutex_);
        VirtualMonitor* m = Resolve(Link::HID, handle);
        int32_t r = m == nullptr ? DvErrFailed : (!m->device_lock_supported ? DvErrNotSupported : 0);
        if (r != 0) {
            Log(Transaction{Link::HID, handle, op, 0, 0, {}, 0, 0, r, m ? m->serial : ""});
            return r;
        }
        device = m->device_lock;
        serial = m->serial;
    }
    // Waiting for the device must not hold up every other transaction.
    int32_t r = enter ? device->Enter(kDeviceLockWait) : device->Exit();
    std::lock_guard lock(mutex_);
    Log(Transaction{Link::HID, handle, op, 0, 0, {}, 0, 0, r, serial});
    return r;
}

int32_t Sim::HidRelease() {
    std::lock_guard lock(mutex_);
    for (VirtualMonitor* m : hid_list_) m->reports_on = false;
    hid_list_.clear();
    hid_found_ = false;
    Log(Transaction{Link::HID, 0, Op::Release, 0, 0, {}, 0, 0, 0, {}});
    return DvOk;
}

// ---- instrumentation -----------------------------------------------------------

std::vector<Transaction> Sim::Transactions() {
    std::lock_guard lock(mutex_);
    return log_.Snapshot();
}
void Sim::ClearTransactions() {
    std::lock_guard lock(mutex_);
    log_.Clear();
}
void Sim::SetLogCapacity(std::size_t n) {
    std::lock_guard lock(mutex_);
    log_.SetCapacity(n);
}
LinkCounters Sim::Counters(Link l) {
    std::lock_guard lock(mutex_);
    return log_.Counters(l);
}
void Sim::ResetCounters() {
    std::lock_guard lock(mutex_);
    log_.ResetCounters();
}
uint32_t Sim::AddFault(const FaultRule& rule) {
    std::lock_guard lock(mutex_);
    return faults_.Add(rule);
}
void Sim::RemoveFault(uint32_t id) {
    std::lock_guard lock(mutex_);
    faults_.Remove(id);
}
void Sim::ClearFaults() {
    std::lock_guard lock(mutex_);
    faults_.Clear();
}
void Sim::SeedFaults(uint64_t seed) {
    std::lock_guard lock(mutex_);
    faults_.Seed(seed);
}
uint32_t Sim::FaultHits(uint32_t id) {
    std::lock_guard lock(mutex_);
    return faults_.Hits(id);
}
Timing Sim::GetTiming() {
    std::lock_guard lock(mutex_);
    return timing_;
}
void Sim::SetTiming(const Timing& t) {
    std::lock_guard lock(mutex_);
    timing_ = t;
}

std::string Sim::Summary() {
    std::lock_guard lock(mutex_);
    std::string s = "dvcsim summary";
    s += world_ ? " (world " + world_->origin + ")\n" : " (no world)\n";
    for (Link l : {Link::DDCCI, Link::HID}) {
        LinkCounters c = log_.Counters(l);
        char line[256];
        std::snprintf(line, sizeof line,
                      "  %-6s calls %llu  reads %llu  writes %llu  failures %llu  refusals %llu  bytes in %llu out %llu"
                      "  faults %llu  link time %.3f ms\n",
                      std::string(LinkName(l)).c_str(), static_cast<unsigned long long>(c.calls),
                      static_cast<unsigned long long>(c.reads), static_cast<unsigned long long>(c.writes),
                      static_cast<unsigned long long>(c.failures), static_cast<unsigned long long>(c.refusals),
                      static_cast<unsigned long long>(c.bytes_read), static_cast<unsigned long long>(c.bytes_written),
                      static_cast<unsigned long long>(c.faults_injected), c.link_time.count() / 1e6);
        s += line;
    }
    return s;
}

std::optional<Cell> Sim::GetCell(std::string_view serial, uint32_t code, uint32_t slot) {
    LoadEnvWorld();
    std::lock_guard lock(mutex_);
    VirtualMonitor* m = world_ ? world_->BySerial(serial) : nullptr;
    if (m == nullptr) return std::nullopt;
    if (state_file_) {
        state_file_->Begin(*world_);
        state_file_->End(*world_);
    }
    for (Variant v : {Variant::Shared, Variant::DDCCI, Variant::HID})
        if (const Cell* c = m->state.Get(StateKey{code, slot, v})) return *c;
    return std::nullopt;
}

bool Sim::PutCell(std::string_view serial, uint32_t code, uint32_t slot, const std::optional<uint32_t>& value,
                  const std::optional<std::vector<uint8_t>>& data) {
    LoadEnvWorld();
    std::lock_guard lock(mutex_);
    VirtualMonitor* m = world_ ? world_->BySerial(serial) : nullptr;
    if (m == nullptr) return false;
    if (state_file_) state_file_->Begin(*world_);
    // Write every variant the profile made, so both links see the change.
    std::vector<StateKey> keys;
    for (Variant v : {Variant::Shared, Variant::DDCCI, Variant::HID})
        if (m->state.Get(StateKey{code, slot, v}) != nullptr) keys.push_back(StateKey{code, slot, v});
    if (keys.empty()) keys.push_back(StateKey{code, slot, Variant::Shared});
    for (const StateKey& key : keys) {
        if (value) m->state.SetValue(key, *value);
        if (data) m->state.SetData(key, *data);
    }
    if (state_file_) state_file_->End(*world_);
    return true;
}

void Sim::ResetState() {
    std::lock_guard lock(mutex_);
    if (!world_) return;
    if (state_file_) state_file_->Begin(*world_);
    for (auto& m : world_->monitors) {
        m->state.Reset();
        m->state.dirty = true;
    }
    if (state_file_) state_file_->End(*world_);
}

bool Sim::Inject(std::string_view serial, uint32_t code, const std::vector<uint8_t>& data) {
    std::unique_lock lock(mutex_);
    VirtualMonitor* m = world_ ? world_->BySerial(serial) : nullptr;
    if (m == nullptr || !m->has_hid || !m->reports_on || sink_ == nullptr) return false;
    SendReports(lock, m->hid_handle, {Context::Report{code, data}});
    return true;
}

uint64_t Sim::ReportsSent() {
    std::lock_guard lock(mutex_);
    return reports_sent_;
}

}  // namespace dvc::sim
