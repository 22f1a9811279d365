// Discovery with the transports reading every monitor's identification at
// once gives the registry that one-at-a-time discovery gives: the same
// monitors in the same order, with the same paths and identification, on
// every built-in world, with any path kinds and under faults scripted per
// monitor.
#include <cstdlib>
#include <vector>

#include "registry/registry_world.hpp"

using namespace dvc::test;
using dvc::sim::FaultKind;
using dvc::sim::FaultRule;
using dvc::sim::Link;
using dvc::sim::Op;
using ParallelDiscovery = RegistryWorld;

namespace {

FaultRule Rule(Link link, const char* serial, Op op, FaultKind kind, uint32_t skip = 0, uint32_t code = 0x11) {
    FaultRule rule;
    rule.link = link, rule.serial = serial, rule.op = op, rule.code = code, rule.kind = kind;
    rule.skip = skip, rule.count = skip == 0 ? 0 : 1, rule.keep_bytes = link == Link::HID ? 10 : 4;
    return rule;
}

// A failing, a refused and two cut identifications (the HID one names
// another model), one that fails only the second time it is asked, a cut
// property-tag block on each link and a preset-mode table that cannot be
// sized.
const std::vector<FaultRule> kFaults{
    Rule(Link::DDCCI, kOffice.serial, Op::GetData, FaultKind::Result),
    Rule(Link::HID, kDual.serial, Op::GetFixedData, FaultKind::RefusedData),
    Rule(Link::HID, kMedical.serial, Op::GetData, FaultKind::ShortData),
    Rule(Link::DDCCI, kOffice2.serial, Op::GetData, FaultKind::ShortData),
    Rule(Link::DDCCI, kGrading.serial, Op::GetFixedData, FaultKind::Result, 1),
    Rule(Link::DDCCI, kDual.serial, Op::GetData, FaultKind::ShortData, 0, 0x50),
    Rule(Link::HID, kGrading.serial, Op::GetData, FaultKind::ShortData, 0, 0x50),
    Rule(Link::DDCCI, kMedical.serial, Op::GetFixedData, FaultKind::Result, 0, 0xFF0000F1),
};

}  // namespace

TEST_F(ParallelDiscovery, GivesTheRegistryOfOneMonitorAtATime) {
    // Each monitor in index order: its pair, first kind, paths and modes.
    const auto registry = [this](bool readAhead, const char* world, const std::vector<int>& kinds, bool faults) {
        if (readAhead) unsetenv("DVC_LINK_CACHE");
        else setenv("DVC_LINK_CACHE", "off", 1);
        Activate(world);
        for (const FaultRule& rule : faults ? kFaults : std::vector<FaultRule>{}) dvc::sim::AddFault(rule);
        DvCtrlFind(kinds.data(), static_cast<int>(kinds.size()));
        std::string out;
        for (int i = 0; i < DvCtrlGetNumMonitors(); ++i) {
            char serial[9] = {}, model[17] = {};
            DvCtrlGetSerialProduct(i, serial, model);
            const WorldMonitor m{serial, model};
            out += std::string(serial) + "/" + model + " " + std::to_string(FirstKind(m)) + " " + Paths(m) + " " +
                   std::to_string(DvCtrlGetModeCount(serial, model)) + "\n";
        }
        DvCtrlRelease();
        unsetenv("DVC_LINK_CACHE");
        return out;
    };
    const std::vector<std::vector<int>> kindLists{{}, {2, 1, 0}, {1}, {2}};
    for (const char* world : {"default", "empty", "office", "single", "timed"}) {
        for (const auto& kinds : kindLists) {
            for (const bool faults : {false, true}) {
                SCOPED_TRACE(std::string(world) + (faults ? " with faults" : "") + ", kinds " +
                             std::to_string(kinds.size()));
                const std::string serial = registry(false, world, kinds, faults);
                EXPECT_EQ(registry(true, world, kinds, faults), serial);
            }
        }
    }
}
