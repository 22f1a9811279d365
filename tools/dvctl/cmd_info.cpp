// dvctl info MONITOR: what the library knows of the monitor's model.
#include <fmt/core.h>

#include <memory>
#include <nlohmann/json.hpp>

#include "command.hpp"
#include "model_facts.hpp"
#include "real_displays.hpp"
#include "session.hpp"
#include "value_text.hpp"

namespace dvc::cli {

namespace {

struct InfoOptions {
    std::string monitor;
    bool json = false;
};

void RunInfo(const GlobalOptions& global, const InfoOptions& options) {
    Session session(global, false);
    const Monitor& monitor = session.Find(options.monitor, Scope::Listed);
    const ModelFacts facts = GatherModelFacts(monitor);
    // A real monitor's serial number may be longer than the identifier's
    // eight characters: the whole of it, and where the monitor is attached.
    ddc::ProbeResult buses;
    if (!UsingVirtualMonitors(global)) buses = LookAtDisplayBuses();
    const ddc::Display* display = DisplayOf(buses, monitor);
    if (options.json) {
        auto out = ToJson(monitor, facts);
        if (display != nullptr) {
            out["fullSerial"] = display->identity.fullSerial;
            out["bus"] = display->where.bus;
            out["connector"] = display->where.connector;
        }
        fmt::print("{}\n", out.dump(2));
        return;
    }
    fmt::print("{}", ToText(monitor, facts));
    if (display != nullptr)
        fmt::print("serial number: {}\nattached to: {}\n",
                   display->identity.fullSerial.empty() ? "(none reported)" : Printable(display->identity.fullSerial),
                   Where(*display));
}

}  // namespace

void AddInfoCommand(CLI::App& app, const GlobalOptions& global) {
    auto options = std::make_shared<InfoOptions>();
    auto* cmd = app.add_subcommand("info", "show the capabilities and tables of a monitor's model");
    cmd->add_option("monitor", options->monitor, "index, serial number or model name")->required();
    cmd->add_flag("--json", options->json, "print JSON");
    cmd->callback([&global, options] { RunInfo(global, *options); });
}

}  // namespace dvc::cli
