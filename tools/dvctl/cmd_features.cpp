// dvctl features MONITOR: which features of the catalogue the monitor has,
// by asking each feature's Supported export once. Features for which the
// library has no Supported export say so rather than guess; beside each,
// whether dvctl can read it and set it.
#include <fmt/core.h>

#include <map>
#include <memory>
#include <optional>

#include "command.hpp"
#include "feature_access.hpp"
#include "feature_listing.hpp"
#include "session.hpp"
#include "value_text.hpp"

namespace dvc::cli {

namespace {

struct FeaturesOptions {
    std::string monitor;
    bool all = false;
    bool json = false;
};

struct Answer {
    const Feature* feature;
    std::optional<bool> supported;  // none: nothing to ask
};

// One answer per feature; several features share one Supported export, and
// each export is asked once.
std::vector<Answer> AskAll(const Monitor& monitor) {
    std::map<int (*)(Id, Id), bool> asked;
    std::vector<Answer> answers;
    for (const auto& f : Catalog()) {
        if (f.supported.fn == nullptr) {
            answers.push_back({&f, std::nullopt});
            continue;
        }
        auto it = asked.find(f.supported.fn);
        if (it == asked.end())
            it =
                asked.emplace(f.supported.fn, f.supported.fn(monitor.serial.c_str(), monitor.model.c_str()) != 0).first;
        answers.push_back({&f, it->second});
    }
    return answers;
}

// "yes", "no", or, when the library has no Supported export for the
// feature, "can't tell".
const char* SupportedWord(const Answer& a) {
    if (!a.supported) return "can't tell";
    return *a.supported ? "yes" : "no";
}

void PrintText(const Monitor& monitor, const std::vector<Answer>& answers, bool all) {
    int yes = 0;
    for (const auto& a : answers)
        if (a.supported && *a.supported) ++yes;
    fmt::print("{} {} (monitor {}): {} of {} features supported\n", Printable(monitor.model), Printable(monitor.serial),
               monitor.index, yes, answers.size());
    fmt::print("{:<34} {:<11} {:<9} {:<8} {}\n", "feature", "supported", "can read", "can set", "what it is");
    for (const auto& a : answers) {
        if (a.supported && !*a.supported && !all) continue;
        fmt::print("{:<34} {:<11} {:<9} {:<8} {}\n", a.feature->name, SupportedWord(a),
                   CanRead(*a.feature) ? "yes" : "no", CanSet(*a.feature) ? "yes" : "no", a.feature->words);
    }
}

void PrintJson(const Monitor& monitor, const std::vector<Answer>& answers, bool all) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const auto& a : answers) {
        if (a.supported && !*a.supported && !all) continue;
        auto entry = DescribeJson(*a.feature);
        entry["supported"] = a.supported ? nlohmann::ordered_json(*a.supported) : nlohmann::ordered_json(nullptr);
        entry["canRead"] = CanRead(*a.feature);
        entry["canSet"] = CanSet(*a.feature);
        entry["askedBy"] = a.feature->supported.name ? nlohmann::ordered_json(a.feature->supported.name)
                                                     : nlohmann::ordered_json(nullptr);
        list.push_back(std::move(entry));
    }
    const nlohmann::ordered_json out{
        {"index", monitor.index}, {"serial", monitor.serial}, {"model", monitor.model}, {"features", list}};
    fmt::print("{}\n", out.dump(2));
}

void RunFeatures(const GlobalOptions& global, const FeaturesOptions& options) {
    Session session(global, false);
    const Monitor& monitor = session.Find(options.monitor, Scope::Listed);
    const auto answers = AskAll(monitor);
    if (options.json) PrintJson(monitor, answers, options.all);
    else PrintText(monitor, answers, options.all);
}

}  // namespace

void AddFeaturesCommand(CLI::App& app, const GlobalOptions& global) {
    auto options = std::make_shared<FeaturesOptions>();
    auto* cmd = app.add_subcommand("features", "list the features a monitor supports");
    cmd->add_option("monitor", options->monitor, "index, serial number or model name")->required();
    cmd->add_flag("--all", options->all, "also list the features the monitor does not support");
    cmd->add_flag("--json", options->json, "print JSON (\"supported\": true, false, or null when it cannot be asked)");
    cmd->callback([&global, options] { RunFeatures(global, *options); });
}

}  // namespace dvc::cli
