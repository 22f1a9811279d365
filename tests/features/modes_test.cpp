// Colour modes, their names and skip tables, and the Tonality setting on a
// model with modes (CX2740: Tonality 1, 3, 5, 9, 11, 12) and one without
// (OF2210: codes of its own).
#include <string>

#include "features/handwritten.hpp"
#include "libdvc/libdvc.h"
#include "paths/feature_codes.hpp"

namespace dvc::test {
namespace {

using namespace dvc::codes;
using dvc::sim::Op;

class Modes : public SimWorld {
protected:
    static std::vector<int> TonalityList(const WorldMonitor& m) {
        std::vector<int> list;
        for (int i = 0, v = 0; DvCtrlEnumTonality(m.serial, m.model, i, &v) == DvOk; ++i) list.push_back(v);
        return list;
    }
    static std::string Name(const WorldMonitor& m, int value) {
        char buffer[32] = "?";
        const DvError r = DvCtrlGetTonalityName(m.serial, m.model, value, buffer, sizeof buffer);
        return r == DvOk ? buffer : "error " + std::to_string(r);
    }
};

TEST_F(Modes, TonalityIsAViewOfTheModesOrItsOwnCode) {
    Discover();
    const char* cs = kDual.serial;
    const char* cm = kDual.model;
    EXPECT_EQ(TonalityList(kDual), std::vector<int>({1, 3, 5, 9, 11, 12}));
    EXPECT_EQ(DvCtrlGetTonalityCount(cs, cm), 6);
    EXPECT_EQ(DvCtrlHasTonality(cs, cm, 9), 1);
    EXPECT_EQ(DvCtrlHasTonality(cs, cm, 4), 0);
    EXPECT_EQ(DvCtrlSetTonality(cs, cm, 5), DvOk);
    ASSERT_FALSE(Writes().empty());
    EXPECT_EQ(Writes().back().code, kColorMode);
    EXPECT_EQ(Writes().back().value, 2u) << "Tonality 5 is mode 2";
    int value = 0;
    EXPECT_EQ(DvCtrlGetTonality(cs, cm, &value), DvOk);
    EXPECT_EQ(value, 5);
    dvc::sim::ClearTransactions();
    EXPECT_EQ(DvCtrlSetTonality(cs, cm, 4), DvErrNotSupported);
    EXPECT_TRUE(Writes().empty());
    EXPECT_EQ(DvCtrlSupportedTonality(cs, cm), 1);

    const char* os = kOffice.serial;
    const char* om = kOffice.model;
    const auto list = TonalityList(kOffice);
    ASSERT_GE(list.size(), 2u);
    EXPECT_EQ(DvCtrlGetTonalityCount(os, om), static_cast<int>(list.size()));
    EXPECT_EQ(DvCtrlSupportedTonality(os, om), 1);
    EXPECT_EQ(DvCtrlSetTonality(os, om, list[1]), DvOk);
    EXPECT_EQ(Writes().back().code, kTonality);
    EXPECT_EQ(DvCtrlGetTonality(os, om, &value), DvOk);
    EXPECT_EQ(value, list[1]);
    EXPECT_EQ(DvCtrlSetTonality(os, om, 999), DvErrFailed) << "not in the model's list";
    EXPECT_EQ(DvCtrlGetModeCount(os, om), 0);
}

TEST_F(Modes, NamesFollowTheModesOrTheTonalityCodes) {
    Discover();
    const char* cs = kDual.serial;
    const char* cm = kDual.model;
    char name[17] = {};
    EXPECT_EQ(DvCtrlGetModeNameSize(cs, cm, 0), 17);
    EXPECT_EQ(DvCtrlGetModeName(cs, cm, 1, name, sizeof name), DvOk);
    EXPECT_STREQ(name, "Paper");
    EXPECT_EQ(DvCtrlGetModeName(cs, cm, 1, name, 5), DvErrSizeMismatch) << "never cut short";
    EXPECT_EQ(DvCtrlSetTonalityName(cs, cm, 11, "Grading"), DvOk);
    EXPECT_EQ(DvCtrlGetModeName(cs, cm, 4, name, sizeof name), DvOk) << "Tonality 11 is mode 4";
    EXPECT_STREQ(name, "Grading");
    dvc::sim::ClearTransactions();
    EXPECT_EQ(DvCtrlSetModeName(cs, cm, 0, "a name longer than 16"), DvErrInvalidParameter);
    EXPECT_TRUE(Writes().empty());

    const char* os = kOffice.serial;
    const char* om = kOffice.model;
    EXPECT_EQ(DvCtrlGetModeNameSize(os, om, 0), 0);
    EXPECT_EQ(DvCtrlGetModeName(os, om, 0, name, sizeof name), DvErrNotSupported);
    EXPECT_EQ(DvCtrlGetTonalityNameSize(os, om), 7);
    EXPECT_EQ(DvCtrlSetTonalityName(os, om, 3, "Photo"), DvOk);
    EXPECT_EQ(Name(kOffice, 3), "Photo") << "addressed by the value";
    EXPECT_EQ(Name(kOffice, 1), "sRGB");
}

// Skip tables: CX2740 keeps one byte per port and mode, CG3180 one byte per
// mode with a bit per port (ports 30, 31, 40, 41, 2560).
TEST_F(Modes, SkipRowsAreFoundByPortNumberInEitherEncoding) {
    Discover();
    const struct {
        WorldMonitor monitor;
        int port;
        std::vector<int> row;
    } reads[] = {
        {kDual, 30, {0, 0, 0, 1, 0, 0}},
        {kDual, 2560, {0, 1, 0, 0, 0, 0}},
        {kGrading, 30, {0, 0, 1, 0, 0, 0}},
        {kGrading, 31, {0, 0, 0, 0, 0, 1}},
    };
    for (const auto& r : reads) {
        std::vector<int> row(6, -1);
        EXPECT_EQ(DvCtrlGetModeSkipAtPort(r.monitor.serial, r.monitor.model, r.port, row.data(), 6), DvOk);
        EXPECT_EQ(row, r.row) << r.monitor.model << " port " << r.port;
    }
    std::vector<int> row{1, 0, 0, 0, 0, 1};
    EXPECT_EQ(DvCtrlSetModeSkipAtPort(kDual.serial, kDual.model, 41, row.data(), 6), DvOk);
    const auto table = Writes().back();
    EXPECT_EQ(table.code, kModeSkipAll);
    ASSERT_EQ(table.data.size(), 36u);
    EXPECT_EQ(std::vector<int>(table.data.begin() + 12, table.data.begin() + 18), row) << "row of the third port";
    EXPECT_EQ(table.data[3], 1) << "other rows kept";

    EXPECT_EQ(DvCtrlSetModeSkipAtPort(kGrading.serial, kGrading.model, 40, row.data(), 6), DvOk);
    EXPECT_EQ(Writes().back().code, kModeSkip);
    EXPECT_EQ(Writes().back().data, std::vector<uint8_t>({4, 0, 1, 0, 0, 6, 0, 31})) << "bit 2 for the third port";
    ExpectRefusedFirst({
        {"a port the model lacks",
         [&] { return DvCtrlGetModeSkipAtPort(kDual.serial, kDual.model, 10, row.data(), 6); }},
        {"no entries", [&] { return DvCtrlGetModeSkipAtPort(kDual.serial, kDual.model, 30, row.data(), 0); }},
    });

    int skipped = -1;
    EXPECT_EQ(DvCtrlGetTonalitySkip(kGrading.serial, kGrading.model, 3, &skipped), DvOk);
    EXPECT_EQ(skipped, 1) << "mode 2's flags";
    const char* os = kOffice.serial;
    const char* om = kOffice.model;
    EXPECT_EQ(DvCtrlSupportedTonalitySkip(os, om), 1);
    EXPECT_EQ(DvCtrlSetTonalitySkip(os, om, 3, 1), DvOk);
    EXPECT_EQ(Writes().back().code, kTonalitySkipMask);
    EXPECT_EQ(Writes().back().value, 8u);
    EXPECT_EQ(DvCtrlGetTonalitySkip(os, om, 3, &skipped), DvOk);
    EXPECT_EQ(skipped, 1);
}

// Each mode keeps its flavour (CX2740: 1, 2, 2, 3, 4, 4); the current
// mode's is the plain read and write.
TEST_F(Modes, FlavoursAreKeptPerMode) {
    Discover();
    const char* cs = kDual.serial;
    const char* cm = kDual.model;
    int flavor = 0;
    EXPECT_EQ(DvCtrlSetMode(cs, cm, 3), DvOk);
    EXPECT_EQ(DvCtrlGetFlavor(cs, cm, &flavor), DvOk);
    EXPECT_EQ(flavor, 3);
    EXPECT_EQ(DvCtrlSetFlavor(cs, cm, 1), DvOk);
    EXPECT_EQ(DvCtrlSetMode(cs, cm, 0), DvOk);
    EXPECT_EQ(DvCtrlGetFlavorAtMode(cs, cm, 3, &flavor), DvOk);
    EXPECT_EQ(flavor, 1) << "kept by mode 3 after leaving it";
    EXPECT_EQ(DvCtrlGetFlavorAtMode(cs, cm, 5, &flavor), DvOk);
    EXPECT_EQ(flavor, 4);
    EXPECT_EQ(DvCtrlGetFlavorAtMode(cs, cm, 0, nullptr), DvErrNullOutput);
    EXPECT_EQ(DvCtrlGetFlavorAtMode(kOffice.serial, kOffice.model, 0, &flavor), DvErrNotSupported);
}

}  // namespace
}  // namespace dvc::test
