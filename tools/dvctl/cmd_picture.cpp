// dvctl picture MONITOR: every picture setting the monitor has, in one
// table (or one JSON object), with the range beside the settings that have
// one.
#include <fmt/format.h>

#include <algorithm>
#include <memory>
#include <nlohmann/json.hpp>

#include "command.hpp"
#include "failure.hpp"
#include "feature_access.hpp"
#include "session.hpp"

namespace dvc::cli {

namespace {

using Json = nlohmann::ordered_json;

// The picture settings in the order a colour person reads them; a monitor
// shows those it has.
constexpr const char* kSettings[] = {"brightness",
                                     "contrast",
                                     "gamma",
                                     "color-temperature",
                                     "gain",
                                     "black-level",
                                     "black-level-lift",
                                     "chromaticity",
                                     "six-colors",
                                     "sharpness-nc2",
                                     "contrast-enhancer",
                                     "bright-regulator",
                                     "bright-reg-operation",
                                     "2pt-bri-reg-basis-grad",
                                     "max-candela",
                                     "gamma-adjustment-state",
                                     "gamma-tc-status",
                                     "hlg-system-gamma",
                                     "hlg-system-gamma-clipping",
                                     "hlg-system-gamma-enable",
                                     "clipping",
                                     "limited109-setting",
                                     "range-extension",
                                     "range-extension-setting",
                                     "mixed-image-curve",
                                     "monochrome-conversion",
                                     "blue-only-enable",
                                     "uniformity-enable",
                                     "puc-bright-improve-setting",
                                     "puc-priority",
                                     "puc-tc-status",
                                     "color-disable",
                                     "enable-whole-window-color-setting",
                                     "luminance-type",
                                     "lumadapt",
                                     "system-chromaticity"};

struct Row {
    std::string name;
    Reading reading;
    std::string range;
};

// The setting's value (each channel's for a channel feature) and range; none
// when the monitor does not have it or cannot read it.
std::optional<Row> ReadSetting(const Feature& feature, const Monitor& monitor) {
    const char* id1 = monitor.serial.c_str();
    const char* id2 = monitor.model.c_str();
    if (!CanRead(feature) || (feature.supported.fn != nullptr && feature.supported.fn(id1, id2) == 0)) return {};
    Row row{feature.name, {}, {}};
    try {
        if (SelectorOf(feature.get) == Selector::Channel) {
            for (const auto& [channel, name] : {std::pair{0, "r"}, {1, "g"}, {2, "b"}}) {
                const Reading one = ReadFeature(feature, monitor, Selection{channel, {}}, false);
                row.reading.text += fmt::format("{}{} {}", channel == 0 ? "" : "  ", name, one.text);
                row.reading.fields[name] = one.fields["value"];
            }
        } else if (SelectorOf(feature.get) == Selector::None) {
            row.reading = ReadFeature(feature, monitor, Selection{}, false);
        } else {
            return {};
        }
    } catch (const Failure&) {
        return {};
    }
    if (!std::holds_alternative<std::monostate>(feature.range) &&
        !std::holds_alternative<std::monostate>(feature.get)) {
        try {
            const Reading range = ReadFeature(feature, monitor, Selection{}, true);
            row.range = fmt::format("{} to {}", range.fields["min"].dump(), range.fields["max"].dump());
            row.reading.fields["range"] = range.fields;
        } catch (const Failure&) {}
    }
    return row;
}

void RunPicture(const GlobalOptions& global, const std::string& name, bool json) {
    Session session(global, false);
    const Monitor& monitor = session.Find(name);
    std::vector<Row> rows;
    for (const char* setting : kSettings)
        if (const Feature* feature = FindFeature(setting))
            if (auto row = ReadSetting(*feature, monitor)) rows.push_back(std::move(*row));
    if (json) {
        Json settings = Json::array();
        for (const Row& row : rows) {
            Json one{{"name", row.name}};
            for (const auto& [key, value] : row.reading.fields.items()) one[key] = value;
            settings.push_back(std::move(one));
        }
        fmt::print("{}\n", Json{{"serial", monitor.serial}, {"model", monitor.model}, {"settings", settings}}.dump(2));
        return;
    }
    fmt::print("{} {}\n", monitor.model, monitor.serial);
    // The values start in one column, past the longest name.
    std::size_t width = 0;
    for (const Row& row : rows) width = std::max(width, row.name.size() + 2);
    for (const Row& row : rows) {
        std::string value = row.reading.text;
        for (std::size_t at = value.find('\n'); at != std::string::npos; at = value.find('\n', at + 1))
            value.insert(at + 1, std::string(width + 2, ' '));
        fmt::print("  {:<{}}{}{}\n", row.name, width, value, row.range.empty() ? "" : "   (" + row.range + ")");
    }
}

}  // namespace

void AddPictureCommand(CLI::App& app, const GlobalOptions& global) {
    auto monitor = std::make_shared<std::string>();
    auto json = std::make_shared<bool>(false);
    auto* cmd = app.add_subcommand("picture", "show every picture setting of a monitor in one table");
    cmd->add_option("monitor", *monitor, "index, serial number or model name")->required();
    cmd->add_flag("--json", *json, "print JSON");
    cmd->callback([&global, monitor, json] { RunPicture(global, *monitor, *json); });
}

}  // namespace dvc::cli
