// Files that users and other programs supply are read only when they are
// regular files, within a cap, and never block; the settings file of
// discovery is read the same way.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/bounded_file.hpp"

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

}  // namespace
}  // namespace dvc::test
