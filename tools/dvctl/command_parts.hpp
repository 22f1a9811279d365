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

// The reading's text, or a JSON object of the monitor, the feature, the
// channel or index when given, and the reading's fields.
void PrintReading(const Monitor& monitor, const Feature& feature, const Selection& selection, const Reading& reading,
                  bool json);

}  // namespace dvc::cli
