// The registry suites' view of a world of virtual monitors: what is registered and which paths reach a monitor.
#pragma once

#include <string>
#include <vector>

#include "support/sim_world.hpp"

namespace dvc::test {

using Serials = std::vector<std::string>;

class RegistryWorld : public SimWorld {
protected:
    // The serial numbers of the registry in index order.
    static Serials Registered() {
        Serials out;
        for (int i = 0; i < DvCtrlGetNumMonitors(); ++i) {
            char serial[9] = {}, model[17] = {};
            if (DvCtrlGetSerialProduct(i, serial, model) == DvOk) out.emplace_back(serial);
        }
        return out;
    }
    // The monitor's paths in order, "HID" or "DDC" each; empty when unknown.
    static std::string Paths(const WorldMonitor& m) {
        std::string out;
        uint32_t handle = 0;
        const VarnMonitor* monitor = Monitor(m);
        for (std::size_t i = 0; monitor != nullptr && i < monitor->Paths().size(); ++i)
            out += std::string(i ? " " : "") + (monitor->Paths()[i]->GetHandle(&handle) == DvOk ? "HID" : "DDC");
        return out;
    }
    // The kind the monitor was first found over; -1 when it is unknown.
    static int FirstKind(const WorldMonitor& m) {
        int kind = 99;
        DvCtrlGetCommunicationPath(m.serial, m.model, &kind);
        return kind;
    }
    static uint32_t HandleOf(const WorldMonitor& m) {
        for (const auto& info : dvc::sim::Monitors())
            if (info.serial == m.serial) return info.hid_handle;
        return 0;
    }
    // Every data read of `code` on `link` by this monitor fails (or as `kind` says).
    static dvc::sim::FaultRule FailingRead(dvc::sim::Link link, uint32_t code, const char* serial,
                                           dvc::sim::FaultKind kind = dvc::sim::FaultKind::Result) {
        return {.link = link, .serial = serial, .op = dvc::sim::Op::GetData, .code = code, .count = 0, .kind = kind};
    }
};

}  // namespace dvc::test
