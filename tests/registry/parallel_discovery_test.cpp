// Reading all monitors ahead at once gives the registry of one at a time.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

#include "registry/registry_world.hpp"

using namespace dvc::test;
using dvc::sim::FaultKind;
using dvc::sim::Link;
using dvc::sim::Op;

namespace {

// One line per monitor: its pair (in lower case), first kind, paths and mode count.
struct RegistryLines : RegistryWorld {
    static std::vector<std::string> Lines() {
        std::vector<std::string> out;
        for (int i = 0; i < DvCtrlGetNumMonitors(); ++i) {
            char serial[9] = {}, model[17] = {};
            DvCtrlGetSerialProduct(i, serial, model);
            std::string pair = std::string(serial) + "/" + model;
            for (char& c : pair) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            out.push_back(pair + " " + std::to_string(FirstKind({serial, model})) + " " + Paths({serial, model}) + " " +
                          std::to_string(DvCtrlGetModeCount(serial, model)));
        }
        return out;
    }
};

// The lines of the monitors that `name` (in lower case) means.
std::vector<std::string> Naming(const std::vector<std::string>& lines, const std::string& name) {
    std::vector<std::string> out;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(out), [&](const std::string& l) {
        return l.starts_with(name + "/") || l.find("/" + name + " ") != std::string::npos;
    });
    return out;
}

}  // namespace

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
        const auto out = RegistryLines::Lines();
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

// A discovery narrowed to one name shows the monitors that the name means
// exactly as the whole discovery does, and (when every link identifies
// itself) no other; a link that does not leaves its transport's list whole.
TEST_F(RegistryWorld, ANarrowedDiscoveryShowsTheNamedMonitorsAsTheWholeOneDoes) {
    const auto lines = [&](const char* world, const std::string& only, bool faulty) {
        Activate(world);
        if (faulty)
            dvc::sim::AddFault({.link = Link::DDCCI, .serial = kOffice.serial, .op = Op::GetData, .code = 0x11});
        if (!only.empty()) setenv("DVC_LINK_ONLY", only.c_str(), 1);
        DvCtrlFind(nullptr, 0);
        unsetenv("DVC_LINK_ONLY");
        auto out = RegistryLines::Lines();
        DvCtrlRelease();
        return out;
    };
    for (const char* world : {"default", "grading"})
        for (const bool faulty : {false, true}) {
            const auto whole = lines(world, "", faulty);
            std::vector<std::string> names{"nobody"};
            for (const auto& l : whole) names.insert(names.end(), {l.substr(0, 8), l.substr(9, l.find(' ') - 9)});
            for (const auto& name : names) {
                SCOPED_TRACE(std::string(world) + " " + name + (faulty ? " with a fault" : ""));
                const auto narrowed = lines(world, name, faulty);
                EXPECT_EQ(Naming(narrowed, name), Naming(whole, name));
                EXPECT_TRUE(faulty || narrowed == Naming(whole, name)) << "no other monitor";
            }
        }
}
