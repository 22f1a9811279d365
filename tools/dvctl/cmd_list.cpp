// dvctl list: every monitor with its identifier pair and the paths that
// reach it.
#include <fmt/core.h>
#include <fmt/format.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "command.hpp"
#include "failure.hpp"
#include "no_monitor_hint.hpp"
#include "real_displays.hpp"
#include "session.hpp"
#include "value_text.hpp"

namespace dvc::cli {

namespace {

struct ListOptions {
    bool json = false;
};

std::vector<std::string> PathNames(const Monitor& m) {
    std::vector<std::string> names;
    for (const int k : m.pathKinds) names.emplace_back(KindName(k));
    return names;
}

void RunList(const GlobalOptions& global, const ListOptions& options) {
    Session session(global, true);
    // Real monitors: the bus and connector of each, or why the buses could
    // not be opened (an empty list would hide it).
    ddc::ProbeResult buses;
    if (!UsingVirtualMonitors(global)) {
        buses = LookAtDisplayBuses();
        const std::string problem = AccessProblem(buses);
        if (!problem.empty() && session.Monitors().empty())
            throw Failure(DvErrFailed,
                          "cannot reach the monitors: " + problem + "; dvctl --sim uses virtual monitors instead",
                          true);
        if (!problem.empty()) fmt::print(stderr, "warning: some monitors may be missing: {}\n", problem);
    }
    if (session.Monitors().empty() && session.Real())
        throw Failure(DvErrFailed, "no monitors found: " + NoMonitorHint(), true);
    if (options.json) {
        nlohmann::ordered_json out = nlohmann::ordered_json::array();
        for (const auto& m : session.Monitors()) {
            nlohmann::ordered_json row{
                {"index", m.index},        {"serial", Printable(m.serial)},         {"model", Printable(m.model)},
                {"pathKind", m.firstKind}, {"pathKindName", KindName(m.firstKind)}, {"paths", PathNames(m)}};
            if (const ddc::Display* d = DisplayOf(buses, m)) {
                row["bus"] = d->where.bus;
                row["connector"] = d->where.connector;
                row["fullSerial"] = Printable(d->identity.fullSerial);
            }
            out.push_back(row);
        }
        fmt::print("{}\n", out.dump(2));
        return;
    }
    if (session.Monitors().empty()) {
        fmt::print("no monitors in this virtual world\n");
        return;
    }
    const bool real = !UsingVirtualMonitors(global);
    if (!real) {
        fmt::print("{:<5} {:<9} {:<16} {:<9} {}\n", "index", "serial", "model", "found", "paths");
        for (const auto& m : session.Monitors())
            fmt::print("{:<5} {:<9} {:<16} {:<9} {}\n", m.index, Printable(m.serial), Printable(m.model),
                       KindName(m.firstKind), fmt::join(PathNames(m), ", "));
        return;
    }
    fmt::print("{:<5} {:<9} {:<16} {:<9} {:<16} {}\n", "index", "serial", "model", "found", "paths", "bus");
    for (const auto& m : session.Monitors()) {
        const ddc::Display* d = DisplayOf(buses, m);
        fmt::print("{:<5} {:<9} {:<16} {:<9} {:<16} {}\n", m.index, Printable(m.serial), Printable(m.model),
                   KindName(m.firstKind), fmt::format("{}", fmt::join(PathNames(m), ", ")),
                   d != nullptr ? Where(*d) : "-");
    }
}

}  // namespace

void AddListCommand(CLI::App& app, const GlobalOptions& global) {
    auto options = std::make_shared<ListOptions>();
    auto* cmd = app.add_subcommand("list", "list the monitors and the paths that reach them");
    cmd->add_flag("--json", options->json, "print JSON");
    cmd->callback([&global, options] { RunList(global, *options); });
}

}  // namespace dvc::cli
