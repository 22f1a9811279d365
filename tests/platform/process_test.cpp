// Process liveness: whether a monitor mutex held by another process may be taken.
#include "platform/process.hpp"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace dvc::platform;

TEST(Process, LivenessFollowsTheProcessTable) {
    EXPECT_TRUE(IsProcessRunning(CurrentProcessId()));
    EXPECT_TRUE(IsProcessRunning(1));  // init is always there
    EXPECT_FALSE(IsProcessRunning(0)) << "0 addresses a process group";
    EXPECT_FALSE(IsProcessRunning(0xFFFFFFFFu)) << "would be -1: every process";

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) _exit(0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_FALSE(IsProcessRunning(static_cast<uint32_t>(child)));
}
