#include "sim.hpp"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "config_error.hpp"
#include "loader.hpp"

namespace dvc::sim {
namespace {

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
    if (mailbox_) {
        for (VirtualMonitor* m : hid_list_) mailbox_->Watch(m->serial, false);
    }
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
        std::lock_guard lock(mutex_);
        if (problem_.empty()) problem_ = std::string("world ") + env + " cannot be loaded: " + e.what();
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
        out.push_back(
            MonitorInfo{m->serial, m->model, m->profile, m->has_ddcci, m->ddcci_types, m->has_hid, m->hid_handle});
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

// ---- instrumentation ---------------------------------------------------------

std::vector<Transaction> Sim::Transactions() {
    return Locked([&] { return log_.Snapshot(); });
}
void Sim::ClearTransactions() {
    Locked([&] { log_.Clear(); });
}
void Sim::SetLogCapacity(std::size_t n) {
    Locked([&] { log_.SetCapacity(n); });
}
LinkCounters Sim::Counters(Link l) {
    return Locked([&] { return log_.Counters(l); });
}
void Sim::ResetCounters() {
    Locked([&] { log_.ResetCounters(); });
}
uint32_t Sim::AddFault(const FaultRule& rule) {
    return Locked([&] { return faults_.Add(rule); });
}
void Sim::RemoveFault(uint32_t id) {
    Locked([&] { faults_.Remove(id); });
}
void Sim::ClearFaults() {
    Locked([&] { faults_.Clear(); });
}
void Sim::SeedFaults(uint64_t seed) {
    Locked([&] { faults_.Seed(seed); });
}
uint32_t Sim::FaultHits(uint32_t id) {
    return Locked([&] { return faults_.Hits(id); });
}
Timing Sim::GetTiming() {
    return Locked([&] { return timing_; });
}
void Sim::SetTiming(const Timing& t) {
    Locked([&] { timing_ = t; });
}
std::string Sim::Problem() {
    std::lock_guard lock(mutex_);
    if (!problem_.empty()) return problem_;
    return state_file_ ? state_file_->error() : std::string{};
}
uint64_t Sim::ReportsSent() {
    return Locked([&] { return reports_sent_; });
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
    return state_file_ ? state_file_->End(*world_) : true;
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

}  // namespace dvc::sim
