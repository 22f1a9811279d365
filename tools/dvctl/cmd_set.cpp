// dvctl set MONITOR FEATURE VALUE...: changes a feature; without a
// feature, lists the features that can be set.
#include <fmt/core.h>

#include <memory>

#include "command.hpp"
#include "command_parts.hpp"
#include "feature_listing.hpp"
#include "monitor_words.hpp"
#include "session.hpp"

namespace dvc::cli {

namespace {

struct SetOptions {
    std::string monitor;
    std::string feature;
    std::vector<std::string> values;
    SelectionOptions selection;
    bool json = false;
};

void RunSet(const GlobalOptions& global, const SetOptions& options) {
    Session session(global, false);
    const Monitor& monitor = session.Find(options.monitor);
    if (options.feature.empty()) {
        PrintFeatures(CanSet, options.json);
        return;
    }
    const Feature& feature = Resolve(options.feature);
    Selection selection = options.selection.Given();
    const auto values = TakeChannelWord(feature, SelectorOf(feature.set), options.values,
                                        static_cast<std::size_t>(ValueCount(feature.set)), selection);
    Reading reading = WriteFeature(feature, monitor, selection, MonitorWords(feature, monitor, values));
    reading.text = fmt::format("{} set to {}", feature.name, reading.text);
    PrintReading(monitor, feature, selection, reading, options.json);
}

}  // namespace

void AddSetCommand(CLI::App& app, const GlobalOptions& global) {
    auto options = std::make_shared<SetOptions>();
    auto* cmd = app.add_subcommand("set", "change a feature of a monitor; without a feature, list the settable ones");
    cmd->add_option("monitor", options->monitor, "index, serial number or model name")->required();
    cmd->add_option("feature", options->feature, "the feature's name, e.g. osd-language");
    cmd->add_option("value", options->values,
                    "the value: a number (0x.. hex, on/off), hex bytes, x y numbers; r, g or b before a channel's");
    options->selection.AddTo(*cmd);
    cmd->add_flag("--json", options->json, "print JSON");
    cmd->callback([&global, options] { RunSet(global, *options); });
}

}  // namespace dvc::cli
