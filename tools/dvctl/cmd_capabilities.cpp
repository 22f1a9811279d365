// dvctl capabilities MONITOR: what a real monitor says it can do over
// DDC/CI (its capabilities string, parsed), and which of its controls the
// library reaches.
#include <fmt/core.h>
#include <fmt/format.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "command.hpp"
#include "ddc/linux_i2c_bus.hpp"
#include "ddc/vcp_map.hpp"
#include "libdvc/libdvc.h"
#include "real_displays.hpp"
#include "session.hpp"

namespace dvc::cli {

namespace {

struct CapabilitiesOptions {
    std::string monitor;
    bool json = false;
};

std::string Hex(const std::vector<uint8_t>& bytes) {
    std::vector<std::string> out;
    for (const uint8_t b : bytes) out.push_back(fmt::format("{:02x}", b));
    return fmt::format("{}", fmt::join(out, " "));
}

void RunCapabilities(const GlobalOptions& global, const CapabilitiesOptions& options) {
    Session session(global, false);
    const Monitor& monitor = session.Find(options.monitor);
    if (UsingVirtualMonitors(global))
        throw std::runtime_error(
            "virtual monitors have no capabilities string: it is read from a real monitor "
            "over DDC/CI");
    const ddc::ProbeResult buses = LookAtDisplayBuses();
    const ddc::Display* display = DisplayOf(buses, monitor);
    if (display == nullptr)
        throw std::runtime_error(
            fmt::format("monitor {} is not on any display bus of this machine (it is reached "
                        "over {} only)",
                        options.monitor, KindName(monitor.firstKind)));
    std::string text;
    const int32_t r = display->channel->Capabilities(&text);
    if (r < 0)
        throw std::runtime_error(fmt::format("monitor {} on {} did not give its capabilities ({})", options.monitor,
                                             Where(*display), DvErrorName(static_cast<DvError>(r))));
    const ddc::Capabilities caps = ddc::ParseCapabilities(text);
    if (options.json) {
        nlohmann::ordered_json vcp = nlohmann::ordered_json::array();
        for (const auto& [code, values] : caps.vcp) {
            nlohmann::ordered_json row{{"code", code}, {"values", values}};
            if (const auto library = ddc::LibraryCodeOf(code)) row["libraryCode"] = *library;
            vcp.push_back(row);
        }
        const nlohmann::ordered_json out{{"bus", display->where.bus},
                                         {"connector", display->where.connector},
                                         {"model", caps.model},
                                         {"type", caps.type},
                                         {"version", caps.version},
                                         {"commands", caps.commands},
                                         {"vcp", vcp},
                                         {"text", text}};
        fmt::print("{}\n", out.dump(2));
        return;
    }
    fmt::print("{} {} on {}\n", monitor.model, monitor.serial, Where(*display));
    fmt::print("model: {}  type: {}  version: {}\n", caps.model, caps.type, caps.version);
    fmt::print("commands: {}\n", Hex(caps.commands));
    fmt::print("{:<5} {:<24} {}\n", "vcp", "values", "library code");
    for (const auto& [code, values] : caps.vcp) {
        const auto library = ddc::LibraryCodeOf(code);
        fmt::print("{:02x}    {:<24} {}\n", code, Hex(values), library ? fmt::format("0x{:x}", *library) : "-");
    }
}

}  // namespace

void AddCapabilitiesCommand(CLI::App& app, const GlobalOptions& global) {
    auto options = std::make_shared<CapabilitiesOptions>();
    auto* cmd = app.add_subcommand("capabilities", "show what a real monitor announces over DDC/CI");
    cmd->add_option("monitor", options->monitor, "index, serial number or model name")->required();
    cmd->add_flag("--json", options->json, "print JSON");
    cmd->callback([&global, options] { RunCapabilities(global, *options); });
}

}  // namespace dvc::cli
