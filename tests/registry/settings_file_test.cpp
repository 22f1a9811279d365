#include "registry/settings_file.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/executable_path.hpp"

using dvc::registry::ParseSettings;

namespace {
std::vector<int> Parse(const std::string& text) {
    std::istringstream in(text);
    return ParseSettings(in);
}
}  // namespace

TEST(SettingsParse, OddSpacingAroundEqualsAndCommas) {
    EXPECT_EQ(Parse("CommunicationPath = 0, 2\n"), (std::vector<int>{0, 2}));
    EXPECT_EQ(Parse("\t CommunicationPath\t=\t1 ,\t0 \r\n"), (std::vector<int>{1, 0}));
    EXPECT_EQ(Parse("CommunicationPath=2"), (std::vector<int>{2}));
}

TEST(SettingsParse, OnlyTheFirstKeyLineCounts) {
    EXPECT_EQ(Parse("# paths\nCommunicationPath = 0, 2\nCommunicationPath = 1\n"), (std::vector<int>{0, 2}));
}

TEST(SettingsParse, JunkItemsAndUnknownKindsAreDropped) {
    EXPECT_EQ(Parse("CommunicationPath = 3, x, 1\n"), (std::vector<int>{1}));
    EXPECT_EQ(Parse("CommunicationPath = -1, 1abc, , +0, 99999999999999999999\n"), (std::vector<int>{1, 0}));
}

TEST(SettingsParse, KeepsRepeatsInFileOrder) {
    // Duplicates are the kind list's business, not the file's.
    EXPECT_EQ(Parse("CommunicationPath=1,1,0"), (std::vector<int>{1, 1, 0}));
}

TEST(SettingsParse, KeyAnywhereInTheLineAndValueAfterTheFirstEquals) {
    EXPECT_EQ(Parse("my CommunicationPath setting = 1 = 2\n"), (std::vector<int>{1}));
}

TEST(SettingsParse, LineWithoutEqualsIsItsOwnValue) {
    EXPECT_EQ(Parse("CommunicationPath 1\n"), (std::vector<int>{}));
    EXPECT_EQ(Parse("2 CommunicationPath\n"), (std::vector<int>{2}));
}

TEST(SettingsParse, NoKeyGivesNothing) {
    EXPECT_TRUE(Parse("").empty());
    EXPECT_TRUE(Parse("communicationpath = 1\nPath = 0\n").empty());
}

// Lines are read in pieces of 255 characters: a key whose value falls into
// the next piece yields nothing, and the next piece is a line of its own.
TEST(SettingsParse, LongLinesAreReadInPieces) {
    const std::string pad(250, ' ');
    EXPECT_TRUE(Parse(pad + "CommunicationPath = 1\n").empty());
    EXPECT_EQ(Parse(std::string(255, '#') + "CommunicationPath = 1\n"), (std::vector<int>{1}));
    EXPECT_EQ(Parse(std::string(200, ' ') + "CommunicationPath = 1\n"), (std::vector<int>{1}));
}

class SettingsFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = std::filesystem::temp_directory_path() /
                ("dvc_settings_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
    }
    void TearDown() override { std::filesystem::remove(path_); }
    std::filesystem::path path_;
};

TEST_F(SettingsFileOnDisk, ReadsTheGivenFile) {
    std::ofstream(path_) << "[dvc]\r\nCommunicationPath = 2,0\r\n";
    EXPECT_EQ(dvc::registry::ReadSettingsFile(path_.string()), (std::vector<int>{2, 0}));
}

TEST_F(SettingsFileOnDisk, MissingFileIsNotAnError) {
    EXPECT_FALSE(dvc::registry::ReadSettingsFile(path_.string()));
    EXPECT_FALSE(dvc::registry::ReadSettingsFile(""));
}

TEST(SettingsFilePath, GivenPathOrBesideTheExecutable) {
    EXPECT_EQ(dvc::registry::SettingsFilePath("/etc/x"), "/etc/x");
    EXPECT_EQ(dvc::registry::SettingsFilePath(nullptr), dvc::platform::ExecutableDirectory() + "/libdvc_setting");
}
