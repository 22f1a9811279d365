// The progress line of long calls: the call on a worker thread, the line
// drawn only when asked and cleared at the end.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "progress.hpp"

namespace {

using namespace dvctl;

class ProgressLine : public testing::Test {
protected:
    void SetUp() override { file_ = std::tmpfile(); ASSERT_NE(file_, nullptr); }
    void TearDown() override { std::fclose(file_); }
    std::string Written() {
        std::string text;
        std::rewind(file_);
        for (int c = std::fgetc(file_); c != EOF; c = std::fgetc(file_)) text += static_cast<char>(c);
        return text;
    }
    std::FILE* file_ = nullptr;
};

TEST_F(ProgressLine, TheCallRunsOnAWorkerAndItsResultComesBack) {
    const auto main = std::this_thread::get_id();
    std::thread::id worker;
    const DvError result = RunWithProgress("working", [&] { worker = std::this_thread::get_id(); return DvErrTimeout; },
                                           file_, false);
    EXPECT_EQ(result, DvErrTimeout);
    EXPECT_NE(worker, main);
    EXPECT_TRUE(Written().empty());
}

TEST_F(ProgressLine, OnATerminalTheLineShowsTheLabelAndIsClearedAtTheEnd) {
    EXPECT_EQ(RunWithProgress("writing the EDID", [] { return DvOk; }, file_, true), DvOk);
    const std::string text = Written();
    EXPECT_EQ(text.rfind("\r| writing the EDID... 0.", 0), 0u) << text;
    EXPECT_NE(text.find(" s"), std::string::npos) << text;
    const std::string clear = "\r\033[K";
    ASSERT_GE(text.size(), clear.size());
    EXPECT_EQ(text.substr(text.size() - clear.size()), clear);
}

TEST_F(ProgressLine, ASlowCallRedrawsOnOneLineUntilItReturns) {
    int calls = 0;
    const DvError result = RunWithProgress("automatic adjustment", [&] {
        ++calls;
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
        return DvErrRefused;
    }, file_, true);
    EXPECT_EQ(result, DvErrRefused);
    EXPECT_EQ(calls, 1);
    const std::string text = Written();
    // Every frame starts at the line's beginning; none starts a new line.
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_GE(std::count(text.begin(), text.end(), '\r'), 2);
    EXPECT_EQ(text.substr(text.size() - 4), "\r\033[K");
}

}  // namespace
