// dvctl get MONITOR [FEATURE]: reads a feature (or its range), or lists
// the features that can be read.
#include <fmt/core.h>

#include <memory>

#include "command.hpp"
#include "command_parts.hpp"
#include "failure.hpp"
#include "feature_access.hpp"
#include "feature_listing.hpp"
#include "session.hpp"
#include "settings_file.hpp"

namespace dvc::cli {

namespace {

struct GetOptions {
    std::string monitor;
    std::string feature;
    std::vector<std::string> words;
    SelectionOptions selection;
    bool range = false;
    bool all = false;
    bool json = false;
};

// Every value the monitor has, one "name: value" line each (a failed read
// names its DvError), or one JSON object.
void PrintAll(const Monitor& monitor, bool json) {
    const auto values = ReadValues(monitor);
    if (!json) {
        for (const auto& v : values)
            fmt::print("{}: {}\n", Label(*v.feature, v.channel),
                       v.error.empty() ? v.reading.text : "(" + v.error + ")");
        return;
    }
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const auto& v : values) {
        nlohmann::ordered_json entry{{"feature", v.feature->name}};
        if (v.channel) entry["channel"] = *v.channel;
        if (!v.error.empty()) entry["error"] = v.error;
        for (const auto& [key, value] : v.reading.fields.items()) entry[key] = value;
        list.push_back(std::move(entry));
    }
    fmt::print("{}\n",
               nlohmann::ordered_json{{"serial", monitor.serial}, {"model", monitor.model}, {"values", list}}.dump(2));
}

void RunGet(const GlobalOptions& global, const GetOptions& options) {
    Session session(global, false);
    const Monitor& monitor = session.Find(options.monitor);
    if (options.all) {
        if (!options.feature.empty()) throw UsageError("get --all reads every feature; name none");
        PrintAll(monitor, options.json);
        return;
    }
    if (options.feature.empty()) {
        PrintFeatures(CanRead, options.json);
        return;
    }
    const Feature& feature = Resolve(options.feature);
    Selection selection = options.selection.Given();
    const auto left = TakeChannelWord(feature, SelectorOf(feature.get), options.words, 0, selection);
    if (!left.empty()) throw UsageError(fmt::format("{} takes no \"{}\" when read", feature.name, left.front()));
    const Reading reading = ReadFeature(feature, monitor, selection, options.range);
    PrintReading(monitor, feature, selection, reading, options.json);
}

}  // namespace

void AddGetCommand(CLI::App& app, const GlobalOptions& global) {
    auto options = std::make_shared<GetOptions>();
    auto* cmd = app.add_subcommand("get", "read a feature of a monitor; without a feature, list the readable ones");
    cmd->add_option("monitor", options->monitor, "index, serial number or model name")->required();
    cmd->add_option("feature", options->feature, "the feature's name, e.g. osd-language");
    cmd->add_option("channel", options->words, "r, g or b for a channel feature (as --channel)");
    options->selection.AddTo(*cmd);
    cmd->add_flag("--range", options->range, "read the feature's range (min and max)");
    cmd->add_flag("--all", options->all, "read every value the monitor supports");
    cmd->add_flag("--json", options->json, "print JSON");
    cmd->callback([&global, options] { RunGet(global, *options); });
}

}  // namespace dvc::cli
