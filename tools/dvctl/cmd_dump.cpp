// dvctl dump MONITOR: every setting of the monitor that can be written
// back, as JSON on stdout for `dvctl load`.
#include <fmt/core.h>

#include <memory>

#include "command.hpp"
#include "session.hpp"
#include "settings_file.hpp"

namespace dvc::cli {

namespace {

struct DumpOptions {
    std::string monitor;
    bool json = true;
};

void RunDump(const GlobalOptions& global, const DumpOptions& options) {
    Session session(global, false);
    const Monitor& monitor = session.Find(options.monitor);
    fmt::print("{}\n", DumpJson(monitor, ReadValues(monitor)).dump(2));
}

}  // namespace

void AddDumpCommand(CLI::App& app, const GlobalOptions& global) {
    auto options = std::make_shared<DumpOptions>();
    auto* cmd = app.add_subcommand("dump", "print every writable setting of a monitor as JSON (for dvctl load)");
    cmd->add_option("monitor", options->monitor, "index, serial number or model name")->required();
    cmd->add_flag("--json", options->json, "print JSON (always)");
    cmd->callback([&global, options] { RunDump(global, *options); });
}

}  // namespace dvc::cli
