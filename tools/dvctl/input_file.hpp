// The files that commands take as input (a .cube, a LUT CSV, a matrix) are
// all read by one rule, dvc::ReadBoundedFile's: a regular file only, opened
// without ever blocking (a FIFO or /dev/zero is refused at once), and never
// more than a cap, so that no file can hang dvctl or exhaust its memory.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace dvc::cli {

// The whole of `path`, at most `cap` bytes. On failure nothing, and
// `problem` says why in words that lead with the file: "<path>: no such
// file", ": not a regular file", ": larger than 64 KiB", ": cannot be read".
std::optional<std::string> ReadInputText(const std::string& path, std::size_t cap, std::string& problem);

}  // namespace dvc::cli
