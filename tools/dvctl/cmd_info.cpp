// dvctl info MONITOR: what the library knows of the monitor's model.
#include <fmt/core.h>

#include <memory>
#include <nlohmann/json.hpp>

#include "command.hpp"
#include "model_facts.hpp"
#include "session.hpp"

namespace dvc::cli {

namespace {

struct InfoOptions {
    std::string monitor;
    bool json = false;
};

void RunInfo(const GlobalOptions& global, const InfoOptions& options) {
    Session session(global, false);
    const Monitor& monitor = session.Find(options.monitor);
    const ModelFacts facts = GatherModelFacts(monitor);
    if (options.json) fmt::print("{}\n", ToJson(monitor, facts).dump(2));
    else fmt::print("{}", ToText(monitor, facts));
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
