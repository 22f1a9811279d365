// dvctl modes MONITOR: the colour modes, their names, whether each is
// skipped at the shown input, and which one is current.
#include <fmt/core.h>

#include <memory>
#include <nlohmann/json.hpp>

#include "command.hpp"
#include "failure.hpp"
#include "libdvc/libdvc.h"
#include "monitor_words.hpp"
#include "session.hpp"

namespace dvc::cli {

namespace {

struct ModesOptions {
    std::string monitor;
    bool json = false;
};

// The skip flags of every mode at the shown input; empty when the monitor
// does not say.
std::vector<int> SkippedAtShownInput(const Monitor& monitor, std::size_t modes) {
    const char* id1 = monitor.serial.c_str();
    const char* id2 = monitor.model.c_str();
    const auto ports = InputPorts(monitor);
    int index = 0;
    if (DvCtrlGetSignal(id1, id2, &index) != DvOk || static_cast<std::size_t>(index) >= ports.size()) return {};
    std::vector<int> skipped(modes, 0);
    if (modes == 0 || DvCtrlSupportedModeSkipAll(id1, id2) == 0 ||
        DvCtrlGetModeSkipAtPort(id1, id2, ports[static_cast<std::size_t>(index)], skipped.data(),
                                static_cast<int>(modes)) != DvOk)
        return {};
    return skipped;
}

void RunModes(const GlobalOptions& global, const ModesOptions& options) {
    Session session(global, false);
    const Monitor& monitor = session.Find(options.monitor);
    const auto modes = ColourModes(monitor);
    if (modes.empty()) throw Failure(DvErrNotSupported, fmt::format("{} has no colour modes", monitor.model), true);
    int current = -1;
    Check(DvCtrlGetMode(monitor.serial.c_str(), monitor.model.c_str(), &current), "reading the current mode");
    const auto skipped = SkippedAtShownInput(monitor, modes.size());
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const ModeEntry& m : modes) {
        const auto i = static_cast<std::size_t>(m.index);
        const nlohmann::ordered_json skip =
            skipped.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(skipped[i] != 0);
        if (options.json)
            list.push_back({{"index", m.index}, {"name", m.name}, {"skipped", skip}, {"current", m.index == current}});
        else if (!skipped.empty() && skipped[i] != 0)
            fmt::print("{} {:>2}  {:<16} skipped\n", m.index == current ? '*' : ' ', m.index, m.name);
        else fmt::print("{} {:>2}  {}\n", m.index == current ? '*' : ' ', m.index, m.name);
    }
    if (options.json) fmt::print("{}\n", list.dump(2));
}

}  // namespace

void AddModesCommand(CLI::App& app, const GlobalOptions& global) {
    auto options = std::make_shared<ModesOptions>();
    auto* cmd = app.add_subcommand("modes", "list a monitor's colour modes: index, name, skipped, current (*)");
    cmd->add_option("monitor", options->monitor, "index, serial number or model name")->required();
    cmd->add_flag("--json", options->json, "print JSON");
    cmd->callback([&global, options] { RunModes(global, *options); });
}

}  // namespace dvc::cli
