#include "monitor_words.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string_view>

#include <fmt/format.h>

#include "failure.hpp"
#include "libdvc/libdvc.h"
#include "port_names.hpp"
#include "value_text.hpp"

namespace dvc::cli {

namespace {

bool IsNumber(std::string_view word) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    return error == std::errc{} && end == word.data() + word.size() && !word.empty();
}

std::string ModeWord(const Monitor& monitor, const std::string& word) {
    const auto modes = ColourModes(monitor);
    std::vector<std::string> accepted;
    for (const ModeEntry& m : modes) {
        if (!m.name.empty() && SameText(m.name, word)) return std::to_string(m.index);
        if (!m.name.empty()) accepted.push_back(m.name);
    }
    if (modes.empty()) throw UsageError(fmt::format("mode: \"{}\": {} has no colour modes", word, monitor.model));
    throw UsageError(fmt::format("mode: \"{}\" is not a colour mode of {}; accepted: {} or an index 0 to {}", word,
                                 monitor.model, fmt::join(accepted, ", "), modes.size() - 1));
}

std::string InputWord(const Monitor& monitor, const std::string& word) {
    const auto ports = InputPorts(monitor);
    const auto number = PortNumberOf(word);
    const auto it = number ? std::find(ports.begin(), ports.end(), *number) : ports.end();
    if (it != ports.end()) return std::to_string(it - ports.begin());
    std::vector<std::string> accepted;
    for (const int p : ports) accepted.push_back(PortName(p));
    throw UsageError(fmt::format("input: \"{}\" is not an input of {}; accepted: {} or an index 0 to {}", word,
                                 monitor.model, fmt::join(accepted, ", "), ports.empty() ? 0 : ports.size() - 1));
}

struct SwitchWord {
    const char* word;
    int value;
};
struct SwitchWords {
    const char* feature;
    std::vector<SwitchWord> words;
};
// The words of the switches a user names most. The power switch has two
// states; the monitor keeps its links up while it is off.
const std::vector<SwitchWords> kSwitchWords{
    {"power", {{"on", 1}, {"off", 0}}},
    {"all-key-lock", {{"lock", 1}, {"unlock", 0}, {"on", 1}, {"off", 0}}},
};

// A switch takes its words, or the numbers they stand for.
std::string SwitchValue(const SwitchWords& sw, const std::string& word) {
    std::vector<std::string> accepted;
    for (const SwitchWord& w : sw.words) {
        if (SameText(w.word, word) || (IsNumber(word) && ParseInt(word) == w.value)) return std::to_string(w.value);
        accepted.push_back(w.word);
    }
    throw UsageError(fmt::format("{}: \"{}\" is not a state of this switch; accepted: {}", sw.feature, word,
                                 fmt::join(accepted, ", ")));
}

}  // namespace

std::vector<ModeEntry> ColourModes(const Monitor& monitor) {
    const char* id1 = monitor.serial.c_str();
    const char* id2 = monitor.model.c_str();
    std::vector<ModeEntry> modes;
    if (DvCtrlSupportedMode(id1, id2) == 0) return modes;
    const int count = DvCtrlGetModeCount(id1, id2);
    const int size = DvCtrlGetModeNameSize(id1, id2, 0);
    for (int i = 0; i < count; ++i) {
        std::string name(static_cast<std::size_t>(std::max(size, 1)), '\0');
        if (size <= 0 || DvCtrlGetModeName(id1, id2, i, name.data(), size) != DvOk) name.clear();
        name.resize(std::char_traits<char>::length(name.c_str()));
        modes.push_back({i, name});
    }
    return modes;
}

std::vector<int> InputPorts(const Monitor& monitor) {
    const char* id1 = monitor.serial.c_str();
    const char* id2 = monitor.model.c_str();
    std::vector<int> ports(static_cast<std::size_t>(DvCtrlGetSupportedInputPortCount(id1, id2)));
    if (!ports.empty())
        Check(DvCtrlGetSupportedInputPort(id1, id2, ports.data(), static_cast<int>(ports.size())),
              "reading the input ports");
    return ports;
}

std::vector<std::string> MonitorWords(const Feature& feature, const Monitor& monitor,
                                      const std::vector<std::string>& words) {
    const std::string_view name = feature.name;
    if (words.size() != 1) return words;
    for (const SwitchWords& sw : kSwitchWords)
        if (name == sw.feature) return {SwitchValue(sw, words[0])};
    if (IsNumber(words[0])) return words;
    if (name != "mode" && name != "input") return words;
    return {name == "mode" ? ModeWord(monitor, words[0]) : InputWord(monitor, words[0])};
}

}  // namespace dvc::cli
