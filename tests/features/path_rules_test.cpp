#include "features/path_rules.hpp"

#include <gtest/gtest.h>

#include <array>
#include <vector>

using namespace dvc::features;

namespace {
// Stand-in paths that answer with scripted results and count their calls.
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

DvError Ask(ScriptedPath& path) {
    ++path.calls;
    return path.result;
}

constexpr DvError kTransport = static_cast<DvError>(0x80000020);
}  // namespace

TEST(PathRules, FirstAnswerStopsAtSuccessOrRefusal) {
    Paths refused({DvErrRefused, DvOk});
    EXPECT_EQ(FirstAnswer(refused.list, Ask), DvErrRefused);
    EXPECT_EQ(refused.Calls(), (std::vector<int>{1, 0}));
    Paths failed({kTransport, static_cast<DvError>(7)});
    EXPECT_EQ(FirstAnswer(failed.list, Ask), 7);
    Paths none({DvErrNotSupported, kTransport});
    EXPECT_EQ(FirstAnswer(none.list, Ask), kTransport);  // the last path's failure
}

TEST(PathRules, FirstSuccessGoesPastARefusal) {
    Paths paths({DvErrRefused, DvOk, kTransport});
    EXPECT_EQ(FirstSuccess(paths.list, Ask), DvOk);
    EXPECT_EQ(paths.Calls(), (std::vector<int>{1, 1, 0}));
    Paths refusedLast({kTransport, DvErrRefused});
    EXPECT_EQ(FirstSuccess(refusedLast.list, Ask), DvErrRefused);
}

TEST(PathRules, AnyPathTakesTheFirstNonzeroAnswer) {
    auto flag = [](ScriptedPath& p) { return static_cast<int>(Ask(p)); };
    Paths paths({DvOk, static_cast<DvError>(1), static_cast<DvError>(2)});
    EXPECT_EQ(AnyPath(paths.list, flag), 1);
    EXPECT_EQ(paths.Calls(), (std::vector<int>{1, 1, 0}));
    Paths none({DvOk, DvOk});
    EXPECT_EQ(AnyPath(none.list, flag), 0);
}

TEST(PathRules, FirstPathOnlyAsksTheFirstPathPerChannelAndFailsAtOnce) {
    Paths paths({DvOk, DvOk});
    std::vector<int> channels;
    auto record = [&](ScriptedPath& p, int channel) {
        channels.push_back(channel);
        Ask(p);
        return channel == 1 && channels.size() > 3 ? DvErrRefused : DvOk;
    };
    EXPECT_EQ(FirstPathOnly(paths.list, std::array{0, 1, 2}, record), DvOk);
    EXPECT_EQ(paths.Calls(), (std::vector<int>{3, 0}));
    EXPECT_EQ(FirstPathOnly(paths.list, std::array{0, 1, 2}, record), DvErrFailed);
    EXPECT_EQ(channels, (std::vector<int>{0, 1, 2, 0, 1}));
}

TEST(PathRules, NoPathsGiveTheFailureOfTheirClass) {
    const std::vector<ScriptedPath*> none;
    EXPECT_EQ(FirstAnswer(none, Ask), DvErrFailed);
    EXPECT_EQ(FirstSuccess(none, Ask), DvErrFailed);
    EXPECT_EQ(AnyPath(none, [](ScriptedPath&) { return 1; }), 0);
    EXPECT_EQ(FirstPathOnly(none, std::array{6}, [](ScriptedPath&, int) { return DvOk; }), DvErrFailed);
}
