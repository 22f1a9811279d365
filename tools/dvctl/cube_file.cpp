#include "cube_file.hpp"

#include <fmt/core.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>

#include "input_file.hpp"

namespace dvc::cli {

namespace {

constexpr std::size_t kMaxFileBytes = std::size_t{64} << 20;
constexpr uint16_t kMaxSize = 256;
constexpr double kSlack = 1e-6;  // printing noise around 0 and 1 is let through

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
        size_t j = i;
        while (j < line.size() && line[j] != ' ' && line[j] != '\t' && line[j] != '\r') ++j;
        if (j > i) words.push_back(line.substr(i, j - i));
        i = j;
    }
    return words;
}

bool Number(std::string_view word, double& out) {
    const std::string text(word);
    char* end = nullptr;
    out = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size() && std::isfinite(out);
}

uint16_t ToWord(double v) { return static_cast<uint16_t>(std::clamp(v, 0.0, 1.0) * 65535.0 + 0.5); }

}  // namespace

std::string ReadInputFile(const std::string& path) {
    std::string problem;
    auto text = ReadInputText(path, kMaxFileBytes, problem);
    if (!text) throw CubeError(problem);
    return std::move(*text);
}

CubeLut ParseCube(std::string_view text, const std::string& name) {
    CubeLut lut;
    size_t lineNumber = 0, count = 0, expected = 0, domainLine = 0;
    std::vector<uint16_t> lines;
    double low[3] = {0, 0, 0}, high[3] = {1, 1, 1};
    const auto fail = [&](const std::string& what) {
        throw CubeError(fmt::format("{}:{}: {}", name, lineNumber, what));
    };
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;
        const auto words = Words(line);
        if (words.empty() || words[0].front() == '#') continue;
        const std::string_view key = words[0];
        double v[3] = {0, 0, 0};
        if (key == "TITLE") {
            const size_t open = line.find('"'), close = line.rfind('"');
            if (open == close) fail("TITLE needs its text in double quotes");
            lut.title = std::string(line.substr(open + 1, close - open - 1));
        } else if (key == "LUT_3D_SIZE") {
            if (words.size() != 2 || !Number(words[1], v[0]) || v[0] != std::floor(v[0]) || v[0] < 2 || v[0] > kMaxSize)
                fail(fmt::format("LUT_3D_SIZE needs one whole number from 2 to {}", kMaxSize));
            if (lut.size != 0) fail("a second LUT_3D_SIZE");
            lut.size = static_cast<uint16_t>(v[0]);
            expected = size_t{lut.size} * lut.size * lut.size;
        } else if (key == "DOMAIN_MIN" || key == "DOMAIN_MAX") {
            double* into = key == "DOMAIN_MIN" ? low : high;
            domainLine = lineNumber;
            if (words.size() != 4 || !Number(words[1], into[0]) || !Number(words[2], into[1]) ||
                !Number(words[3], into[2]))
                fail(fmt::format("{} needs three numbers", key));
        } else if (key == "LUT_1D_SIZE") {
            fail("a 1D LUT; only 3D LUTs can be loaded");
        } else if (!Number(key, v[0])) {
            fail(fmt::format("unknown keyword \"{}\"", key));
        } else {
            if (lut.size == 0) fail("LUT data before LUT_3D_SIZE");
            if (words.size() != 3 || !Number(words[1], v[1]) || !Number(words[2], v[2]))
                fail("a data line needs three numbers: r g b");
            if (count == expected)
                fail(fmt::format("more than the {} data lines of a {}-node LUT", expected, lut.size));
            for (double x : v)
                if (x < -kSlack || x > 1 + kSlack) fail(fmt::format("value {} is outside 0..1", x));
            for (double x : v) lines.push_back(ToWord(x));  // memory grows with the file, not its header
            ++count;
        }
    }
    if (lut.size == 0) fail("no LUT_3D_SIZE");
    if (count != expected)
        fail(fmt::format("{} data lines for a {}-node LUT, which needs {}", count, lut.size, expected));
    // Line r + g·N + b·N² is node (r, g, b); the image keeps blue fastest.
    const size_t n = lut.size;
    lut.image.assign(lines.size(), 0);
    for (size_t line = 0; line < count; ++line) {
        const size_t r = line % n, g = line / n % n, b = line / (n * n);
        for (size_t c = 0; c < 3; ++c) lut.image[((r * n + g) * n + b) * 3 + c] = lines[line * 3 + c];
    }
    lineNumber = domainLine;
    if (low[0] != low[1] || low[1] != low[2] || high[0] != high[1] || high[1] != high[2] || !(low[0] >= 0) ||
        !(high[0] <= 1) || !(low[0] < high[0]))
        fail("the domain must be one range within 0..1 for all three channels");
    lut.domainMin = low[0];
    lut.domainMax = high[0];
    const auto levels = CubeLevels(lut);
    if (std::adjacent_find(levels.begin(), levels.end(), std::greater_equal<>()) != levels.end())
        fail(fmt::format("the domain is too narrow for {} nodes on the 0..255 input scale", lut.size));
    return lut;
}

std::string FormatCube(const CubeLut& lut) {
    std::string out;
    if (!lut.title.empty()) out += fmt::format("TITLE \"{}\"\n", lut.title);
    out += fmt::format("LUT_3D_SIZE {}\nDOMAIN_MIN {} {} {}\nDOMAIN_MAX {} {} {}\n", lut.size, lut.domainMin,
                       lut.domainMin, lut.domainMin, lut.domainMax, lut.domainMax, lut.domainMax);
    const size_t n = lut.size;
    for (size_t b = 0; b < n; ++b)
        for (size_t g = 0; g < n; ++g)
            for (size_t r = 0; r < n; ++r) {
                const uint16_t* v = &lut.image[((r * n + g) * n + b) * 3];
                out += fmt::format("{:.6f} {:.6f} {:.6f}\n", v[0] / 65535.0, v[1] / 65535.0, v[2] / 65535.0);
            }
    return out;
}

std::vector<uint16_t> CubeLevels(const CubeLut& lut) {
    std::vector<uint16_t> levels(lut.size);
    const double span = lut.domainMax - lut.domainMin;
    for (size_t i = 0; i < levels.size(); ++i)
        levels[i] =
            static_cast<uint16_t>(255.0 * (lut.domainMin + span * static_cast<double>(i) / (lut.size - 1)) + 0.5);
    return levels;
}

}  // namespace dvc::cli
