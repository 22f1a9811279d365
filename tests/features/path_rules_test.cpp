#include "features/path_rules.hpp"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace dvc::features;

namespace {
// A stand-in path that answers with a scripted result and counts the calls.
struct ScriptedPath {
    DvError result;
    int calls = 0;
};

struct Paths {
    explicit Paths(std::vector<DvError> results) {
        for (DvError r : results) storage.push_back({r});
        for (auto& p : storage) list.push_back(&p);
    }
    std::vector<int> Calls() const {
        std::vector<int> calls;
        for (const auto& p : storage) calls.push_back(p.calls);
        return calls;
    }
    std::vector<ScriptedPath> storage;
    std::vector<ScriptedPath*> list;
};

auto Ask = [](ScriptedPath& path) {
    ++path.calls;
    return path.result;
};

constexpr DvError kTransport = static_cast<DvError>(0x80000020);
}  // namespace

TEST(FirstAnswer, StopsAtSuccessOrRefusal) {
    Paths refusedFirst({DvErrRefused, DvOk});
    EXPECT_EQ(FirstAnswer(refusedFirst.list, Ask), DvErrRefused);
    EXPECT_EQ(refusedFirst.Calls(), (std::vector<int>{1, 0}));

    Paths failedFirst({kTransport, static_cast<DvError>(7)});
    EXPECT_EQ(FirstAnswer(failedFirst.list, Ask), 7);
    EXPECT_EQ(failedFirst.Calls(), (std::vector<int>{1, 1}));
}

TEST(FirstAnswer, AllFailingGivesTheLastPathsResult) {
    Paths paths({DvErrNotSupported, kTransport});
    EXPECT_EQ(FirstAnswer(paths.list, Ask), kTransport);
}

TEST(FirstSuccess, RefusalGoesOnToTheNextPath) {
    Paths paths({DvErrRefused, DvOk, kTransport});
    EXPECT_EQ(FirstSuccess(paths.list, Ask), DvOk);
    EXPECT_EQ(paths.Calls(), (std::vector<int>{1, 1, 0}));

    Paths refusedLast({kTransport, DvErrRefused});
    EXPECT_EQ(FirstSuccess(refusedLast.list, Ask), DvErrRefused);
}

TEST(AnyPath, FirstNonzeroAnswerWins) {
    Paths paths({DvOk, static_cast<DvError>(1), static_cast<DvError>(2)});
    EXPECT_EQ(AnyPath(paths.list, [](ScriptedPath& p) { return Ask(p) != 0 ? static_cast<int>(p.result) : 0; }), 1);
    EXPECT_EQ(paths.Calls(), (std::vector<int>{1, 1, 0}));

    Paths none({DvOk, DvOk});
    EXPECT_EQ(AnyPath(none.list, [](ScriptedPath& p) { return static_cast<int>(Ask(p)); }), 0);
    EXPECT_EQ(none.Calls(), (std::vector<int>{1, 1}));
}

TEST(FirstPathOnly, AsksOnlyTheFirstPathOncePerChannel) {
    Paths paths({DvOk, DvOk});
    std::vector<int> channels;
    const DvError r = FirstPathOnly(paths.list, std::array{0, 1, 2}, [&](ScriptedPath& p, int channel) {
        channels.push_back(channel);
        return Ask(p);
    });
    EXPECT_EQ(r, DvOk);
    EXPECT_EQ(channels, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(paths.Calls(), (std::vector<int>{3, 0}));
}

TEST(FirstPathOnly, AnyFailingChannelFailsAtOnceWithoutTheSecondPath) {
    Paths paths({DvOk, DvOk});
    int asked = 0;
    const DvError r = FirstPathOnly(paths.list, std::array{0, 1, 2}, [&](ScriptedPath&, int channel) {
        ++asked;
        return channel == 1 ? DvErrRefused : DvOk;
    });
    EXPECT_EQ(r, DvErrFailed);
    EXPECT_EQ(asked, 2);
}

TEST(PathRules, NoPathsGiveTheFailureOfTheirClass) {
    const std::vector<ScriptedPath*> none;
    EXPECT_EQ(FirstAnswer(none, Ask), DvErrFailed);
    EXPECT_EQ(FirstSuccess(none, Ask), DvErrFailed);
    EXPECT_EQ(AnyPath(none, [](ScriptedPath&) { return 1; }), 0);
    EXPECT_EQ(FirstPathOnly(none, std::array{6}, [](ScriptedPath&, int) { return DvOk; }), DvErrFailed);
}
