// The command line's words as values, and features read, set and run through stand-in exports that log their
// calls: the monitor's pair, a value's order beside its channel or item, block lengths; bad words call nothing.
#include <fmt/format.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "failure.hpp"
#include "feature_access.hpp"
#include "value_text.hpp"

namespace {

using namespace dvc::cli;
using testing::HasSubstr, testing::Property, testing::Throws, testing::ThrowsMessage;

TEST(DvctlValues, WordsAreNumbersHexOrSwitchesAndBadOnesAreQuoted) {
    for (const auto& [text, value] :
         std::vector<std::pair<const char*, int>>{{"42", 42},
                                                  {"-5", -5},
                                                  {"+7", 7},
                                                  {"0x1F", 31},
                                                  {"0X10", 16},
                                                  {"-0x10", -16},
                                                  {"2147483647", 2147483647},
                                                  {"-2147483648", -2147483647 - 1},
                                                  {"0xFFFFFFFF", -1},
                                                  {"0x80000000", -2147483647 - 1},  // hex: 32 bits
                                                  {"on", 1},
                                                  {"OFF", 0},
                                                  {"true", 1},
                                                  {"no", 0},
                                                  {"Yes", 1},
                                                  {"false", 0}})
        EXPECT_EQ(ParseInt(text), value) << text;
    for (const std::string bad : {"", "-", "+", "abc", "12abc", "1.5", "0x", "0xG1", "--3", "+-3", " 3", "2147483648",
                                  "-2147483649", "0x100000000", "-0x80000001", "99999999999999999999999"})
        EXPECT_THAT([&] { ParseInt(bad); }, ThrowsMessage<UsageError>(HasSubstr("\"" + bad + "\""))) << bad;
    EXPECT_EQ(ParseNumber("-3.127e-1"), -0.3127);
    for (const char* bad : {"", "x", "0.3.1", "nan", "inf", "0.3 "}) EXPECT_THROW(ParseNumber(bad), UsageError) << bad;
    for (const char* text : {"0a1bff", "0A1BFF", "0x0a1bff", "0X0a1bff", "0a:1b:ff", "0a 1b-ff"})
        EXPECT_EQ(ParseHex(text), (std::vector<uint8_t>{0x0a, 0x1b, 0xff})) << text;
    EXPECT_EQ(Hex({0, 1, 0x0a, 0x80, 0xff}), "00010a80ff");
    for (const char* bad : {"0a1", "0:a1b", "0g", "zz", "", "0x", ":"}) EXPECT_THROW(ParseHex(bad), UsageError) << bad;
}

std::string called;      // the stand-ins' calls, in order
int blockLength = 300;   // what the block stand-in holds
bool blockLies = false;  // it reports its length without asking for room

template <class... T>
DvError Log(const char* name, Id a, Id b, T... values) {
    called += fmt::format("{}({} {}", name, a, b);
    ((called += fmt::format(" {}", values)), ...);
    called += ") ";
    return DvOk;
}

DvError SetValue(Id a, Id b, int v) { return Log("SetValue", a, b, v); }
DvError SetChannel(Id a, Id b, int value, int channel) { return Log("SetChannel", a, b, value, channel); }
DvError SetItem(Id a, Id b, int index, int value) { return Log("SetItem", a, b, index, value); }
DvError GetChannel(Id a, Id b, int* v, int channel) {
    *v = 100 + channel;
    return Log("GetChannel", a, b, channel);
}
DvError GetItem(Id a, Id b, int index, int* value) {
    *value = 200 + index;
    return Log("GetItem", a, b, index);
}
DvError Refuse(Id a, Id b, int*) {
    Log("Refuse", a, b);
    return DvErrRefused;
}
DvError Range(Id, Id, int* maximum, int* minimum) {
    *maximum = 10;
    *minimum = -10;
    return DvOk;
}
DvError SetFixed(Id a, Id b, const uint8_t* d) { return Log("SetFixed", a, b, +d[0], +d[1], +d[2]); }
DvError SetPairs(Id a, Id b, const double* xy) { return Log("SetPairs", a, b, xy[0], xy[1], xy[2], xy[3]); }
DvError SetBlock(Id a, Id b, const uint8_t* d, int n) { return Log("SetBlock", a, b, n, +d[0], +d[n - 1]); }
DvError Action(Id a, Id b, const std::vector<int>& w) { return Log("Action", a, b, w.size(), w.at(0), w.at(1)); }
DvError Block(Id a, Id b, uint8_t* data, int* size) {
    Log("Block", a, b, *size);
    const int room = std::exchange(*size, blockLength);
    if (room < blockLength && !blockLies) return DvErrSizeMismatch;
    for (int i = 0; i < std::min(room, blockLength); ++i) data[i] = static_cast<uint8_t>(i);
    return DvOk;
}

Feature Make(Getter get, Setter set = {}, Ranger range = {}, Runner run = {}) {
    return Feature{"test-feature", "TestFeature", "a test feature", {}, get, set, range, run};
}

const Monitor kMonitor{0, "S", "M", 0, {}};
const Feature kChannel = Make(ChannelGet{GetChannel}, ChannelSet{SetChannel}, IntRange{Range});
const Feature kItem = Make(ItemGet{GetItem}, ItemSet{SetItem});
const Feature kValue = Make(ValueGet{Refuse}, ValueSet{SetValue});
const Feature kPairs = Make({}, PairsSet{SetPairs, 2});
const Feature kFixed = Make({}, FixedSet{SetFixed, 3});
const Feature kAction = Make({}, {}, {}, ArgsCommand{Action, 2, "KIND VALUE"});

TEST(FeatureAccess, ValuesChannelsAndItemsReachTheirOwnArguments) {
    called.clear();
    EXPECT_EQ(ReadFeature(kChannel, kMonitor, {2, {}}, false).text, "102");
    EXPECT_EQ(ReadFeature(kItem, kMonitor, {{}, 4}, false).fields["value"], 204);
    WriteFeature(kChannel, kMonitor, {1, {}}, {"77"});
    WriteFeature(kItem, kMonitor, {{}, 3}, {"0x20"});
    WriteFeature(kPairs, kMonitor, {}, {"0.1", "0.2", "0.3", "0.4"});
    WriteFeature(kFixed, kMonitor, {}, {"0a:0b:0c"});
    WriteFeature(Make({}, BlockSet{SetBlock}), kMonitor, {}, {"0xdeadbeef"});
    RunFeature(kAction, kMonitor, {"1", "0x100"});
    EXPECT_EQ(called,
              "GetChannel(S M 2) GetItem(S M 4) SetChannel(S M 77 1) SetItem(S M 3 32) SetPairs(S M 0.1 0.2 "
              "0.3 0.4) SetFixed(S M 10 11 12) SetBlock(S M 4 222 239) Action(S M 2 1 256) ");
    // The range when asked, or when there is nothing else to read.
    EXPECT_EQ(ReadFeature(kChannel, kMonitor, {}, true).text, "min -10 max 10");
    EXPECT_EQ(ReadFeature(Make({}, {}, IntRange{Range}), kMonitor, {}, false).fields,
              (nlohmann::ordered_json{{"min", -10}, {"max", 10}}));
    EXPECT_THAT([] { ReadFeature(kValue, kMonitor, {}, false); },
                Throws<Failure>(Property(&Failure::Code, DvErrRefused)));
}

TEST(FeatureAccess, BadWordsAndSelectorsAreFoundBeforeAnyCall) {
    called.clear();
    EXPECT_THROW(ReadFeature(kChannel, kMonitor, {}, false), UsageError);
    EXPECT_THROW(ReadFeature(kChannel, kMonitor, {{}, 1}, false), UsageError);  // an index is not a channel
    EXPECT_THROW(ReadFeature(kChannel, kMonitor, {1, {}}, true), UsageError);   // a range has no channel
    EXPECT_THROW(WriteFeature(kValue, kMonitor, {0, {}}, {"1"}), UsageError);
    EXPECT_THROW(ReadFeature(kValue, kMonitor, {}, true), UsageError);  // no range
    for (const auto& words : std::vector<std::vector<std::string>>{{"ten"}, {}, {"1", "2"}})
        EXPECT_THROW(WriteFeature(kValue, kMonitor, {}, words), UsageError) << words.size();
    EXPECT_THROW(WriteFeature(kFixed, kMonitor, {}, {"01020304"}), UsageError);
    EXPECT_THROW(WriteFeature(kAction, kMonitor, {}, {"1"}), UsageError);  // nothing to set
    EXPECT_THROW(RunFeature(kAction, kMonitor, {"1"}), UsageError);
    EXPECT_THROW(RunFeature(kAction, kMonitor, {"1", "x"}), UsageError);
    EXPECT_THROW(RunFeature(kValue, kMonitor, {}), UsageError);  // not an action
    EXPECT_EQ(called, "");
}

TEST(FeatureAccess, BlocksGrowOnceToTheLengthTheLibraryReports) {
    const Feature block = Make(BlockGet{Block});
    for (const int length : {300, 5}) {
        called.clear();
        blockLength = length;
        const std::string text = ReadFeature(block, kMonitor, {}, false).text;
        EXPECT_EQ(text.size(), 2u * length);
        EXPECT_EQ(text.substr(0, 10), "0001020304");
        EXPECT_EQ(called, length > 256 ? "Block(S M 256) Block(S M 300) " : "Block(S M 256) ");
    }
    blockLength = 300;
    blockLies = true;  // a length past the room given is not believed
    EXPECT_THAT([&] { ReadFeature(block, kMonitor, {}, false); },
                Throws<Failure>(Property(&Failure::Code, DvErrDataTruncated)));
}

}  // namespace
