// dvctl lut get|set|plot: a monitor's tone LUTs (or, with --front, its
// 256-entry front LUTs) as CSV files and as a picture of the three curves.
#include <fmt/core.h>

#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>

#include "command.hpp"
#include "failure.hpp"
#include "lut_csv.hpp"
#include "lut_plot.hpp"
#include "session.hpp"

namespace dvc::cli {

namespace {

struct Channel {
    const char* name;
    int table;  // the monitor's tone-LUT table number; the front LUT counts from 0
    const char* colour;
};
constexpr Channel kChannels[] = {{"red", 1, "#d62728"}, {"green", 2, "#2ca02c"}, {"blue", 3, "#1f77b4"}};

struct LutOptions {
    std::string monitor;
    std::string channel;  // empty: all three
    std::string file;
    int bank = 0;
    bool front = false;
    bool json = false;
};

const char* LutName(const LutOptions& options) { return options.front ? "front LUT" : "tone LUT"; }

// The channels a command works on: the one named, or all three.
std::vector<Channel> Chosen(const std::string& word) {
    if (word.empty()) return {std::begin(kChannels), std::end(kChannels)};
    for (const Channel& c : kChannels)
        if (word == c.name || (word.size() == 1 && word[0] == c.name[0])) return {c};
    throw UsageError(fmt::format("--channel: \"{}\" is not a channel (r, g or b)", word));
}

std::vector<LutLevels> ReadLuts(const Monitor& monitor, const std::vector<Channel>& channels,
                                const LutOptions& options) {
    std::vector<LutLevels> levels(channels.size());
    const char *id1 = monitor.serial.c_str(), *id2 = monitor.model.c_str();
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const int bank = options.bank;
        double* out = levels[i].data();
        Check(options.front ? DvCtrlGetFrontLUT(id1, id2, channels[i].table - 1, out, static_cast<int>(kLutEntries))
                            : DvCtrlGetLUT(id1, id2, channels[i].table, out, &bank),
              fmt::format("reading the {} {} of {}", channels[i].name, LutName(options), monitor.model));
    }
    return levels;
}

void WriteFile(const std::string& path, const std::string& text) {
    if (path == "-") {
        fmt::print("{}", text);
        return;
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out) throw std::runtime_error(path + ": cannot be written");
}

void RunGet(const GlobalOptions& global, const LutOptions& options) {
    const auto channels = Chosen(options.channel);
    Session session(global, false);
    const Monitor& monitor = session.Find(options.monitor);
    const auto levels = ReadLuts(monitor, channels, options);
    std::vector<std::string> names;
    for (const Channel& c : channels) names.emplace_back(c.name);
    if (!options.file.empty() || !options.json)
        WriteFile(options.file.empty() ? "-" : options.file, FormatLutCsv(levels, names));
    if (options.json) {
        nlohmann::json out{{"serial", monitor.serial}, {"model", monitor.model}, {"bank", options.bank}};
        if (options.front) out["front"] = true;
        for (std::size_t i = 0; i < channels.size(); ++i)
            out["channels"][channels[i].name] = std::vector<double>(levels[i].begin(), levels[i].end());
        fmt::print("{}\n", out.dump(2));
    }
}

// The whole file is checked before the first table goes out, so that a
// bad line leaves the monitor as it was.
void RunSet(const GlobalOptions& global, const LutOptions& options) {
    const auto channels = Chosen(options.channel);
    const std::string text = ReadSmallFile(options.file);
    const LutCsv table = ParseLutCsv(text, channels.size());
    if (table.errorLine != 0)
        throw std::runtime_error(
            fmt::format("{}:{}: {}; nothing was sent", options.file, table.errorLine, table.error));
    Session session(global, false);
    const Monitor& monitor = session.Find(options.monitor);
    int bank = options.bank;
    const char *id1 = monitor.serial.c_str(), *id2 = monitor.model.c_str();
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const double* in = table.channels[i].data();
        Check(options.front ? DvCtrlSetFrontLUT(id1, id2, channels[i].table - 1, in, static_cast<int>(kLutEntries))
                            : DvCtrlSetLUT(id1, id2, channels[i].table, in, &bank),
              fmt::format("writing the {} {} of {}", channels[i].name, LutName(options), monitor.model));
    }
    if (options.json)
        fmt::print("{}\n",
                   nlohmann::json{{"serial", monitor.serial}, {"model", monitor.model}, {"written", true}}.dump());
}

void RunPlot(const GlobalOptions& global, const LutOptions& options) {
    Session session(global, false);
    const Monitor& monitor = session.Find(options.monitor);
    const std::vector<Channel> channels = Chosen("");
    const auto levels = ReadLuts(monitor, channels, options);
    std::vector<PlotCurve> curves;
    for (std::size_t i = 0; i < channels.size(); ++i)
        curves.push_back({channels[i].name, channels[i].colour, levels[i]});
    const std::string title =
        options.front ? fmt::format("Front LUT curves of {} {}", monitor.model, monitor.serial)
                      : fmt::format("Tone curves of {} {} (bank {})", monitor.model, monitor.serial, options.bank);
    WriteFile(options.file, PlotCurvesSvg(curves, title));
    if (options.json)
        fmt::print("{}\n",
                   nlohmann::json{{"serial", monitor.serial}, {"model", monitor.model}, {"file", options.file}}.dump());
}

void AddCommon(CLI::App* cmd, LutOptions& options) {
    cmd->add_option("monitor", options.monitor, "index, serial number or model name")->required();
    cmd->add_option("--bank", options.bank, "LUT bank (0 or 1)")->check(CLI::Range(0, 1));
    cmd->add_flag("--front", options.front, "the 256-entry front LUTs instead of the tone LUTs");
    cmd->add_flag("--json", options.json, "print JSON");
}

}  // namespace

void AddLutCommand(CLI::App& app, const GlobalOptions& global) {
    auto* lut = app.add_subcommand("lut", "read, write and plot a monitor's tone LUTs");
    lut->require_subcommand(1);
    auto get = std::make_shared<LutOptions>();
    auto* getCmd = lut->add_subcommand("get", "write the tone LUTs to a CSV file (standard output without FILE)");
    AddCommon(getCmd, *get);
    getCmd->add_option("--channel", get->channel, "one channel: r, g or b");
    getCmd->add_option("file", get->file, "CSV file to write (- for standard output)");
    getCmd->callback([&global, get] { RunGet(global, *get); });

    auto set = std::make_shared<LutOptions>();
    auto* setCmd = lut->add_subcommand("set", "write the tone LUTs from a CSV file: index and level columns");
    AddCommon(setCmd, *set);
    setCmd->add_option("--channel", set->channel, "one channel: r, g or b");
    setCmd->add_option("file", set->file, "CSV file to read")->required();
    setCmd->callback([&global, set] { RunSet(global, *set); });

    auto plot = std::make_shared<LutOptions>();
    auto* plotCmd = lut->add_subcommand("plot", "draw the three tone curves as an SVG picture");
    AddCommon(plotCmd, *plot);
    plotCmd->add_option("-o,--output", plot->file, "SVG file to write (- for standard output)")->required();
    plotCmd->callback([&global, plot] { RunPlot(global, *plot); });
}

}  // namespace dvc::cli
