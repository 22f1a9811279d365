#include "usage.hpp"

#include <fmt/format.h>

#include <cctype>

#include "libdvc/libdvc.h"
#include "sim_world.hpp"

namespace dvc::cli {

namespace {

std::string Commands(const CLI::App& app) {
    std::vector<std::string> names;
    for (const CLI::App* sub : app.get_subcommands([](const CLI::App*) { return true; }))
        names.push_back(sub->get_name());
    return fmt::format("{}", fmt::join(names, ", "));
}

std::string Lowered(std::string text) {
    if (text.size() > 1 && std::isupper(static_cast<unsigned char>(text[0])) &&
        std::islower(static_cast<unsigned char>(text[1])))
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return text;
}

}  // namespace

std::string ShortUsage() {
    return "usage: dvctl [--sim[=WORLD]] COMMAND MONITOR [ARGUMENTS] [--json]\n"
           "       dvctl --sim list | info CX2740 | get CX2740 brightness | set CX2740 brightness 40%\n"
           "       dvctl help [COMMAND] (or --help) lists the commands, the worlds and the options\n";
}

std::string VersionText() {
    const uint32_t v = DvCtrlVersion();
    return fmt::format("dvctl {}.{}.{} (libdvc {}.{}.{})", DVCTL_VERSION_MAJOR, DVCTL_VERSION_MINOR,
                       DVCTL_VERSION_PATCH, v >> 24, (v >> 16) & 0xFF, (v >> 8) & 0xFF);
}

std::string HelpFooter() {
    const auto worlds = BuiltinWorldNames();
    return fmt::format(
        "Virtual worlds for --sim=WORLD: {} (or the path of a world file); --sim alone is default.\n"
        "Their settings are kept per world in $XDG_STATE_HOME/dvctl/WORLD.json (~/.local/state/dvctl/), or in\n"
        "the file DVC_SIM_STATE names; --sim-fresh starts from the monitors' profiles.\n"
        "MONITOR is an index from list, a serial number or a model name (any case).\n"
        "Exit status: 0 done, 1 the monitor or library said no, 2 the command line was wrong.",
        worlds.empty() ? std::string("(none found)") : fmt::format("{}", fmt::join(worlds, ", ")));
}

std::string ParseErrorText(const CLI::App& app, const CLI::ParseError& error) {
    const std::string name = error.get_name();
    const auto parsed = app.get_subcommands();
    if (parsed.empty()) {
        if ((name == "ExtrasError" || name == "RequiredError") && !app.remaining().empty())
            return fmt::format("no command is called \"{}\"; the commands: {}", app.remaining().front(), Commands(app));
        if (name == "RequiredError") return fmt::format("a command is needed: {}", Commands(app));
        return Lowered(error.what());
    }
    const CLI::App* command = parsed.front();
    while (!command->get_subcommands().empty()) command = command->get_subcommands().front();
    return fmt::format("dvctl {}: {}", command->get_name(), Lowered(error.what()));
}

}  // namespace dvc::cli
