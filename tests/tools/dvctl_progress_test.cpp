// The progress line of long calls: the call runs once on a worker thread;
// the line is drawn only when asked, redrawn in place and cleared at the end.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "progress.hpp"

namespace {

TEST(ProgressLine, TheCallRunsOnceOnAWorkerAndTheLineIsDrawnOnlyWhenAsked) {
    for (const bool show : {false, true}) {
        std::FILE* file = std::tmpfile();
        int calls = 0;
        std::thread::id worker;
        const DvError result = dvc::cli::RunWithProgress(
            "writing the EDID",
            [&] {
                ++calls;
                worker = std::this_thread::get_id();
                std::this_thread::sleep_for(std::chrono::milliseconds(250));
                return DvErrRefused;
            },
            file, show);
        std::string text(static_cast<std::size_t>(std::ftell(file)), '\0');
        std::rewind(file);
        text.resize(std::fread(text.data(), 1, text.size(), file));
        std::fclose(file);
        EXPECT_EQ(result, DvErrRefused);
        EXPECT_EQ(calls, 1);
        EXPECT_NE(worker, std::this_thread::get_id());
        // Each frame starts at the line's beginning, none on a new line, and the spinner turns.
        const std::string frames = show ? "\r| writing the EDID... 0.0 s\r/ writing the EDID... " : "";
        EXPECT_EQ(text.substr(0, frames.size()), frames);
        EXPECT_EQ(text.find('\n'), std::string::npos);
        EXPECT_TRUE(show ? text.ends_with("\r\033[K") : text.empty()) << show << text;
    }
}

}  // namespace
