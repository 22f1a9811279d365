// dvctl's catalogue: the generated entries with the hand-written ones
// merged in by stem, the names it answers to, and suggestions for typos.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>

#include "feature_access.hpp"
#include "feature_catalog.hpp"
#include "name_suggest.hpp"

namespace {

using namespace dvc::cli;
using Names = std::vector<std::string>;

const void* Fn(const auto& operation) {
    return std::visit(
        [](const auto& op) -> const void* {
            if constexpr (requires { op.fn; }) return reinterpret_cast<const void*>(op.fn);
            else return nullptr;
        },
        operation);
}

// An operation is the hand-written one of its stem when there is one, else
// an export its stem names; names are unique kebab-case, aliases resolve.
TEST(DvctlCatalog, EntriesCallTheExportsTheirStemsNameAndAnswerToUniqueNames) {
    EXPECT_EQ(MergeConflicts(), Names());
    std::set<std::string> seen;
    for (const Feature& f : Catalog()) {
        SCOPED_TRACE(f.name);
        const std::string s = f.stem, name = f.name;
        const auto& hands = HandWrittenFeatures();
        const auto it = std::find_if(hands.begin(), hands.end(), [&](const Feature& h) { return s == h.stem; });
        const Feature* hand = it == hands.end() ? nullptr : &*it;
        // The export is DvCtrl, a verb the stem may lack, and the stem.
        const std::tuple<const void*, const void*, Names> operations[] = {
            {Fn(f.get), hand ? Fn(hand->get) : nullptr, {"Get", ""}},
            {Fn(f.set), hand ? Fn(hand->set) : nullptr, {"Set", ""}},
            {Fn(f.range), hand ? Fn(hand->range) : nullptr, {"GetRange", "Get", ""}},
            {Fn(f.run), hand ? Fn(hand->run) : nullptr, {""}}};
        for (const auto& operation : operations) {
            const auto& [fn, handFn, verbs] = operation;
            const void* const exported = fn;
            const bool named = std::any_of(verbs.begin(), verbs.end(), [&](const std::string& verb) {
                return exported == dlsym(RTLD_DEFAULT, ("DvCtrl" + verb + s).c_str());
            });
            EXPECT_TRUE(handFn != nullptr || fn == nullptr ? fn == handFn : named) << verbs[0];
        }
        EXPECT_EQ(f.progress, hand ? hand->progress : nullptr);
        EXPECT_EQ(reinterpret_cast<const void*>(f.supported.fn),
                  f.supported.name ? dlsym(RTLD_DEFAULT, f.supported.name) : nullptr);
        EXPECT_TRUE(!Operations(f).empty() || f.supported.fn != nullptr);
        EXPECT_TRUE(seen.insert(name).second);
        EXPECT_TRUE(name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-") == std::string::npos &&
                    name.front() != '-' && name.back() != '-' && name.find("--") == std::string::npos);
    }
    EXPECT_TRUE(std::is_sorted(Catalog().begin(), Catalog().end(),
                               [](const Feature& a, const Feature& b) { return std::string(a.name) < b.name; }));
    for (const Alias& a : Aliases()) {
        EXPECT_TRUE(seen.insert(a.alias).second) << a.alias;
        const Feature* f = FindFeature(a.alias);
        ASSERT_NE(f, nullptr) << a.alias;
        EXPECT_STREQ(f->name, a.name);
    }
}

TEST(DvctlCatalog, NamesAreFoundByNameAliasOrStemAndTyposGetSuggestions) {
    // A Supported export that another stem asks is no entry of its own.
    for (const auto& [typed, name] : std::vector<std::pair<const char*, const char*>>{{"key-lock", "key-lock-state"},
                                                                                      {"OSDLanguage", "osd-language"},
                                                                                      {"osdlanguage", "osd-language"},
                                                                                      {"OSD-Language", "osd-language"},
                                                                                      {"language", ""},
                                                                                      {"", ""},
                                                                                      {"key-lock-setting", ""}}) {
        const Feature* f = FindFeature(typed);
        EXPECT_EQ(std::string(f ? f->name : ""), name) << typed;
    }
    // A stem without a Supported export of its own is asked through the one of its code, and never by a guess.
    for (const auto& [name, askedBy] :
         std::vector<std::pair<const char*, const char*>>{{"key-lock-state", "DvCtrlSupportedKeyLockSetting"},
                                                          {"iis-area-count", nullptr},
                                                          {"hlg-system-gamma-enable", "DvCtrlSupportedHLGSystemGamma"},
                                                          {"edid-ddc-write", "DvCtrlSupportedEDIDDDCWrite"}})
        EXPECT_STREQ(FindFeature(name)->supported.name, askedBy) << name;
    for (const auto& [typed, names] : std::vector<std::pair<const char*, Names>>{{"osd-langauge", {"osd-language"}},
                                                                                 {"OSD-LANGUAGE-", {"osd-language"}},
                                                                                 {"volume", {"audio-volume"}},
                                                                                 {"zzzzzzzzzzzzzzzzzz", {}}})
        EXPECT_EQ(ClosestNames(typed, 1), names) << typed;
    // A swap of neighbours is one edit; names a few edits away come before those that contain the word.
    EXPECT_EQ(EditDistance("gain", "gian"), 1u);
    EXPECT_EQ(Closest("powe", {"power-led", "clock", "tower"}, 3), (Names{"tower", "power-led"}));
}

}  // namespace
