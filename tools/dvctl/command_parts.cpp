#include "command_parts.hpp"

#include <fmt/core.h>

#include <algorithm>

#include "failure.hpp"
#include "value_text.hpp"

namespace dvc::cli {

void SelectionOptions::AddTo(CLI::App& command) {
    channelOption =
        command.add_option("--channel", channel, "colour channel of a channel feature (0 red, 1 green, 2 blue)");
    indexOption = command.add_option("--index", index, "item of an item feature (a front key, an area, a segment)");
}

Selection SelectionOptions::Given() const {
    Selection s;
    if (channelOption != nullptr && channelOption->count() > 0) s.channel = channel;
    if (indexOption != nullptr && indexOption->count() > 0) s.index = index;
    return s;
}

std::vector<std::string> TakeChannelWord(const Feature& feature, Selector wanted, std::vector<std::string> words,
                                         std::size_t values, Selection& selection) {
    if (wanted != Selector::Channel || words.size() != values + 1) return words;
    static const std::vector<std::vector<std::string>> kNames{{"r", "red"}, {"g", "green"}, {"b", "blue"}};
    for (std::size_t channel = 0; channel < kNames.size(); ++channel) {
        const auto& names = kNames[channel];
        if (std::find(names.begin(), names.end(), words.front()) == names.end()) continue;
        if (selection.channel)
            throw UsageError(fmt::format("{} takes its channel once: {} or --channel N", feature.name, words.front()));
        selection.channel = static_cast<int>(channel);
        words.erase(words.begin());
        return words;
    }
    throw UsageError(fmt::format("\"{}\" is not a channel of {}: r, g or b", words.front(), feature.name));
}

void PrintReading(const Monitor& monitor, const Feature& feature, const Selection& selection, const Reading& reading,
                  bool json) {
    if (!json) {
        fmt::print("{}\n", reading.text);
        return;
    }
    nlohmann::ordered_json out{
        {"serial", Printable(monitor.serial)}, {"model", Printable(monitor.model)}, {"feature", feature.name}};
    if (selection.channel) out["channel"] = *selection.channel;
    if (selection.index) out["index"] = *selection.index;
    for (const auto& [key, value] : reading.fields.items()) out[key] = value;
    fmt::print("{}\n", out.dump(2));
}

}  // namespace dvc::cli
