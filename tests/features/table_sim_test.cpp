// The feature table end to end: discovery through the real transports to a
// virtual monitor that answers every code of the table over HID and DDC/CI.
// Each row's export must succeed, touch only its own codes, and (for
// values) carry the value to and from the monitor's state.
#include <gtest/gtest.h>

#include <dvcsim/dvcsim.hpp>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "libdvc/libdvc.h"
#include "paths/feature_shapes.hpp"
#include "support/registry_seam.hpp"

namespace {

using dvc::paths::ReadAs;
using dvc::paths::Switch;

constexpr const char* kSerial = "TBL00001";
constexpr const char* kModel = "TABLEMON";

struct SimRow {
    std::string name;
    std::vector<uint32_t> codes;  // every code the export may send; empty: not checked
    uint32_t fixedLength = 0;     // a data item of this length instead of a value
    std::function<void()> run;
};

template <class C>
std::vector<uint32_t> Listed() {
    return {C::kList.begin(), C::kList.end()};
}

std::vector<SimRow> SimRows() {
    std::vector<SimRow> rows;
    auto add = [&rows](const char* name, std::vector<uint32_t> codes, uint32_t length, std::function<void()> run) {
        rows.push_back({name, std::move(codes), length, std::move(run)});
    };
    // Shorthands for the calls; the monitor answers 1 for every value.
    static int out = 0;
    static int other = 0;
    static double x = 0;
    static double y = 0;
    static uint8_t bytes[64] = {};
    static double pairs[16] = {};

#define S kSerial, kModel
#define DVC_SUPPORTED(Name, CODES, Doc) add(#Name, Listed<CODES>(), 0, [] { EXPECT_NE(DvCtrl##Name(S), 0); });
#define DVC_SUPPORTED_OUT(Name, Primitive, CODES, Doc) add(#Name, Listed<CODES>(), 0, [] { EXPECT_EQ(DvCtrl##Name(S), 1); });
#define DVC_SUPPORTED_KEPT(Name, Primitive, CODES, Doc) add(#Name, Listed<CODES>(), 0, [] { EXPECT_EQ(DvCtrl##Name(S), 1); });
#define DVC_SUPPORTED_BY_RANGE(Name, RangeName, Kept, Doc) add(#Name, {}, 0, [] { EXPECT_EQ(DvCtrl##Name(S), 1); });
#define DVC_RANGE_OLD(Name, Rule, Code, Primitive, RefuseNull, Doc) \
    add(#Name, {Code}, 0, [] { EXPECT_GE(DvCtrl##Name(S, &out, &other), 0); });
#define DVC_RANGE_CHANNELS(Name, Primitive, T, CODES, Doc) \
    add(#Name, Listed<CODES>(), 0, [] { T high{}, low{}; EXPECT_EQ(DvCtrl##Name(S, &high, &low), DvOk); });
#define DVC_RANGE_FIXED(Name, Rule, CODES, Doc) add(#Name, Listed<CODES>(), 0, [] { \
        EXPECT_EQ(DvCtrl##Name(S, &out, &other), DvOk);                                 \
        EXPECT_EQ(out, 100);                                                            \
    });
#define DVC_VALUE_GET(Name, Rule, Read, CODES, Doc) add(#Name, Listed<CODES>(), 0, [] { \
        dvcsim::SetStateValue(kSerial, CODES::kList[0], 0x23);                           \
        EXPECT_EQ(DvCtrl##Name(S, &out), DvOk);                                          \
        EXPECT_EQ(out, dvc::paths::Folded(ReadAs::Read, 0x23));                          \
    });
#define DVC_VALUE_SET(Name, Rule, How, CODES, Doc) add(#Name, Listed<CODES>(), 0, [] { \
        EXPECT_EQ(DvCtrl##Name(S, 2), DvOk);                                            \
        EXPECT_EQ(dvcsim::GetStateValue(kSerial, CODES::kList[0]), dvc::paths::Switched(Switch::How, 2)); \
    });
#define DVC_COMMAND(Name, Rule, Code, Value, Doc) add(#Name, {Code}, 0, [] { \
        EXPECT_EQ(DvCtrl##Name(S), DvOk);                                    \
        EXPECT_EQ(dvcsim::GetStateValue(kSerial, Code), Value##u);           \
    });
#define DVC_VALUE_COPY(Name, Rule, From, To, Doc) add(#Name, {From, To}, 0, [] { \
        dvcsim::SetStateValue(kSerial, From, 42);                                \
        EXPECT_EQ(DvCtrl##Name(S), DvOk);                                        \
        EXPECT_EQ(dvcsim::GetStateValue(kSerial, To), 42u);                      \
    });
#define DVC_FORWARD_GET(Name, Rule, Code, Primitive, Doc) \
    add(#Name, {Code}, 0, [] { EXPECT_EQ(DvCtrl##Name(S, &out), DvOk); });
#define DVC_FORWARD_SET(Name, Rule, Code, Primitive, Doc) \
    add(#Name, {Code}, 0, [] { EXPECT_EQ(DvCtrl##Name(S, 1), DvOk); });
#define DVC_FORWARD_GET_XY(Name, Rule, Code, Primitive, Doc) \
    add(#Name, {Code}, 0, [] { EXPECT_EQ(DvCtrl##Name(S, &x, &y), DvOk); });
#define DVC_FORWARD_SET_XY(Name, Rule, Code, Primitive, Doc) \
    add(#Name, {Code}, 0, [] { EXPECT_EQ(DvCtrl##Name(S, 0.3127, 0.329), DvOk); });
#define DVC_CHANNEL_GET(Name, Rule, Primitive, CODES, Doc) \
    add(#Name, Listed<CODES>(), 0, [] { EXPECT_EQ(DvCtrl##Name(S, &out, 2), DvOk); });
#define DVC_CHANNEL_SET(Name, Rule, Primitive, CODES, Doc) add(#Name, Listed<CODES>(), 0, [] { \
        EXPECT_EQ(DvCtrl##Name(S, 7, 1), DvOk);                                                \
        EXPECT_EQ(dvcsim::GetStateValue(kSerial, CODES::kList[1]), 7u);                        \
    });
#define DVC_FIXED_MAX_GET(Name, Rule, Code, Doc) add(#Name, {Code}, 0, [] { \
        EXPECT_EQ(DvCtrl##Name(S, &out), DvOk);                             \
        EXPECT_EQ(out, 100);                                                \
    });
#define DVC_FIXED_MAX_COUNT(Name, Code, Doc) add(#Name, {Code}, 0, [] { EXPECT_EQ(DvCtrl##Name(S), 100); });
#define DVC_FIXED_LENGTH_GET(Name, Rule, Code, Doc) add(#Name, {Code}, 0, [] { \
        EXPECT_EQ(DvCtrl##Name(S, &out), DvOk);                                \
        EXPECT_EQ(out, 4);                                                     \
    });
#define DVC_BLOCK_VALUE_GET(Name, Rule, Code, Doc) add(#Name, {Code}, 0, [] { \
        dvcsim::SetStateValue(kSerial, Code, 0x01020304);                     \
        EXPECT_EQ(DvCtrl##Name(S, &out), DvOk);                               \
        EXPECT_EQ(out, 0x01020304);                                           \
    });
#define DVC_BLOCK_VALUE_SET(Name, Rule, Code, Doc) add(#Name, {Code}, 0, [] { \
        EXPECT_EQ(DvCtrl##Name(S, 0x0A0B), DvOk);                             \
        EXPECT_EQ(dvcsim::GetStateValue(kSerial, Code), 0x0A0Bu);             \
    });
#define DVC_BLOCK_FIELD_GET(Name, Rule, Code, Offset, Width, Doc) \
    add(#Name, {Code}, 0, [] { EXPECT_EQ(DvCtrl##Name(S, &out), DvOk); });
#define DVC_BLOCK_FIELD_SET(Name, Rule, Code, Offset, Width, How, Doc) add(#Name, {Code}, 0, [] { \
        dvcsim::SetStateValue(kSerial, Code, 0xFFFFFFFF);                                          \
        EXPECT_EQ(DvCtrl##Name(S, 1), DvOk);                                                       \
        const uint32_t mask = (Width) == 4 ? 0xFFFFFFFFu : ((1u << (8 * (Width))) - 1) << (8 * (Offset)); \
        EXPECT_EQ(dvcsim::GetStateValue(kSerial, Code), (0xFFFFFFFFu & ~mask) | (1u << (8 * (Offset)))); \
    });
#define DVC_BLOCK_ITEM_GET(Name, Rule, Code, Width, Doc) \
    add(#Name, {Code}, 0, [] { EXPECT_EQ(DvCtrl##Name(S, 3, &out), DvOk); });
#define DVC_BLOCK_ITEM_SET(Name, Rule, Code, Width, Doc) \
    add(#Name, {Code}, 0, [] { EXPECT_EQ(DvCtrl##Name(S, 3, 9), DvOk); });
#define DVC_BLOCK_RAW_GET(Name, Rule, Code, Doc) add(#Name, {Code}, 0, [] { \
        int size = sizeof bytes;                                            \
        EXPECT_EQ(DvCtrl##Name(S, bytes, &size), DvOk);                     \
        EXPECT_EQ(size, 4);                                                 \
    });
#define DVC_BLOCK_RAW_SET(Name, Rule, Code, Doc) \
    add(#Name, {Code}, 0, [] { EXPECT_EQ(DvCtrl##Name(S, bytes, 3), DvOk); });
#define DVC_BLOCK_FIXED_GET(Name, Rule, Code, Length, Doc) \
    add(#Name, {Code}, Length, [] { EXPECT_EQ(DvCtrl##Name(S, bytes), DvOk); });
#define DVC_BLOCK_FIXED_SET(Name, Rule, Code, Length, Doc) \
    add(#Name, {Code}, Length, [] { EXPECT_EQ(DvCtrl##Name(S, bytes), DvOk); });
#define DVC_BLOCK_XY_GET(Name, Rule, Code, Pairs, Doc) \
    add(#Name, {Code}, 4 * (Pairs), [] { EXPECT_EQ(DvCtrl##Name(S, pairs), DvOk); });
#define DVC_BLOCK_XY_SET(Name, Rule, Code, Pairs, Doc) \
    add(#Name, {Code}, 4 * (Pairs), [] { EXPECT_EQ(DvCtrl##Name(S, pairs), DvOk); });
#include "paths/feature_table.def"
#undef S
    return rows;
}

// A monitor with every code of the table: a value (0 to 100, four bytes as
// a data block) or, for fixed-length blocks, a data item of that length.
std::string TableWorld(const std::vector<SimRow>& rows) {
    std::map<uint32_t, uint32_t> codes;
    for (const SimRow& row : rows)
        for (uint32_t code : row.codes) codes[code] = std::max(codes[code], row.fixedLength);
    std::string features;
    for (const auto& [code, length] : codes) {
        char entry[160];
        if (length > 0)
            std::snprintf(entry, sizeof entry, "\"0x%X\": {\"kind\": \"data\", \"length\": %u},", code, length);
        else
            std::snprintf(entry, sizeof entry,
                          "\"0x%X\": {\"max\": 100, \"value\": 1, \"length\": 4, \"check\": \"none\"},", code);
        features += entry;
    }
    features.pop_back();
    return std::string(R"({"profiles": {"table": {"model": "TABLEMON", "features": {)") + features +
           R"(}}}, "monitors": [{"serial": "TBL00001", "profile": "table", "links": {"hid": true, "ddcci": true}}]})";
}

class SimRowTest : public ::testing::TestWithParam<SimRow> {
protected:
    static void SetUpTestSuite() {
        dvc::test::ResetLibrary();
        const auto status = dvcsim::ActivateWorldJson(TableWorld(SimRows()), "table world");
        ASSERT_TRUE(status) << status.message;
        ASSERT_EQ(DvCtrlFind(nullptr, 0), 1);
    }
    static void TearDownTestSuite() {
        DvCtrlRelease();
        dvcsim::DeactivateWorld();
    }
    void SetUp() override {
        dvcsim::ResetState();
        dvcsim::ClearTransactions();
    }
};

void PrintTo(const SimRow& row, std::ostream* os) { *os << row.name; }

TEST_P(SimRowTest, SucceedsOnItsOwnCodes) {
    const SimRow& row = GetParam();
    row.run();
    const auto sent = dvcsim::Transactions();
    EXPECT_FALSE(sent.empty());
    if (row.codes.empty()) return;
    for (const auto& t : sent) {
        EXPECT_NE(std::find(row.codes.begin(), row.codes.end(), t.code), row.codes.end())
            << dvcsim::Describe(t) << " is not one of the row's codes";
    }
}

INSTANTIATE_TEST_SUITE_P(FeatureTable, SimRowTest, ::testing::ValuesIn(SimRows()),
                         [](const ::testing::TestParamInfo<SimRow>& p) { return p.param.name; });

// Paths are asked in discovery order: HID first, then DDC/CI.
TEST(TableSim, FirstAnswerStaysOnTheHidPathAndDdcOnlyPrimitivesReachTheSecondPath) {
    dvc::test::ResetLibrary();
    ASSERT_TRUE(dvcsim::ActivateWorldJson(TableWorld(SimRows()), "table world"));
    ASSERT_EQ(DvCtrlFind(nullptr, 0), 1);
    dvcsim::ClearTransactions();
    int value = 0;
    EXPECT_EQ(DvCtrlGetLuminanceWarning(kSerial, kModel, &value), DvOk);
    ASSERT_EQ(dvcsim::Transactions().size(), 1u);
    EXPECT_EQ(dvcsim::Transactions()[0].link, dvcsim::Link::HID);
    dvcsim::ClearTransactions();
    EXPECT_EQ(DvCtrlGetPowerSaveState(kSerial, kModel, &value), DvOk);
    const auto sent = dvcsim::Transactions();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.back().link, dvcsim::Link::DDCCI) << "the HID path does not carry the power-save state";
    DvCtrlRelease();
    dvcsim::DeactivateWorld();
}

}  // namespace
