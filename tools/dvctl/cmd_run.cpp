// dvctl run MONITOR ACTION [ARGUMENTS]: runs an action of a monitor (an
// EDID write, a rollback, a reset); without an action, lists them.
#include <fmt/core.h>

#include <memory>

#include "command.hpp"
#include "command_parts.hpp"
#include "feature_listing.hpp"
#include "session.hpp"

namespace dvc::cli {

namespace {

struct RunOptions {
    std::string monitor;
    std::string action;
    std::vector<std::string> arguments;
    bool json = false;
};

void RunAction(const GlobalOptions& global, const RunOptions& options) {
    Session session(global, false);
    const Monitor& monitor = session.Find(options.monitor);
    if (options.action.empty()) {
        PrintFeatures(CanRun, options.json);
        return;
    }
    const Feature& feature = Resolve(options.action);
    Reading reading = RunFeature(feature, monitor, options.arguments);
    reading.text = fmt::format("{}: done", feature.name);
    PrintReading(monitor, feature, {}, reading, options.json);
}

}  // namespace

void AddRunCommand(CLI::App& app, const GlobalOptions& global) {
    auto options = std::make_shared<RunOptions>();
    auto* cmd = app.add_subcommand("run", "run an action of a monitor; without an action, list them");
    cmd->add_option("monitor", options->monitor, "index, serial number or model name")->required();
    cmd->add_option("action", options->action, "the action's name, e.g. edid-ddc-write");
    cmd->add_option("arguments", options->arguments, "whole numbers the action takes (reset KIND, ...)");
    cmd->add_flag("--json", options->json, "print JSON");
    cmd->callback([&global, options] { RunAction(global, *options); });
}

}  // namespace dvc::cli
