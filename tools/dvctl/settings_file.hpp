// Every value of a monitor at once: what `get --all` prints, and the
// writable settings that `dump` saves and `load` restores. A value is the
// feature, its colour channel (for channel features) and the words that
// `set` takes to write it back.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "feature_catalog.hpp"
#include "session.hpp"

namespace dvc::cli {

struct Value {
    const Feature* feature;
    std::optional<int> channel;
    Reading reading;
    std::vector<std::string> words;  // empty: it cannot be written back
    std::string error;               // the read failed: the DvError's name
};

// Each readable feature the monitor supports (or that has no Supported
// export and reads without error), each colour channel of a channel
// feature. Items by index and counts are left out: nothing bounds them.
std::vector<Value> ReadValues(const Monitor& monitor);

// One feature's value (of one channel).
Value ReadOne(const Feature& feature, const Monitor& monitor, std::optional<int> channel);

// The values that can be written back, as the JSON of a dump file.
nlohmann::ordered_json DumpJson(const Monitor& monitor, const std::vector<Value>& values);

// One setting of a dump file, checked against the catalogue.
struct Saved {
    const Feature* feature;
    std::optional<int> channel;
    std::vector<std::string> words;
};

// The settings of a dump file's text; a UsageError names what is wrong.
// Colour modes come first, since choosing one changes the others.
std::vector<Saved> ParseDump(const std::string& text, const std::string& file);

// "gain (channel 1)" or "gain".
std::string Label(const Feature& feature, const std::optional<int>& channel);

}  // namespace dvc::cli
