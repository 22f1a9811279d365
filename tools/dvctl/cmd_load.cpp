// dvctl load MONITOR FILE: writes back the settings of a dump that differ
// from the monitor's, one line per change; --dry-run only says which.
#include <fmt/format.h>

#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>

#include "command.hpp"
#include "command_parts.hpp"
#include "failure.hpp"
#include "monitor_words.hpp"
#include "session.hpp"
#include "settings_file.hpp"
#include "value_text.hpp"

namespace dvc::cli {

namespace {

// No dump of a monitor comes near this; a larger file is not one.
constexpr std::size_t kLargestDump = 4 << 20;

struct LoadOptions {
    std::string monitor;
    std::string file;
    bool dryRun = false;
    bool json = false;
};

std::string ReadDumpFile(const std::string& file) {
    std::ifstream in;
    if (file != "-") {
        in.open(file, std::ios::binary);
        if (!in) throw UsageError(fmt::format("{}: cannot be opened", file));
    }
    std::istream& from = file == "-" ? std::cin : in;
    std::string text;
    char buffer[65536];
    while (from.read(buffer, sizeof buffer) || from.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(from.gcount()));
        if (text.size() > kLargestDump) throw UsageError(fmt::format("{}: too large for a dump", file));
    }
    return text;
}

// The words must parse before anything is written, so that a bad one
// further down the file changes nothing.
void CheckWords(const Saved& s) {
    const auto wrong = [&] {
        return UsageError(
            fmt::format("{}: {} value words, not {}", s.feature->name, ValueCount(s.feature->set), s.words.size()));
    };
    if (const auto* own = std::get_if<WordsSet>(&s.feature->set)) {
        if (static_cast<int>(s.words.size()) < own->fewest || static_cast<int>(s.words.size()) > own->most)
            throw wrong();
        return;
    }
    if (static_cast<int>(s.words.size()) != ValueCount(s.feature->set)) throw wrong();
    for (const auto& w : s.words) {
        if (std::holds_alternative<BlockSet>(s.feature->set) || std::holds_alternative<FixedSet>(s.feature->set))
            ParseHex(w);
        else if (std::holds_alternative<XySet>(s.feature->set) || std::holds_alternative<PairsSet>(s.feature->set))
            ParseNumber(w);
        else ParseInt(w);
    }
}

// The monitor's words for the setting now; empty when it cannot be read.
std::vector<std::string> Current(const Monitor& monitor, const Saved& s) {
    return ReadOne(*s.feature, monitor, s.channel).words;
}

void RunLoad(const GlobalOptions& global, const LoadOptions& options) {
    const std::vector<Saved> saved = ParseDump(ReadDumpFile(options.file), options.file);
    for (const Saved& s : saved) CheckWords(s);
    Session session(global, false);
    const Monitor& monitor = session.Find(options.monitor);
    nlohmann::ordered_json changes = nlohmann::ordered_json::array();
    int changed = 0, same = 0, failed = 0;
    for (const Saved& s : saved) {
        const std::vector<std::string> now = Current(monitor, s);
        if (now == s.words) {
            ++same;
            continue;
        }
        const std::string from = now.empty() ? "?" : fmt::format("{}", fmt::join(now, " "));
        const std::string to = fmt::format("{}", fmt::join(s.words, " "));
        try {
            if (!options.dryRun) {
                Selection selection;
                selection.channel = s.channel;
                WriteFeature(*s.feature, monitor, selection, MonitorWords(*s.feature, monitor, s.words));
            }
        } catch (const Failure& f) {
            Report(f);
            ++failed;
            continue;
        }
        ++changed;
        changes.push_back({{"feature", s.feature->name}, {"from", now}, {"to", s.words}});
        if (!options.json)
            fmt::print("{}{}: {} -> {}\n", options.dryRun ? "would set " : "", Label(*s.feature, s.channel), from, to);
    }
    if (options.json)
        fmt::print("{}\n", nlohmann::ordered_json{{"dryRun", options.dryRun}, {"changes", changes}}.dump(2));
    else
        fmt::print("{} setting{} {}, {} already so\n", changed, changed == 1 ? "" : "s",
                   options.dryRun ? "would change" : "changed", same);
    if (failed > 0)
        throw Failure(DvErrFailed, fmt::format("{} of {} settings could not be written", failed, saved.size()), true);
}

}  // namespace

void AddLoadCommand(CLI::App& app, const GlobalOptions& global) {
    auto options = std::make_shared<LoadOptions>();
    auto* cmd = app.add_subcommand("load", "write back the settings of a dump that differ from the monitor's");
    cmd->add_option("monitor", options->monitor, "index, serial number or model name")->required();
    cmd->add_option("file", options->file, "a file written by dvctl dump (- reads stdin)")->required();
    cmd->add_flag("--dry-run", options->dryRun, "only say what would change");
    cmd->add_flag("--json", options->json, "print JSON");
    cmd->callback([&global, options] { RunLoad(global, *options); });
}

}  // namespace dvc::cli
