#include "platform/critical_section.hpp"

#include <gtest/gtest.h>

#include <thread>

using varn_dvc::CriticalSection;

TEST(CriticalSection, IsReentrantForItsOwnerAndExclusiveForOthers) {
    CriticalSection lock;
    lock.Enter();
    lock.Enter();
    EXPECT_TRUE(lock.TryEnter());
    bool otherGotIt = true;
    std::thread([&] { otherGotIt = lock.TryEnter(); }).join();
    EXPECT_FALSE(otherGotIt);
    lock.Leave();
    lock.Leave();
    std::thread([&] { otherGotIt = lock.TryEnter(); }).join();
    EXPECT_FALSE(otherGotIt) << "one Leave short of the three entries";
    lock.Leave();
    std::thread([&] {
        otherGotIt = lock.TryEnter();
        if (otherGotIt) lock.Leave();
    }).join();
    EXPECT_TRUE(otherGotIt);
}

TEST(CriticalSection, LeaveByAThreadThatDoesNotOwnItChangesNothing) {
    CriticalSection lock;
    lock.Enter();
    std::thread([&] { lock.Leave(); }).join();
    bool otherGotIt = true;
    std::thread([&] { otherGotIt = lock.TryEnter(); }).join();
    EXPECT_FALSE(otherGotIt);
    lock.Leave();
    lock.Leave();  // one too many: harmless
    std::thread([&] {
        otherGotIt = lock.TryEnter();
        if (otherGotIt) lock.Leave();
    }).join();
    EXPECT_TRUE(otherGotIt);
}
