// Files that users and other programs supply are read only when they are
// regular files, within a cap, and never block; the settings file of
// discovery is read the same way.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/bounded_file.hpp"
#include "platform/checked_convert.hpp"

namespace dvc::test {
namespace {

TEST(BoundedFile, OnlyRegularFilesWithinTheCap) {
    const auto dir = std::filesystem::temp_directory_path() / ("dvc_bounded_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "small") << "CommunicationPath=1\n";
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    struct Case {
        std::string path;
        std::size_t cap;
        FileReadError error;
    } cases[] = {
        {(dir / "small").string(), 1024, FileReadError::None},
        {(dir / "small").string(), 4, FileReadError::TooLarge},
        {(dir / "missing").string(), 1024, FileReadError::Missing},
        {dir.string(), 1024, FileReadError::NotRegular},
        {(dir / "fifo").string(), 1024, FileReadError::NotRegular},  // no writer: would block
        {"/dev/zero", 1024, FileReadError::NotRegular},              // endless
        {"/dev/full", 1024, FileReadError::NotRegular},
    };
    for (const Case& c : cases) {
        const FileRead r = ReadBoundedFile(c.path, c.cap);
        EXPECT_EQ(r.error, c.error) << c.path;
        EXPECT_EQ(r.bytes.empty(), c.error != FileReadError::None) << c.path;
    }
    std::filesystem::remove_all(dir);
}

TEST(CheckedToInt, RefusesWhatTheTypeCannotHold) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double value;
        bool ok;
        int32_t out;
    } cases[] = {{0.0, true, 0},
                 {-0.9, true, 0},
                 {2147483647.9, true, INT32_MAX},
                 {-2147483648.5, true, INT32_MIN},
                 {2147483648.0, false, 0},
                 {-2147483649.0, false, 0},
                 {std::nan(""), false, 0},
                 {inf, false, 0},
                 {-inf, false, 0},
                 {1e300, false, 0}};
    for (const Case& c : cases) {
        int32_t out = 0;
        EXPECT_EQ(CheckedToInt(c.value, out), c.ok) << c.value;
        EXPECT_EQ(out, c.out) << c.value;
    }
    uint16_t field = 7;
    EXPECT_FALSE(CheckedRoundToInt(65535.5, field));
    EXPECT_EQ(field, 7) << "untouched when refused";
    EXPECT_TRUE(CheckedRoundToInt(65534.5, field));
    EXPECT_EQ(field, 65535);
    uint64_t big = 0;
    EXPECT_FALSE(CheckedToInt(18446744073709551616.0, big));
    EXPECT_FALSE(CheckedToInt(-1.0, big));
}

}  // namespace
}  // namespace dvc::test
