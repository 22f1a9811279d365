// Two processes share the monitors' state through DVC_SIM_STATE: a setting
// made by one is seen by the next, and concurrent writers stay coherent.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <ddclink/ddclink.h>

#include "sim_fixture.hpp"

extern char** environ;

namespace {

using namespace dvc::test;

class StateFile : public WorldTest {
protected:
    void SetUp() override {
        path_ = (std::filesystem::temp_directory_path() / ("dvcsim_state_" + std::to_string(::getpid()) + ".json")).string();
        std::filesystem::remove(path_);
        setenv("DVC_SIM_STATE", path_.c_str(), 1);
        Activate("single");
    }
    void TearDown() override {
        DvDDCCIRelease();
        WorldTest::TearDown();
        unsetenv("DVC_SIM_STATE");
        for (const auto& e : std::filesystem::directory_iterator(std::filesystem::path(path_).parent_path()))
            if (e.path().string().rfind(path_, 0) == 0) std::filesystem::remove(e.path());
    }

    // Starts sim_peer with DVC_SIM=single and this test's state file.
    pid_t Spawn(const std::vector<std::string>& args, const std::string& out = "/dev/null",
                const std::string& extra_env = "DVC_SIM_TIMING=0", const std::string& err = "/dev/null") {
        std::vector<std::string> env_store = {"DVC_SIM=single", "DVC_SIM_STATE=" + path_, extra_env};
        for (char** e = environ; *e != nullptr; ++e)
            if (std::strncmp(*e, "DVC_SIM", 7) != 0) env_store.emplace_back(*e);
        std::vector<char*> envp;
        for (auto& s : env_store) envp.push_back(s.data());
        envp.push_back(nullptr);
        std::vector<std::string> argv_store = {SIM_PEER};
        argv_store.insert(argv_store.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (auto& s : argv_store) argv.push_back(s.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t fa;
        posix_spawn_file_actions_init(&fa);
        posix_spawn_file_actions_addopen(&fa, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&fa, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        pid_t pid = -1;
        int rc = posix_spawn(&pid, SIM_PEER, &fa, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&fa);
        EXPECT_EQ(rc, 0);
        return pid;
    }
    static int Wait(pid_t pid) {
        int status = 0;
        if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
        return WEXITSTATUS(status);
    }
    std::string Run(const std::vector<std::string>& args) {
        std::string out = path_ + ".out";
        EXPECT_EQ(Wait(Spawn(args, out)), 0);
        std::ifstream in(out);
        std::string s;
        std::getline(in, s);
        return s;
    }
    std::string path_;
};

TEST_F(StateFile, ASettingMadeByOneProcessIsSeenByTheNext) {
    Run({"set", "0x88", "37"});
    EXPECT_EQ(dvc::sim::GetStateValue(kCX, 0x88), 37u);

    ASSERT_EQ(DvDDCCISetCommunicationType(0), 0);
    ASSERT_EQ(DvDDCCIFind(), 1);
    uint32_t v = 12;
    ASSERT_EQ(DvDDCCISetValue(0, 0x89, &v), 0);
    EXPECT_EQ(Run({"get", "0x89"}), "12");
    EXPECT_EQ(Run({"get", "0x88"}), "37");
}

TEST_F(StateFile, MonitorMutexOwnerOutlivesTheProcessThatWroteIt) {
    std::string pid = Run({"mutex"});
    ASSERT_FALSE(pid.empty());
    EXPECT_EQ(dvc::sim::GetStateValue(kCX, 0xB8), static_cast<uint32_t>(std::stoul(pid)));
    // A new world over the same file starts from what the file holds.
    Activate("single");
    EXPECT_EQ(dvc::sim::GetStateValue(kCX, 0xB8), static_cast<uint32_t>(std::stoul(pid)));
}

TEST_F(StateFile, ConcurrentWritersUnderTheDeviceLockLoseNoUpdate) {
    ASSERT_TRUE(dvc::sim::SetStateValue(kCX, 0x8A, 0));
    pid_t a = Spawn({"increment", "0x8A", "60"});
    pid_t b = Spawn({"increment", "0x8A", "60"});
    EXPECT_EQ(Wait(a), 0);
    EXPECT_EQ(Wait(b), 0);
    EXPECT_EQ(dvc::sim::GetStateValue(kCX, 0x8A), 120u);
}

TEST_F(StateFile, ADamagedFileFallsBackToTheProfile) {
    ASSERT_TRUE(dvc::sim::SetStateValue(kCX, 0x88, 5));
    std::ofstream(path_, std::ios::trunc) << "{ this is not json";
    testing::internal::CaptureStderr();
    auto v = dvc::sim::GetStateValue(kCX, 0x88);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(v, 70u);
    EXPECT_NE(err.find(path_), std::string::npos) << err;
    EXPECT_TRUE(dvc::sim::SetStateValue(kCX, 0x88, 6));  // and the file is usable again
    EXPECT_EQ(Run({"get", "0x88"}), "6");
}

TEST_F(StateFile, SummaryAtExitCountsTheProcesssTransactions) {
    std::string err = path_ + ".err";
    ASSERT_EQ(Wait(Spawn({"get", "0x88"}, "/dev/null", "DVC_SIM_SUMMARY=1", err)), 0);
    std::ifstream in(err);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("dvcsim summary"), std::string::npos) << text;
    EXPECT_NE(text.find("DDC/CI calls"), std::string::npos) << text;
}

}  // namespace
