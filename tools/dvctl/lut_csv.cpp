#include "lut_csv.hpp"

#include <fmt/core.h>
#include <algorithm>
#include <charconv>
#include <sstream>
#include <stdexcept>

#include "input_file.hpp"

namespace dvc::cli {

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(
            Trim(line.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start)));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}

template <class T>
bool Number(std::string_view field, T& out) {
    const char* end = field.data() + field.size();
    const auto [ptr, ec] = std::from_chars(field.data(), end, out);
    return ec == std::errc{} && ptr == end && !field.empty();
}

// An error on `line`, as the parse result.
LutCsv Fail(std::size_t line, std::string message) {
    LutCsv out;
    out.errorLine = line;
    out.error = std::move(message);
    return out;
}

}  // namespace

LutCsv ParseLutCsv(std::string_view text, std::size_t columns) {
    LutCsv out;
    out.channels.assign(columns, LutLevels{});
    std::array<bool, kLutEntries> seen{};
    std::size_t rows = 0;
    std::size_t lineNumber = 0;
    bool firstData = true;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        const std::string_view line = Trim(text.substr(0, newline));
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        ++lineNumber;
        if (line.empty() || line.front() == '#') continue;
        const auto fields = Fields(line);
        std::size_t index = 0;
        const bool numeric = Number(fields[0], index);
        const char lead = fields[0].empty() ? ' ' : fields[0].front();
        const bool wordy = !(lead == '-' || lead == '+' || lead == '.' || (lead >= '0' && lead <= '9'));
        if (firstData && wordy) {  // a header
            firstData = false;
            continue;
        }
        firstData = false;
        if (fields.size() != columns + 1)
            return Fail(lineNumber, fmt::format("expected {} fields (index and {} level{}), found {}", columns + 1,
                                                columns, columns == 1 ? "" : "s", fields.size()));
        if (!numeric || index >= kLutEntries)
            return Fail(lineNumber, fmt::format("the index must be a whole number 0 to 255, not \"{}\"", fields[0]));
        if (seen[index]) return Fail(lineNumber, fmt::format("index {} appears twice", index));
        seen[index] = true;
        for (std::size_t c = 0; c < columns; ++c) {
            double level = 0.0;
            if (!Number(fields[c + 1], level) || !(level >= 0.0 && level <= 1.0))
                return Fail(lineNumber,
                            fmt::format("the level must be a number 0.0 to 1.0, not \"{}\"", fields[c + 1]));
            out.channels[c][index] = level;
        }
        ++rows;
    }
    if (rows != kLutEntries)
        return Fail(std::max<std::size_t>(lineNumber, 1),
                    fmt::format("expected 256 rows (indices 0 to 255), found {}", rows));
    return out;
}

std::string FormatLutCsv(const std::vector<LutLevels>& channels, const std::vector<std::string>& names) {
    std::string text = "index";
    for (const auto& name : names) text += "," + name;
    text += "\n";
    for (std::size_t i = 0; i < kLutEntries; ++i) {
        text += std::to_string(i);
        for (const auto& channel : channels) text += fmt::format(",{:.6f}", channel[i]);
        text += "\n";
    }
    return text;
}

std::string ReadSmallFile(const std::string& path, std::size_t limit) {
    std::string problem;
    auto text = ReadInputText(path, limit, problem);
    if (!text) throw std::runtime_error(problem);
    return std::move(*text);
}

}  // namespace dvc::cli
