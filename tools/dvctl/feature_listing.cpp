#include "feature_listing.hpp"

#include <fmt/core.h>
#include <fmt/format.h>

#include "failure.hpp"
#include "feature_access.hpp"

namespace dvc::cli {

std::string Describe(const Feature& feature) {
    const auto ops = Operations(feature);
    std::string names = feature.name;
    for (const auto& alias : AliasesOf(feature)) names += ", " + alias;
    return fmt::format("{} — {}: {} ({})", feature.stem, feature.words,
                       ops.empty() ? std::string("no get or set here") : fmt::format("{}", fmt::join(ops, ", ")),
                       names);
}

nlohmann::ordered_json DescribeJson(const Feature& feature) {
    return {{"stem", feature.stem},
            {"name", feature.name},
            {"aliases", AliasesOf(feature)},
            {"description", feature.words},
            {"operations", Operations(feature)}};
}

void PrintFeatures(const std::function<bool(const Feature&)>& keep, bool json) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const auto& f : Catalog()) {
        if (!keep(f)) continue;
        if (json) list.push_back(DescribeJson(f));
        else fmt::print("{}\n", Describe(f));
    }
    if (json) fmt::print("{}\n", list.dump(2));
}

const Feature& Resolve(const std::string& name) {
    if (const Feature* f = FindFeature(name)) return *f;
    const auto close = ClosestNames(name);
    std::string hint =
        close.empty() ? "dvctl get MONITOR lists the names" : fmt::format("did you mean {}?", fmt::join(close, ", "));
    throw UsageError(fmt::format("no feature is called \"{}\"; {}", name, hint));
}

}  // namespace dvc::cli
