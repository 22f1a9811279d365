// Processes share the monitors' state through DVC_SIM_STATE: a setting made
// by one is seen by the next, and concurrent writers stay coherent.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

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

TEST_F(StateFile, ADamagedFileFallsBackToTheProfile) {
    ASSERT_TRUE(sim::SetStateValue(kCX, 0x88, 5));
    std::ofstream(path_ / "state.json", std::ios::trunc) << "{ this is not json";
    testing::internal::CaptureStderr();
    const auto v = sim::GetStateValue(kCX, 0x88);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(v, 70u);
    EXPECT_NE(err.find((path_ / "state.json").string()), std::string::npos) << err;
    EXPECT_TRUE(sim::SetStateValue(kCX, 0x88, 6));  // and the file is usable again
    EXPECT_EQ(Peer("get 0x88"), "6\n");
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
