// Reading, changing and running one catalogue feature of one monitor
// through its exports, with the number beside the value (a channel or an
// index) checked against what the export takes. Failures of the library
// throw a Failure, bad words on the command line a UsageError, and both
// before anything is changed when the words are at fault.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "feature_catalog.hpp"
#include "session.hpp"

namespace dvc::cli {

// The --channel and --index options as given.
struct Selection {
    std::optional<int> channel;
    std::optional<int> index;
};

// What `get` says for the feature: its value, or its range when asked or
// when the feature has nothing but a range.
Reading ReadFeature(const Feature& feature, const Monitor& monitor, const Selection& selection, bool range);

// Sets the feature from the value words; the reading says what was set.
Reading WriteFeature(const Feature& feature, const Monitor& monitor, const Selection& selection,
                     const std::vector<std::string>& words);

// Runs the feature's action with its argument words.
Reading RunFeature(const Feature& feature, const Monitor& monitor, const std::vector<std::string>& words);

bool CanRead(const Feature& feature);  // a value or a range
bool CanSet(const Feature& feature);
bool CanRun(const Feature& feature);

// What a feature offers, in words: "get", "set", "range", "run".
std::vector<std::string> Operations(const Feature& feature);

}  // namespace dvc::cli
