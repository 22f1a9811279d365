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

namespace dvc::cli {

namespace {

struct GetOptions {
    std::string monitor;
    std::string feature;
    std::vector<std::string> words;
    SelectionOptions selection;
    bool range = false;
    bool json = false;
};

void RunGet(const GlobalOptions& global, const GetOptions& options) {
    Session session(global, false);
    const Monitor& monitor = session.Find(options.monitor);
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
    cmd->add_flag("--json", options->json, "print JSON");
    cmd->callback([&global, options] { RunGet(global, *options); });
}

}  // namespace dvc::cli
