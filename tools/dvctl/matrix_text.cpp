#include "matrix_text.hpp"

#include <cmath>
#include <sstream>

#include "failure.hpp"
#include "input_file.hpp"

namespace dvc::cli {
namespace {

constexpr std::size_t kMaxMatrixFileBytes = 64 * 1024;

}  // namespace

MatrixValues ParseMatrixWords(const std::vector<std::string>& words) {
    if (words.size() != 9)
        throw UsageError("a matrix takes nine numbers, row by row, not " + std::to_string(words.size()));
    MatrixValues values{};
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::size_t used = 0;
        try {
            values[i] = std::stod(words[i], &used);
        } catch (const std::exception&) {
            used = 0;
        }
        if (used != words[i].size() || !std::isfinite(values[i]))
            throw UsageError("\"" + words[i] + "\" is not a number (matrix element " + std::to_string(i + 1) + ")");
        if (values[i] < -4.0 || values[i] >= 4.0)
            throw UsageError(words[i] + " lies outside -4 to 4, the range of a matrix element (element " +
                             std::to_string(i + 1) + ")");
    }
    return values;
}

std::vector<std::string> ReadMatrixFileWords(const std::string& path) {
    std::string problem;
    const auto text = ReadInputText(path, kMaxMatrixFileBytes, problem);
    if (!text) throw UsageError(problem);
    std::istringstream in(*text);
    std::vector<std::string> words;
    for (std::string line; std::getline(in, line);) {
        line = line.substr(0, line.find('#'));
        for (char& c : line)
            if (c == ',' || c == ';' || c == '\t' || c == '\r') c = ' ';
        std::istringstream split(line);
        for (std::string word; split >> word;) words.push_back(word);
    }
    return words;
}

}  // namespace dvc::cli
