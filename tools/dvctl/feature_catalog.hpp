// The features dvctl can read, change or run by a readable name: one entry
// per stem of the library's feature table (generated into
// feature_catalog.inc), with the hand-written entries for exports of a
// shape of their own merged in by stem, and the aliases.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "operation_shapes.hpp"

namespace dvc::cli {

struct Feature {
    const char* name;   // kebab-case, what the command line uses
    const char* stem;   // the exports' name without their verb
    const char* words;  // what it is, in a few words
    Ask supported;      // none: the library has no Supported export for it
    Getter get;
    Setter set;
    Ranger range;
    Runner run;
    // Set for calls that wait on the monitor for seconds or minutes: what
    // the progress line says while they run.
    const char* progress = nullptr;
};

// The catalogue, ordered by name.
const std::vector<Feature>& Catalog();

// The entry a name means: its name, an alias, or its stem (any case).
// Null when there is none.
const Feature* FindFeature(std::string_view name);

// The aliases of a feature's name.
std::vector<std::string> AliasesOf(const Feature& feature);

// Names (and aliases) close to an unknown name, closest first; at most
// `limit`, and none that are far off.
std::vector<std::string> ClosestNames(std::string_view unknown, std::size_t limit = 3);

// The hand-written entries, and whatever merging them into the generated
// ones could not place (an operation both define): empty when all is well.
const std::vector<Feature>& HandWrittenFeatures();
// Among them, the picture settings (picture_features.cpp).
const std::vector<Feature>& PictureFeatures();
std::vector<std::string> MergeConflicts();

// The alias table: {alias, name}.
struct Alias {
    const char* alias;
    const char* name;
};
const std::vector<Alias>& Aliases();

}  // namespace dvc::cli
