// Walks the whole feature table: every row's export, called through the
// public header as a host calls it, against a scripted path.
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "features/table_walk_blocks.hpp"
#include "libdvc/libdvc.h"

namespace dvc::test::walk {
namespace {

struct Row {
    std::string name;
    std::function<void(Walk&)> check;
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

std::vector<Row> TableRows() {
    std::vector<Row> rows;
    auto add = [&rows](const char* name, std::function<void(Walk&)> check) { rows.push_back({name, std::move(check)}); };

#define DVC_SUPPORTED(Name, CODES, Doc) add(#Name, [](Walk& w) { Supported<CODES>(w, &DvCtrl##Name); });
#define DVC_SUPPORTED_OUT(Name, Primitive, CODES, Doc) \
    add(#Name, [](Walk& w) { SupportedOut<CODES>(w, &DvCtrl##Name, #Primitive, false); });
#define DVC_SUPPORTED_KEPT(Name, Primitive, CODES, Doc) \
    add(#Name, [](Walk& w) { SupportedOut<CODES>(w, &DvCtrl##Name, #Primitive, true); });
#define DVC_SUPPORTED_BY_RANGE(Name, RangeName, Kept, Doc) \
    add(#Name, [](Walk& w) { SupportedByRange(w, &DvCtrl##Name, &DvCtrl##RangeName); });
#define DVC_RANGE_OLD(Name, Rule, Code, Primitive, RefuseNull, Doc) \
    add(#Name, [](Walk& w) { RangeOld(w, &DvCtrl##Name, Code, #Primitive, RefuseNull); });
#define DVC_RANGE_CHANNELS(Name, Primitive, T, CODES, Doc) \
    add(#Name, [](Walk& w) { RangeChannels<CODES, T>(w, &DvCtrl##Name, #Primitive); });
#define DVC_RANGE_FIXED(Name, Rule, CODES, Doc) add(#Name, [](Walk& w) { RangeFixed<CODES>(w, &DvCtrl##Name); });
#define DVC_VALUE_GET(Name, Rule, Read, CODES, Doc) \
    add(#Name, [](Walk& w) { ValueGet<CODES, ReadAs::Read>(w, &DvCtrl##Name); });
#define DVC_VALUE_SET(Name, Rule, How, CODES, Doc) \
    add(#Name, [](Walk& w) { ValueSet<CODES, Switch::How>(w, &DvCtrl##Name); });
#define DVC_COMMAND(Name, Rule, Code, Value, Doc) add(#Name, [](Walk& w) { CommandRow(w, &DvCtrl##Name, Code, Value); });
#define DVC_VALUE_COPY(Name, Rule, From, To, Doc) add(#Name, [](Walk& w) { ValueCopy(w, &DvCtrl##Name, From, To); });
#define DVC_FORWARD_GET(Name, Rule, Code, Primitive, Doc) \
    add(#Name, [](Walk& w) { ForwardGet(w, &DvCtrl##Name, Code, #Primitive); });
#define DVC_FORWARD_SET(Name, Rule, Code, Primitive, Doc) \
    add(#Name, [](Walk& w) { ForwardSet(w, &DvCtrl##Name, Code, #Primitive); });
#define DVC_FORWARD_GET_XY(Name, Rule, Code, Primitive, Doc) \
    add(#Name, [](Walk& w) { ForwardXY(w, &DvCtrl##Name, nullptr, Code, #Primitive); });
#define DVC_FORWARD_SET_XY(Name, Rule, Code, Primitive, Doc) \
    add(#Name, [](Walk& w) { ForwardXY(w, nullptr, &DvCtrl##Name, Code, #Primitive); });
#define DVC_CHANNEL_GET(Name, Rule, Primitive, CODES, Doc) \
    add(#Name, [](Walk& w) { ChannelGet<CODES>(w, &DvCtrl##Name, #Primitive); });
#define DVC_CHANNEL_SET(Name, Rule, Primitive, CODES, Doc) \
    add(#Name, [](Walk& w) { ChannelSet<CODES>(w, &DvCtrl##Name, #Primitive); });
#define DVC_FIXED_MAX_GET(Name, Rule, Code, Doc) add(#Name, [](Walk& w) { FixedMaximumGet(w, &DvCtrl##Name, Code); });
#define DVC_FIXED_MAX_COUNT(Name, Code, Doc) add(#Name, [](Walk& w) { Count(w, &DvCtrl##Name, Code); });
#define DVC_FIXED_LENGTH_GET(Name, Rule, Code, Doc) add(#Name, [](Walk& w) { FixedLength(w, &DvCtrl##Name, Code); });
#define DVC_BLOCK_VALUE_GET(Name, Rule, Code, Doc) add(#Name, [](Walk& w) { BlockValueGet(w, &DvCtrl##Name, Code); });
#define DVC_BLOCK_VALUE_SET(Name, Rule, Code, Doc) add(#Name, [](Walk& w) { BlockValueSet(w, &DvCtrl##Name, Code); });
#define DVC_BLOCK_FIELD_GET(Name, Rule, Code, Offset, Width, Doc) \
    add(#Name, [](Walk& w) { BlockFieldGet(w, &DvCtrl##Name, Code, Offset, Width); });
#define DVC_BLOCK_FIELD_SET(Name, Rule, Code, Offset, Width, How, Doc) \
    add(#Name, [](Walk& w) { BlockFieldSet<Switch::How>(w, &DvCtrl##Name, Code, Offset, Width); });
#define DVC_BLOCK_ITEM_GET(Name, Rule, Code, Width, Doc) add(#Name, [](Walk& w) { BlockItemGet(w, &DvCtrl##Name, Code); });
#define DVC_BLOCK_ITEM_SET(Name, Rule, Code, Width, Doc) add(#Name, [](Walk& w) { BlockItemSet(w, &DvCtrl##Name, Code); });
#define DVC_BLOCK_RAW_GET(Name, Rule, Code, Doc) add(#Name, [](Walk& w) { BlockRawGet(w, &DvCtrl##Name, Code); });
#define DVC_BLOCK_RAW_SET(Name, Rule, Code, Doc) add(#Name, [](Walk& w) { BlockRawSet(w, &DvCtrl##Name, Code); });
#define DVC_BLOCK_FIXED_GET(Name, Rule, Code, Length, Doc) \
    add(#Name, [](Walk& w) { BlockFixedGet(w, &DvCtrl##Name, Code, Length); });
#define DVC_BLOCK_FIXED_SET(Name, Rule, Code, Length, Doc) \
    add(#Name, [](Walk& w) { BlockFixedSet(w, &DvCtrl##Name, Code, Length); });
#define DVC_BLOCK_XY_GET(Name, Rule, Code, Pairs, Doc) add(#Name, [](Walk& w) { BlockXYGet(w, &DvCtrl##Name, Code, Pairs); });
#define DVC_BLOCK_XY_SET(Name, Rule, Code, Pairs, Doc) add(#Name, [](Walk& w) { BlockXYSet(w, &DvCtrl##Name, Code, Pairs); });
#include "paths/feature_table.def"
    return rows;
}

class RowTest : public Walk, public ::testing::WithParamInterface<Row> {};

TEST_P(RowTest, BehavesAsItsShape) { GetParam().check(*this); }

INSTANTIATE_TEST_SUITE_P(FeatureTable, RowTest, ::testing::ValuesIn(TableRows()),
                         [](const ::testing::TestParamInfo<Row>& row) { return row.param.name; });

TEST(FeatureTableRows, EveryExportIsWalkedOnce) {
    std::vector<std::string> names;
    for (const Row& row : TableRows()) names.push_back(row.name);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end()) << "a row is in the table twice";
    EXPECT_GT(names.size(), 300u);
}

}  // namespace
}  // namespace dvc::test::walk
