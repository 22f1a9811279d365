// Reading all monitors ahead at once gives the registry of one at a time.
#include <cstdlib>
#include <vector>

#include "registry/registry_world.hpp"

using namespace dvc::test;
using dvc::sim::FaultKind;
using dvc::sim::Link;
using dvc::sim::Op;

TEST_F(RegistryWorld, ParallelDiscoveryGivesTheRegistryOfOneMonitorAtATime) {
    const auto rule = [](Link link, const char* serial, Op op, FaultKind kind, uint32_t code, uint32_t skip = 0) {
        return dvc::sim::FaultRule{
            link, serial, op, code, skip, skip == 0 ? 0u : 1u, 1.0, kind, DvErrFailed, link == Link::HID ? 10u : 4u,
            {}};
    };
    const std::vector<dvc::sim::FaultRule> faults{
        rule(Link::DDCCI, kOffice.serial, Op::GetData, FaultKind::Result, 0x11),
        rule(Link::HID, kDual.serial, Op::GetFixedData, FaultKind::RefusedData, 0x11),
        rule(Link::HID, kMedical.serial, Op::GetData, FaultKind::ShortData, 0x11),
        rule(Link::DDCCI, kGrading.serial, Op::GetFixedData, FaultKind::Result, 0x11, 1),
        rule(Link::DDCCI, kDual.serial, Op::GetData, FaultKind::ShortData, 0x50),
        rule(Link::DDCCI, kMedical.serial, Op::GetFixedData, FaultKind::Result, 0xFF0000F1)};
    const auto registry = [&](bool ahead, const char* world, const std::vector<int>& kinds, bool faulty) {
        ahead ? unsetenv("DVC_LINK_CACHE") : setenv("DVC_LINK_CACHE", "off", 1);
        Activate(world);
        for (const auto& f : faulty ? faults : std::vector<dvc::sim::FaultRule>{}) dvc::sim::AddFault(f);
        DvCtrlFind(kinds.data(), static_cast<int>(kinds.size()));
        std::string out;
        for (int i = 0; i < DvCtrlGetNumMonitors(); ++i) {
            char serial[9] = {}, model[17] = {};
            DvCtrlGetSerialProduct(i, serial, model);
            out += std::string(serial) + "/" + model + " " + std::to_string(FirstKind({serial, model})) + " " +
                   Paths({serial, model}) + " " + std::to_string(DvCtrlGetModeCount(serial, model)) + "\n";
        }
        DvCtrlRelease();
        unsetenv("DVC_LINK_CACHE");
        return out;
    };
    for (const char* world : {"default", "empty", "office", "single", "timed"})
        for (const auto& kinds : std::vector<std::vector<int>>{{}, {2, 1, 0}, {1}, {2}})
            for (const bool faulty : {false, true}) {
                SCOPED_TRACE(std::string(world) + (faulty ? " with faults, " : ", ") + std::to_string(kinds.size()));
                EXPECT_EQ(registry(true, world, kinds, faulty), registry(false, world, kinds, faulty));
            }
}
