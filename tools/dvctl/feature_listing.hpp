// How dvctl describes catalogue features to people and to scripts.
#pragma once

#include <functional>
#include <string>

#include <nlohmann/json.hpp>

#include "feature_catalog.hpp"

namespace dvc::cli {

// "OSDLanguage — language of the on-screen display: get, set (osd-language)"
std::string Describe(const Feature& feature);

// {"stem", "name", "aliases", "description", "operations"}
nlohmann::ordered_json DescribeJson(const Feature& feature);

// Prints the features that `keep` accepts, one per line or as a JSON array.
void PrintFeatures(const std::function<bool(const Feature&)>& keep, bool json);

// The feature a name means, or a Failure naming the closest names.
const Feature& Resolve(const std::string& name);

}  // namespace dvc::cli
