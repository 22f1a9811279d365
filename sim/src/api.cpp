// The C++ API of libdvcsim (dvcsim/*.hpp) over the process-wide simulator.
#include <nlohmann/json.hpp>

#include "config_error.hpp"
#include "data_paths.hpp"
#include "dvcsim/dvcsim.hpp"
#include "loader.hpp"
#include "sim.hpp"

namespace dvc::sim {
namespace {

template <typename Load>
Status Activate(Load&& load) {
    std::unique_ptr<World> world;
    try {
        world = load();
    } catch (const std::exception& e) {
        return Status{false, e.what()};
    }
    return Sim::Get().Install(std::move(world), true);
}

}  // namespace

Status ActivateWorld(const std::string& name_or_path) {
    return Activate([&] { return LoadWorld(name_or_path); });
}

Status ActivateWorldJson(const std::string& json_text, const std::string& origin) {
    return Activate([&] { return LoadWorldText(json_text, origin, {}); });
}

void DeactivateWorld() { Sim::Get().Deactivate(); }
bool WorldActive() { return Sim::Get().Active(); }
std::string Problem() { return Sim::Get().Problem(); }
std::vector<std::string> BuiltinWorlds() { return ListDataFiles("worlds"); }
std::vector<std::string> BuiltinProfiles() { return ListDataFiles("profiles"); }
std::vector<MonitorInfo> Monitors() { return Sim::Get().Monitors(); }
std::vector<uint32_t> FeatureCodes(std::string_view serial, Link link) { return Sim::Get().FeatureCodes(serial, link); }

std::vector<Transaction> Transactions() { return Sim::Get().Transactions(); }
void ClearTransactions() { Sim::Get().ClearTransactions(); }
void SetLogCapacity(std::size_t records) { Sim::Get().SetLogCapacity(records); }
LinkCounters Counters(Link link) { return Sim::Get().Counters(link); }
void ResetCounters() { Sim::Get().ResetCounters(); }
std::string Summary() { return Sim::Get().Summary(); }

uint32_t AddFault(const FaultRule& rule) { return Sim::Get().AddFault(rule); }
void RemoveFault(uint32_t id) { Sim::Get().RemoveFault(id); }
void ClearFaults() { Sim::Get().ClearFaults(); }
void SeedFaults(uint64_t seed) { Sim::Get().SeedFaults(seed); }
uint32_t FaultHits(uint32_t id) { return Sim::Get().FaultHits(id); }

std::optional<uint32_t> GetStateValue(std::string_view serial, uint32_t code, uint32_t slot) {
    auto c = Sim::Get().GetCell(serial, code, slot);
    return c ? std::optional<uint32_t>(c->value) : std::nullopt;
}
bool SetStateValue(std::string_view serial, uint32_t code, uint32_t value, uint32_t slot) {
    return Sim::Get().PutCell(serial, code, slot, value, std::nullopt);
}
std::optional<std::vector<uint8_t>> GetStateData(std::string_view serial, uint32_t code, uint32_t slot) {
    auto c = Sim::Get().GetCell(serial, code, slot);
    return c ? std::optional<std::vector<uint8_t>>(c->data) : std::nullopt;
}
bool SetStateData(std::string_view serial, uint32_t code, const std::vector<uint8_t>& data, uint32_t slot) {
    return Sim::Get().PutCell(serial, code, slot, std::nullopt, data);
}
void ResetState() { Sim::Get().ResetState(); }

bool InjectReport(std::string_view serial, uint32_t code, const std::vector<uint8_t>& data) {
    return Sim::Get().Inject(serial, code, data);
}
uint64_t ReportsSent() { return Sim::Get().ReportsSent(); }
bool PostReport(std::string_view serial, uint32_t code, const std::vector<uint8_t>& data) {
    return ReportMailbox::Post(serial, code, data);
}

Timing GetTiming() { return Sim::Get().GetTiming(); }
void SetTiming(const Timing& timing) { Sim::Get().SetTiming(timing); }

}  // namespace dvc::sim
