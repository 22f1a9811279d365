#include "command_parts.hpp"

#include <fmt/core.h>

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

void PrintReading(const Monitor& monitor, const Feature& feature, const Selection& selection, const Reading& reading,
                  bool json) {
    if (!json) {
        fmt::print("{}\n", reading.text);
        return;
    }
    nlohmann::ordered_json out{{"serial", monitor.serial}, {"model", monitor.model}, {"feature", feature.name}};
    if (selection.channel) out["channel"] = *selection.channel;
    if (selection.index) out["index"] = *selection.index;
    for (const auto& [key, value] : reading.fields.items()) out[key] = value;
    fmt::print("{}\n", out.dump(2));
}

}  // namespace dvc::cli
