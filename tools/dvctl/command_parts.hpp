// What the get, set and run commands share: the --channel and --index
// options, and the printing of what a call read or set.
#pragma once

#include <CLI/CLI.hpp>

#include "feature_access.hpp"

namespace dvc::cli {

struct SelectionOptions {
    int channel = 0;
    int index = 0;
    CLI::Option* channelOption = nullptr;
    CLI::Option* indexOption = nullptr;

    void AddTo(CLI::App& command);
    Selection Given() const;
};

// A colour channel named before the value (r, g, b, or red, green, blue)
// instead of --channel, for a feature that takes a channel and `values`
// value words: moved into the selection; the other words are returned.
std::vector<std::string> TakeChannelWord(const Feature& feature, Selector wanted, std::vector<std::string> words,
                                         std::size_t values, Selection& selection);

// The reading's text, or a JSON object of the monitor, the feature, the
// channel or index when given, and the reading's fields.
void PrintReading(const Monitor& monitor, const Feature& feature, const Selection& selection, const Reading& reading,
                  bool json);

}  // namespace dvc::cli
