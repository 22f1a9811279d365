// The nine elements of a colour matrix as the user writes them: on the
// command line, or in a small text file (numbers separated by blanks,
// commas or line breaks; '#' starts a comment).
#pragma once

#include <array>
#include <string>
#include <vector>

namespace dvc::cli {

using MatrixValues = std::array<double, 9>;

// Nine finite numbers within -4 to 4 from `words`; a UsageError names the
// word at fault.
MatrixValues ParseMatrixWords(const std::vector<std::string>& words);

// The words of a matrix file. Only a regular file of at most 64 KiB is
// read; anything else is a UsageError that names the file.
std::vector<std::string> ReadMatrixFileWords(const std::string& path);

}  // namespace dvc::cli
