#include "input_file.hpp"

#include <fmt/format.h>

#include "bounded_file.hpp"

namespace dvc::cli {

namespace {

// A cap as people say it: 64 MiB, 64 KiB, else bytes.
std::string SizeWords(std::size_t bytes) {
    if (bytes % (std::size_t{1} << 20) == 0) return fmt::format("{} MiB", bytes >> 20);
    if (bytes % 1024 == 0) return fmt::format("{} KiB", bytes >> 10);
    return fmt::format("{} bytes", bytes);
}

}  // namespace

std::optional<std::string> ReadInputText(const std::string& path, std::size_t cap, std::string& problem) {
    FileRead read = ReadBoundedFile(path, cap);
    if (read) return std::move(read.bytes);
    const std::string why =
        read.error == FileReadError::TooLarge ? "larger than " + SizeWords(cap) : FileReadErrorText(read.error);
    problem = path + ": " + why;
    return std::nullopt;
}

}  // namespace dvc::cli
