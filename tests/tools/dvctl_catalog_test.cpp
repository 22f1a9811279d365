// dvctl's catalogue of features: what the generated table entries and the
// hand-written ones give together, and how names are found.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "feature_access.hpp"
#include "feature_catalog.hpp"

namespace {

using namespace dvctl;

const Feature& Named(const char* name) {
    const Feature* f = FindFeature(name);
    if (f == nullptr) throw std::runtime_error(std::string("no feature ") + name);
    return *f;
}

TEST(DvctlCatalog, NamesAndAliasesAreUniqueKebabCaseAndResolve) {
    EXPECT_TRUE(MergeConflicts().empty()) << MergeConflicts().front();
    std::set<std::string> seen;
    for (const auto& f : Catalog()) {
        const std::string name = f.name;
        EXPECT_TRUE(seen.insert(name).second) << name;
        EXPECT_FALSE(name.empty());
        EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
        })) << name;
        EXPECT_NE(name.front(), '-');
        EXPECT_EQ(name.find("--"), std::string::npos) << name;
        // Every entry either does something or can at least be asked about.
        EXPECT_TRUE(!Operations(f).empty() || f.supported.fn != nullptr) << name;
        EXPECT_EQ(f.supported.fn == nullptr, f.supported.name == nullptr) << name;
    }
    for (const auto& a : Aliases()) {
        EXPECT_TRUE(seen.insert(a.alias).second) << "alias " << a.alias << " is taken";
        const Feature* f = FindFeature(a.alias);
        ASSERT_NE(f, nullptr) << a.alias;
        EXPECT_STREQ(f->name, a.name);
    }
    EXPECT_TRUE(std::is_sorted(Catalog().begin(), Catalog().end(),
                               [](const Feature& a, const Feature& b) { return std::string(a.name) < b.name; }));
}

TEST(DvctlCatalog, TableRowsBecomeOneEntryPerStemWithTheirFamilies) {
    const Feature& volume = Named("audio-volume");
    EXPECT_STREQ(volume.stem, "AudioVolume");
    EXPECT_TRUE(std::holds_alternative<ValueGet>(volume.get));
    EXPECT_TRUE(std::holds_alternative<ValueSet>(volume.set));
    EXPECT_TRUE(std::holds_alternative<IntRange>(volume.range));
    EXPECT_EQ(std::get<ValueGet>(volume.get).fn, &DvCtrlGetAudioVolume);
    EXPECT_EQ(volume.supported.fn, &DvCtrlSupportedAudioVolume);

    EXPECT_TRUE(std::holds_alternative<ChannelGet>(Named("gain").get));
    EXPECT_TRUE(std::holds_alternative<DoubleRange>(Named("chromaticity").range));
    EXPECT_TRUE(std::holds_alternative<ItemSet>(Named("front-key-shortcut").set));
    EXPECT_TRUE(std::holds_alternative<CountGet>(Named("layout-count").get));
    EXPECT_EQ(std::get<FixedGet>(Named("safe-area-marker").get).length, 3);
    EXPECT_EQ(std::get<PairsSet>(Named("system-chromaticity").set).pairs, 4);
    EXPECT_TRUE(std::holds_alternative<Command>(Named("fix-color-banding").run));
    // A value row whose name starts with "GetRange" is a value, not a range.
    EXPECT_TRUE(std::holds_alternative<ValueGet>(Named("range-extension").get));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(Named("range-extension").range));
    // A range whose export does not start with "GetRange" keeps its whole stem.
    EXPECT_TRUE(std::holds_alternative<IntRange>(Named("auto-thriftlux-ambient-light-range").range));
}

TEST(DvctlCatalog, StemsWithoutTheirOwnSupportedAreAskedByCodeOrNotAtAll) {
    // Same codes, another name.
    EXPECT_EQ(Named("key-lock-state").supported.fn, &DvCtrlSupportedKeyLockSetting);
    EXPECT_EQ(Named("back-light-state").supported.fn, &DvCtrlSupportedBackLight);
    EXPECT_EQ(Named("layout-count").supported.fn, &DvCtrlSupportedLayout);
    // Two Supported exports ask that code: the one the stem starts with.
    EXPECT_EQ(Named("hlg-system-gamma-enable").supported.fn, &DvCtrlSupportedHLGSystemGamma);
    // The area count and the area support ask different codes: not a guess.
    EXPECT_EQ(Named("iis-area-count").supported.fn, nullptr);
    EXPECT_EQ(Named("timeout-key-lock").supported.fn, nullptr);
    // A Supported export that another stem uses is not listed on its own.
    EXPECT_EQ(FindFeature("key-lock-setting"), nullptr);
    EXPECT_EQ(FindFeature("back-light"), nullptr);
    // One that nothing else uses is its own entry, with nothing to call.
    EXPECT_TRUE(Operations(Named("pixel-error-analyzer")).empty());
}

TEST(DvctlCatalog, HandWrittenExportsJoinTheTableEntryOfTheirStem) {
    const Feature& edid = Named("edid-ddc-write");
    EXPECT_TRUE(std::holds_alternative<Command>(edid.run));
    EXPECT_EQ(edid.supported.fn, &DvCtrlSupportedEDIDDDCWrite);
    EXPECT_NE(edid.progress, nullptr);
    const Feature& adjust = Named("auto-adjust");
    EXPECT_EQ(std::get<ValueGet>(adjust.get).fn, &DvCtrlGetAutoAdjust);
    EXPECT_TRUE(std::holds_alternative<ValueSet>(adjust.set));
    EXPECT_NE(adjust.progress, nullptr);
    const Feature& usb = Named("usb-selection");
    EXPECT_EQ(std::get<ValueGet>(usb.get).fn, &DvCtrlGetUSBSelection);
    EXPECT_EQ(std::get<ValueSet>(usb.set).fn, &DvCtrlSetUSBSelection);
    const Feature& pushes = Named("key-push-count");
    EXPECT_EQ(std::get<ItemGet>(pushes.get).fn, &DvCtrlGetKeyPushCount);
    EXPECT_EQ(pushes.supported.fn, &DvCtrlSupportedKeyPushCount);
    // Entries the table does not know stand alone.
    EXPECT_EQ(std::get<ArgsCommand>(Named("current-save").run).count, 2);
    EXPECT_EQ(SelectorOf(Named("iis-area").get), Selector::Index);
}

TEST(DvctlCatalog, NamesAreFoundByNameAliasOrStemAndTyposGetSuggestions) {
    EXPECT_STREQ(Named("key-lock").name, "key-lock-state");
    EXPECT_STREQ(Named("OSDLanguage").name, "osd-language");
    EXPECT_STREQ(Named("osdlanguage").name, "osd-language");
    EXPECT_STREQ(Named("OSD-Language").name, "osd-language");
    EXPECT_EQ(FindFeature("language"), nullptr);
    EXPECT_EQ(FindFeature(""), nullptr);

    auto first = [](const char* typed) {
        const auto names = ClosestNames(typed);
        return names.empty() ? std::string() : names.front();
    };
    EXPECT_EQ(first("osd-langauge"), "osd-language");
    EXPECT_EQ(first("OSD-LANGUAGE-"), "osd-language");
    EXPECT_EQ(first("volume"), "audio-volume");
    EXPECT_EQ(first("gian"), "gain");
    EXPECT_TRUE(ClosestNames("zzzzzzzzzzzzzzzzzz").empty());
    EXPECT_LE(ClosestNames("power", 3).size(), 3u);
}

}  // namespace
