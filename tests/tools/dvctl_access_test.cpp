// Reading, setting and running catalogue features, against stand-in
// exports that record how they were called: argument order, the number
// beside the value, block lengths, and that bad words call nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "failure.hpp"
#include "feature_access.hpp"

namespace {

using namespace dvctl;

struct Calls {
    int count = 0;
    std::string id1, id2;
    std::vector<int> ints;
    std::vector<uint8_t> bytes;
    std::vector<double> doubles;
    int blockLength = 300;  // what the block stand-in holds
    bool blockLies = false;  // reports more than it was given room for
};
Calls calls;

void Record(Id id1, Id id2, std::vector<int> ints) {
    ++calls.count;
    calls.id1 = id1;
    calls.id2 = id2;
    calls.ints = std::move(ints);
}

DvError SetValue(Id a, Id b, int v) { Record(a, b, {v}); return DvOk; }
DvError SetChannel(Id a, Id b, int value, int channel) { Record(a, b, {value, channel}); return DvOk; }
DvError SetItem(Id a, Id b, int index, int value) { Record(a, b, {index, value}); return DvOk; }
DvError GetChannel(Id a, Id b, int* value, int channel) { Record(a, b, {channel}); *value = 100 + channel; return DvOk; }
DvError GetItem(Id a, Id b, int index, int* value) { Record(a, b, {index}); *value = 200 + index; return DvOk; }
DvError Refuse(Id a, Id b, int* value) { Record(a, b, {}); *value = 0; return DvErrRefused; }
DvError Range(Id a, Id b, int* maximum, int* minimum) { Record(a, b, {}); *maximum = 10; *minimum = -10; return DvOk; }

DvError Block(Id a, Id b, uint8_t* data, int* size) {
    Record(a, b, {*size});
    if (*size < calls.blockLength && !calls.blockLies) {
        *size = calls.blockLength;
        return DvErrSizeMismatch;
    }
    const int n = std::min(*size, calls.blockLength);
    for (int i = 0; i < n; ++i) data[i] = static_cast<uint8_t>(i);
    *size = calls.blockLies ? *size + 1 : calls.blockLength;
    return DvOk;
}
DvError SetBlock(Id a, Id b, const uint8_t* data, int size) {
    Record(a, b, {size});
    calls.bytes.assign(data, data + size);
    return DvOk;
}
DvError SetFixed(Id a, Id b, const uint8_t* data) {
    Record(a, b, {});
    calls.bytes.assign(data, data + 3);
    return DvOk;
}
DvError SetPairs(Id a, Id b, const double* xy) {
    Record(a, b, {});
    calls.doubles.assign(xy, xy + 4);
    return DvOk;
}
DvError TwoArguments(Id a, Id b, const std::vector<int>& arguments) { Record(a, b, arguments); return DvOk; }

class FeatureAccess : public testing::Test {
protected:
    void SetUp() override {
        calls = Calls{};
        monitor.serial = "12345678";
        monitor.model = "TESTMODEL";
    }
    static Feature Make(Getter get, Setter set = {}, Ranger range = {}, Runner run = {}) {
        return Feature{"test-feature", "TestFeature", "a test feature", {}, get, set, range, run};
    }
    Monitor monitor;
};

TEST_F(FeatureAccess, ChannelsAndIndexesReachTheirOwnArgument) {
    const Feature channel = Make(ChannelGet{GetChannel}, ChannelSet{SetChannel});
    EXPECT_EQ(ReadFeature(channel, monitor, {2, {}}, false).text, "102");
    EXPECT_EQ(calls.ints, (std::vector<int>{2}));
    EXPECT_EQ(calls.id1, "12345678");
    EXPECT_EQ(calls.id2, "TESTMODEL");
    WriteFeature(channel, monitor, {1, {}}, {"77"});
    EXPECT_EQ(calls.ints, (std::vector<int>{77, 1}));  // value, then channel

    const Feature item = Make(ItemGet{GetItem}, ItemSet{SetItem});
    const Reading read = ReadFeature(item, monitor, {{}, 4}, false);
    EXPECT_EQ(read.fields["value"], 204);
    WriteFeature(item, monitor, {{}, 3}, {"0x20"});
    EXPECT_EQ(calls.ints, (std::vector<int>{3, 32}));  // index, then value
}

TEST_F(FeatureAccess, AMissingOrSurplusSelectorCallsNothing) {
    const Feature channel = Make(ChannelGet{GetChannel}, ChannelSet{SetChannel});
    EXPECT_THROW(ReadFeature(channel, monitor, {}, false), UsageError);
    EXPECT_THROW(ReadFeature(channel, monitor, {{}, 1}, false), UsageError);  // an index is not a channel
    EXPECT_THROW(WriteFeature(channel, monitor, {}, {"1"}), UsageError);
    const Feature value = Make({}, ValueSet{SetValue});
    EXPECT_THROW(WriteFeature(value, monitor, {0, {}}, {"1"}), UsageError);
    EXPECT_EQ(calls.count, 0);
}

TEST_F(FeatureAccess, BadWordsAreFoundBeforeAnyCall) {
    const Feature value = Make({}, ValueSet{SetValue});
    EXPECT_THROW(WriteFeature(value, monitor, {}, {"ten"}), UsageError);
    EXPECT_THROW(WriteFeature(value, monitor, {}, {}), UsageError);
    EXPECT_THROW(WriteFeature(value, monitor, {}, {"1", "2"}), UsageError);
    const Feature pairs = Make({}, PairsSet{SetPairs, 2});
    EXPECT_THROW(WriteFeature(pairs, monitor, {}, {"0.1", "0.2", "0.3", "x"}), UsageError);
    EXPECT_THROW(WriteFeature(pairs, monitor, {}, {"0.1", "0.2", "0.3"}), UsageError);
    const Feature fixed = Make({}, FixedSet{SetFixed, 3});
    EXPECT_THROW(WriteFeature(fixed, monitor, {}, {"0102"}), UsageError);
    EXPECT_THROW(WriteFeature(fixed, monitor, {}, {"01020304"}), UsageError);
    EXPECT_THROW(WriteFeature(Make(ValueGet{Refuse}), monitor, {}, {"1"}), UsageError);  // nothing to set
    EXPECT_EQ(calls.count, 0);

    WriteFeature(pairs, monitor, {}, {"0.1", "0.2", "0.3", "0.4"});
    EXPECT_EQ(calls.doubles, (std::vector<double>{0.1, 0.2, 0.3, 0.4}));
    WriteFeature(fixed, monitor, {}, {"0a:0b:0c"});
    EXPECT_EQ(calls.bytes, (std::vector<uint8_t>{10, 11, 12}));
}

TEST_F(FeatureAccess, ALibraryFailureCarriesItsCode) {
    try {
        ReadFeature(Make(ValueGet{Refuse}), monitor, {}, false);
        ADD_FAILURE() << "a refusal read as a value";
    } catch (const Failure& f) {
        EXPECT_EQ(f.Code(), DvErrRefused);
        EXPECT_NE(std::string(f.what()).find("test-feature"), std::string::npos);
    }
}

TEST_F(FeatureAccess, BlocksGrowToTheLengthTheLibraryReports) {
    const Feature block = Make(BlockGet{Block}, BlockSet{SetBlock});
    const Reading read = ReadFeature(block, monitor, {}, false);
    EXPECT_EQ(calls.count, 2);
    EXPECT_EQ(calls.ints, (std::vector<int>{300}));
    ASSERT_EQ(read.fields["bytes"].size(), 300u);
    EXPECT_EQ(read.text.substr(0, 8), "00010203");
    EXPECT_EQ(read.text.size(), 600u);

    // A short block needs one call.
    calls = Calls{};
    calls.blockLength = 5;
    EXPECT_EQ(ReadFeature(block, monitor, {}, false).text, "0001020304");
    EXPECT_EQ(calls.count, 1);

    // A length past the room given is not believed.
    calls = Calls{};
    calls.blockLies = true;
    try {
        ReadFeature(block, monitor, {}, false);
        ADD_FAILURE() << "a block longer than its buffer was read";
    } catch (const Failure& f) {
        EXPECT_EQ(f.Code(), DvErrDataTruncated);
    }

    WriteFeature(block, monitor, {}, {"0xdeadbeef"});
    EXPECT_EQ(calls.bytes, (std::vector<uint8_t>{0xde, 0xad, 0xbe, 0xef}));
    EXPECT_EQ(calls.ints, (std::vector<int>{4}));
}

TEST_F(FeatureAccess, RangesAreReadWhenAskedOrWhenThereIsNothingElse) {
    const Feature both = Make(ItemGet{GetItem}, {}, IntRange{Range});
    EXPECT_EQ(ReadFeature(both, monitor, {}, true).text, "min -10 max 10");
    const Reading only = ReadFeature(Make({}, {}, IntRange{Range}), monitor, {}, false);
    EXPECT_EQ(only.fields["min"], -10);
    EXPECT_EQ(only.fields["max"], 10);
    EXPECT_THROW(ReadFeature(Make(ValueGet{Refuse}), monitor, {}, true), UsageError);
}

TEST_F(FeatureAccess, ActionsTakeExactlyTheirArguments) {
    const Feature action = Make({}, {}, {}, ArgsCommand{TwoArguments, 2, "KIND VALUE"});
    EXPECT_THROW(RunFeature(action, monitor, {"1"}), UsageError);
    EXPECT_THROW(RunFeature(action, monitor, {"1", "x"}), UsageError);
    EXPECT_EQ(calls.count, 0);
    RunFeature(action, monitor, {"1", "0x100"});
    EXPECT_EQ(calls.ints, (std::vector<int>{1, 256}));
    EXPECT_THROW(RunFeature(Make(ValueGet{Refuse}), monitor, {}), UsageError);  // not an action
}

}  // namespace
