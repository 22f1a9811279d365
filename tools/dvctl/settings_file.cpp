#include "settings_file.hpp"

#include <fmt/format.h>

#include <algorithm>

#include "failure.hpp"
#include "feature_access.hpp"

namespace dvc::cli {

namespace {

using Json = nlohmann::ordered_json;
constexpr int kChannels = 3;  // red, green, blue

bool Supported(const Feature& feature, const Monitor& monitor) {
    return feature.supported.fn == nullptr || feature.supported.fn(monitor.serial.c_str(), monitor.model.c_str()) != 0;
}

// The words of `set` that write the reading back; empty when there are none.
std::vector<std::string> WordsOf(const Feature& feature, const Reading& reading) {
    const Json& f = reading.fields;
    if (std::holds_alternative<std::monostate>(feature.set)) return {};
    const bool blocks = std::holds_alternative<BlockSet>(feature.set) || std::holds_alternative<FixedSet>(feature.set);
    if (blocks && f.contains("hex")) return {f["hex"].get<std::string>()};
    if (std::holds_alternative<XySet>(feature.set) && f.contains("x")) return {f["x"].dump(), f["y"].dump()};
    if (std::holds_alternative<PairsSet>(feature.set) && f.contains("values")) {
        std::vector<std::string> words;
        for (const auto& v : f["values"]) words.push_back(v.dump());
        return words;
    }
    const auto* own = std::get_if<WordsSet>(&feature.set);
    if (own != nullptr && own->fewest > 1) return {};
    for (const char* key : {"value", "kelvin", "index"})
        if (f.contains(key) && f[key].is_number()) return {f[key].dump()};
    return {};
}

}  // namespace

Value ReadOne(const Feature& feature, const Monitor& monitor, std::optional<int> channel) {
    Value v{&feature, channel, {}, {}, {}};
    try {
        Selection selection;
        selection.channel = channel;
        v.reading = ReadFeature(feature, monitor, selection, false);
        v.words = WordsOf(feature, v.reading);
    } catch (const Failure& f) {
        v.error = DvErrorName(f.Code());
    }
    return v;
}

std::string Label(const Feature& feature, const std::optional<int>& channel) {
    return channel ? fmt::format("{} (channel {})", feature.name, *channel) : std::string(feature.name);
}

std::vector<Value> ReadValues(const Monitor& monitor) {
    std::vector<Value> values;
    for (const auto& feature : Catalog()) {
        const Selector selector = SelectorOf(feature.get);
        if (std::holds_alternative<std::monostate>(feature.get) || std::holds_alternative<CountGet>(feature.get) ||
            selector == Selector::Index || !Supported(feature, monitor))
            continue;
        for (int c = 0; c < (selector == Selector::Channel ? kChannels : 1); ++c) {
            Value v = ReadOne(feature, monitor, selector == Selector::Channel ? std::optional<int>(c) : std::nullopt);
            // Without a Supported export, a feature the monitor lacks shows as a failed read.
            if (feature.supported.fn == nullptr && !v.error.empty()) continue;
            values.push_back(std::move(v));
        }
    }
    return values;
}

Json DumpJson(const Monitor& monitor, const std::vector<Value>& values) {
    Json settings = Json::array();
    for (const auto& v : values) {
        if (v.words.empty() || !v.error.empty()) continue;
        Json s{{"feature", v.feature->name}};
        if (v.channel) s["channel"] = *v.channel;
        s["value"] = v.words;
        settings.push_back(std::move(s));
    }
    return Json{{"serial", monitor.serial}, {"model", monitor.model}, {"settings", std::move(settings)}};
}

std::vector<Saved> ParseDump(const std::string& text, const std::string& file) {
    const auto bad = [&](const std::string& what) { return UsageError(fmt::format("{}: {}", file, what)); };
    Json doc;
    try {
        doc = Json::parse(text);
    } catch (const std::exception& e) {
        throw bad(fmt::format("not JSON ({})", e.what()));
    }
    if (!doc.is_object() || !doc.contains("settings") || !doc["settings"].is_array())
        throw bad("not a dump of dvctl (no \"settings\" list)");
    std::vector<Saved> saved;
    for (const auto& s : doc["settings"]) {
        if (!s.is_object() || !s.contains("feature") || !s["feature"].is_string() || !s.contains("value") ||
            !s["value"].is_array())
            throw bad(fmt::format("a setting needs \"feature\" and a \"value\" list: {}", s.dump()));
        const std::string name = s["feature"].get<std::string>();
        const Feature* feature = FindFeature(name);
        if (feature == nullptr) throw bad(fmt::format("no feature is called \"{}\"", name));
        if (std::holds_alternative<std::monostate>(feature->set))
            throw bad(fmt::format("{} cannot be set", feature->name));
        Saved one{feature, std::nullopt, {}};
        if (s.contains("channel")) {
            if (!s["channel"].is_number_integer() || SelectorOf(feature->set) != Selector::Channel)
                throw bad(fmt::format("{}: \"channel\" must be a whole number, for channel features only", name));
            one.channel = s["channel"].get<int>();
        }
        for (const auto& w : s["value"]) {
            if (!w.is_string()) throw bad(fmt::format("{}: the value words must be strings", name));
            one.words.push_back(w.get<std::string>());
        }
        saved.push_back(std::move(one));
    }
    std::stable_partition(saved.begin(), saved.end(),
                          [](const Saved& s) { return std::string_view(s.feature->name) == "mode"; });
    return saved;
}

}  // namespace dvc::cli
