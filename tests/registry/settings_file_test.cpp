#include "registry/settings_file.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/executable_path.hpp"

namespace {
std::vector<int> Parse(const std::string& text) {
    std::istringstream in(text);
    return dvc::registry::ParseSettings(in);
}
}  // namespace

TEST(SettingsParse, FirstKeyLineWithOddSpacing) {
    EXPECT_EQ(Parse("# paths\nCommunicationPath = 0, 2\nCommunicationPath = 1\n"), (std::vector<int>{0, 2}));
    EXPECT_EQ(Parse("\t CommunicationPath\t=\t1 ,\t0 \r\n"), (std::vector<int>{1, 0}));
    EXPECT_EQ(Parse("my CommunicationPath setting = 1 = 2\n"), (std::vector<int>{1}));
    EXPECT_EQ(Parse("CommunicationPath=1,1,0"), (std::vector<int>{1, 1, 0}));  // repeats are the kind list's
}

TEST(SettingsParse, JunkItemsAndUnknownKindsAreDropped) {
    EXPECT_EQ(Parse("CommunicationPath = 3, x, 1\n"), (std::vector<int>{1}));
    EXPECT_EQ(Parse("CommunicationPath = -1, 1abc, , +0, 99999999999999999999\n"), (std::vector<int>{1, 0}));
    // Without "=" the whole line is the value.
    EXPECT_EQ(Parse("CommunicationPath 1\n"), (std::vector<int>{}));
    EXPECT_EQ(Parse("2 CommunicationPath\n"), (std::vector<int>{2}));
    EXPECT_TRUE(Parse("communicationpath = 1\nPath = 0\n").empty());
}

// Lines are read in pieces of 255 characters: a key whose value falls into
// the next piece yields nothing, and the next piece is a line of its own.
TEST(SettingsParse, LongLinesAreReadInPieces) {
    EXPECT_TRUE(Parse(std::string(250, ' ') + "CommunicationPath = 1\n").empty());
    EXPECT_EQ(Parse(std::string(255, '#') + "CommunicationPath = 1\n"), (std::vector<int>{1}));
    EXPECT_EQ(Parse(std::string(200, ' ') + "CommunicationPath = 1\n"), (std::vector<int>{1}));
}

TEST(SettingsFile, ReadsTheGivenFileOrNothing) {
    const auto path = std::filesystem::temp_directory_path() / "dvc_settings_file_test";
    std::ofstream(path) << "[dvc]\r\nCommunicationPath = 2,0\r\n";
    EXPECT_EQ(dvc::registry::ReadSettingsFile(path.string()), (std::vector<int>{2, 0}));
    std::filesystem::remove(path);
    EXPECT_FALSE(dvc::registry::ReadSettingsFile(path.string()));
    EXPECT_FALSE(dvc::registry::ReadSettingsFile(""));
    EXPECT_EQ(dvc::registry::SettingsFilePath("/etc/x"), "/etc/x");
    EXPECT_EQ(dvc::registry::SettingsFilePath(nullptr), dvc::platform::ExecutableDirectory() + "/libdvc_setting");
}
