// The texts dvctl shows about itself: the short usage, the version, the
// end of --help (the virtual worlds), and command-line mistakes in words.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

namespace dvc::cli {

// A few lines: the commands and where the rest is.
std::string ShortUsage();

// "dvctl 1.68.0 (libdvc 1.68.0)".
std::string VersionText();

// The worlds --sim takes and where their settings are kept.
std::string HelpFooter();

// A parse error of CLI11 as a sentence that names the word at fault.
std::string ParseErrorText(const CLI::App& app, const CLI::ParseError& error);

}  // namespace dvc::cli
