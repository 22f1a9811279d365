#include "feature_catalog.hpp"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "name_suggest.hpp"

namespace dvc::cli {

namespace {

const Feature kTable[] = {
#include "feature_catalog.inc"
};

template <class Variant>
void Fill(Variant& into, const Variant& from, const Feature& hand, const char* what,
          std::vector<std::string>& conflicts) {
    if (std::holds_alternative<std::monostate>(from)) return;
    if (std::holds_alternative<std::monostate>(into)) into = from;
    else conflicts.push_back(std::string(hand.stem) + ": both the table and a hand-written entry give its " + what);
}

bool HasOperations(const Feature& f) {
    return !std::holds_alternative<std::monostate>(f.get) || !std::holds_alternative<std::monostate>(f.set) ||
           !std::holds_alternative<std::monostate>(f.range) || !std::holds_alternative<std::monostate>(f.run);
}

struct Built {
    std::vector<Feature> features;
    std::vector<std::string> conflicts;
};

// The table's entries with the hand-written ones merged in by stem: a
// hand-written operation fills an empty place of the table's entry (the
// table knows the Supported export of, say, EDID writing; the hand-written
// entry knows how to run it).
Built Build() {
    Built built;
    built.features.assign(std::begin(kTable), std::end(kTable));
    for (const Feature& hand : HandWrittenFeatures()) {
        const auto it = std::find_if(built.features.begin(), built.features.end(),
                                     [&](const Feature& f) { return std::string_view(f.stem) == hand.stem; });
        if (it == built.features.end()) {
            built.features.push_back(hand);
            continue;
        }
        Feature& f = *it;
        if (!HasOperations(f)) f.words = hand.words;
        Fill(f.get, hand.get, hand, "get", built.conflicts);
        Fill(f.set, hand.set, hand, "set", built.conflicts);
        Fill(f.range, hand.range, hand, "range", built.conflicts);
        Fill(f.run, hand.run, hand, "run", built.conflicts);
        if (f.supported.fn == nullptr) f.supported = hand.supported;
        else if (hand.supported.fn != nullptr && hand.supported.fn != f.supported.fn)
            built.conflicts.push_back(std::string(hand.stem) +
                                      ": the table and a hand-written entry ask different Supported exports");
        if (hand.progress != nullptr) f.progress = hand.progress;
    }
    std::sort(built.features.begin(), built.features.end(),
              [](const Feature& a, const Feature& b) { return std::string_view(a.name) < b.name; });
    return built;
}

const Built& TheCatalog() {
    static const Built built = Build();
    return built;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

}  // namespace

const std::vector<Feature>& Catalog() { return TheCatalog().features; }

std::vector<std::string> MergeConflicts() { return TheCatalog().conflicts; }

const Feature* FindFeature(std::string_view name) {
    const auto& features = Catalog();
    for (const auto& f : features)
        if (name == f.name) return &f;
    for (const auto& a : Aliases())
        if (name == a.alias) return FindFeature(a.name);
    for (const auto& f : features)
        if (SameIgnoringCase(name, f.stem) || SameIgnoringCase(name, f.name)) return &f;
    return nullptr;
}

std::vector<std::string> AliasesOf(const Feature& feature) {
    std::vector<std::string> aliases;
    for (const auto& a : Aliases())
        if (std::string_view(a.name) == feature.name) aliases.emplace_back(a.alias);
    return aliases;
}

std::vector<std::string> ClosestNames(std::string_view unknown, std::size_t limit) {
    std::vector<std::string> names;
    for (const auto& f : Catalog()) names.emplace_back(f.name);
    for (const auto& a : Aliases()) names.emplace_back(a.alias);
    std::string lowered(unknown);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), [](unsigned char c) { return std::tolower(c); });
    return Closest(lowered, names, limit);
}

}  // namespace dvc::cli
