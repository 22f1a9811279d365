// Processes share the monitors' state through DVC_SIM_STATE: a setting made
// by one is seen by the next, and concurrent writers stay coherent.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>

#include "sim_fixture.hpp"

namespace dvc::test {
namespace {

class StateFile : public WorldTest {
protected:
    void SetUp() override {
        path_ = std::filesystem::temp_directory_path() / ("dvcsim_state_" + std::to_string(::getpid()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
        setenv("DVC_SIM_STATE", (path_ / "state.json").c_str(), 1);
        Activate("single");
    }
    void TearDown() override {
        WorldTest::TearDown();
        unsetenv("DVC_SIM_STATE");
        std::filesystem::remove_all(path_);
    }
    // sim_peer on the world "single" and this test's state file, once per
    // argument list (all at the same time); true when every one succeeded.
    bool Peers(const std::vector<std::string>& runs, const std::string& env = "DVC_SIM_TIMING=0") {
        std::string script = "env -u DVC_SIM_SUMMARY DVC_SIM=single " + env + " sh -c 'ok=0";
        for (const std::string& args : runs) script += "; " SIM_PEER " " + args + " >>out 2>>err & p=\"$p $!\"";
        script += "; for q in $p; do wait $q || ok=1; done; exit $ok'";
        return std::system(("cd " + path_.string() + " && " + script).c_str()) == 0;
    }
    std::string Peer(const std::string& args, const std::string& file = "out") {
        std::filesystem::remove(path_ / file);
        EXPECT_TRUE(Peers({args})) << args;
        std::ifstream in(path_ / file);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static std::string Slurp(const std::filesystem::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::filesystem::path path_;
};

TEST_F(StateFile, SettingsOutliveTheProcessThatMadeThem) {
    Peer("set 0x88 37");
    EXPECT_EQ(sim::GetStateValue(kCX, 0x88), 37u);
    ASSERT_EQ(DvDDCCISetCommunicationType(0), 0);
    ASSERT_EQ(DvDDCCIFind(), 1);
    ASSERT_EQ(Ddc(0).SetValue(0x89, 12), 0);
    EXPECT_EQ(Peer("get 0x89"), "12\n");
    EXPECT_EQ(Peer("get 0x88"), "37\n");

    const std::string pid = Peer("mutex");
    ASSERT_FALSE(pid.empty());
    EXPECT_EQ(sim::GetStateValue(kCX, 0xB8), std::stoul(pid)) << "the monitor mutex's owner";
    Activate("single");
    EXPECT_EQ(sim::GetStateValue(kCX, 0xB8), std::stoul(pid)) << "a new world starts from what the file holds";
    EXPECT_EQ(sim::GetStateValue(kCX, 0x89), 12u);
}

TEST_F(StateFile, ConcurrentWritersUnderTheDeviceLockLoseNoUpdate) {
    ASSERT_TRUE(sim::SetStateValue(kCX, 0x8A, 0));
    EXPECT_TRUE(Peers({"increment 0x8A 60", "increment 0x8A 60"}));
    EXPECT_EQ(sim::GetStateValue(kCX, 0x8A), 120u);
}

TEST_F(StateFile, ADamagedFileIsSetAsideReportedAndNeverOverwritten) {
    ASSERT_TRUE(sim::SetStateValue(kCX, 0x88, 5));
    std::ofstream(path_ / "state.json", std::ios::trunc) << "{ this is not json";
    testing::internal::CaptureStderr();
    const auto v = sim::GetStateValue(kCX, 0x88);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(v, 70u);
    EXPECT_NE(err.find((path_ / "state.json").string()), std::string::npos) << err;
    EXPECT_NE(sim::Problem().find("state.json.damaged"), std::string::npos) << sim::Problem();
    EXPECT_EQ(Slurp(path_ / "state.json.damaged"), "{ this is not json");
    EXPECT_TRUE(sim::SetStateValue(kCX, 0x88, 6));  // a new file takes the path
    EXPECT_EQ(Peer("get 0x88"), "6\n");
    EXPECT_EQ(Slurp(path_ / "state.json.damaged"), "{ this is not json");
}

TEST_F(StateFile, APathThatIsNoFileRefusesWritesAndSaysWhy) {
    for (const char* bad : {"folder", "/dev/full"}) {
        const std::string where = bad[0] == '/' ? std::string(bad) : (path_ / bad).string();
        std::filesystem::create_directories(path_ / "folder");
        setenv("DVC_SIM_STATE", where.c_str(), 1);
        testing::internal::CaptureStderr();
        Activate("single");
        EXPECT_FALSE(sim::SetStateValue(kCX, 0x88, 9)) << bad;
        testing::internal::GetCapturedStderr();
        EXPECT_NE(sim::Problem().find(where + " is not a regular file"), std::string::npos) << sim::Problem();
        ASSERT_EQ(DvDDCCISetCommunicationType(0), 0);
        ASSERT_EQ(DvDDCCIFind(), 1);
        EXPECT_EQ(Ddc(0).SetValue(0x88, 9), DvErrFailed) << "a write the file cannot keep fails";
    }
}

// A writer killed at random moments, or stopped by a full disk, leaves
// either the state before its write or the state after it.
TEST_F(StateFile, AnInterruptedWriterLeavesTheOldStateOrTheNew) {
    const auto file = path_ / "state.json";
    const std::vector<uint8_t> bulk(200000, 0x5A);  // makes each write take a while
    ASSERT_TRUE(sim::SetStateData(kCX, 0x88, bulk));
    ASSERT_TRUE(sim::SetStateValue(kCX, 0x89, 1000));
    std::mt19937 rng(16);
    for (int run = 0; run < 25; ++run) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (uint32_t i = 1001;; ++i) sim::SetStateValue(kCX, 0x89, i);
        }
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 30000)(rng));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const auto doc = nlohmann::json::parse(Slurp(file));  // throws on a torn file
        EXPECT_GE(doc["monitors"][kCX].size(), 2u) << "run " << run;
    }
    std::ofstream(path_ / "state.json.new.999999") << "{";  // a temporary of a writer long gone
    ASSERT_TRUE(sim::SetStateValue(kCX, 0x89, 999));        // the next writer sweeps them all
    for (const auto& e : std::filesystem::directory_iterator(path_))
        EXPECT_EQ(e.path().filename().string().find("state.json.new."), std::string::npos) << e.path();

    const uint32_t before = *sim::GetStateValue(kCX, 0x89);
    const std::string kept = Slurp(file);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {  // a disk with room for little more than the old file
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{kept.size() / 2, kept.size() / 2};
        ::setrlimit(RLIMIT_FSIZE, &small);
        const bool kept_it = sim::SetStateValue(kCX, 0x89, before + 1);
        ::_exit(!kept_it && !sim::Problem().empty() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the failed write is reported";
    EXPECT_EQ(Slurp(file), kept);
    EXPECT_EQ(sim::GetStateValue(kCX, 0x89), before);
}

TEST_F(StateFile, SummaryAtExitCountsTheProcesssTransactions) {
    ASSERT_TRUE(Peers({"get 0x88"}, "DVC_SIM_SUMMARY=1 DVC_LINK_CACHE=off"));
    std::ifstream in(path_ / "err");
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("dvcsim summary"), std::string::npos) << text;
    EXPECT_NE(text.find("DDC/CI calls 4  reads 1"), std::string::npos) << text;
}

}  // namespace
}  // namespace dvc::test
