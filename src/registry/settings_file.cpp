#include "registry/settings_file.hpp"

#include <cerrno>
#include <cstdlib>
#include <sstream>

#include "platform/bounded_file.hpp"
#include "platform/executable_path.hpp"

namespace dvc::registry {

namespace {
constexpr std::string_view kBlanks = " \t\r\n";

std::string_view Trim(std::string_view text) {
    const auto begin = text.find_first_not_of(kBlanks);
    if (begin == std::string_view::npos) return {};
    const auto end = text.find_last_not_of(kBlanks);
    return text.substr(begin, end - begin + 1);
}

// The next piece of the text: up to and including a newline, but never
// more than kSettingsPieceLength characters. False at the end.
bool NextPiece(std::istream& text, std::string& piece) {
    piece.clear();
    char c = 0;
    while (piece.size() < kSettingsPieceLength && text.get(c)) {
        piece.push_back(c);
        if (c == '\n') break;
    }
    return !piece.empty();
}

// A decimal number at the start of `item` (after blanks), with whatever
// follows it ignored; nothing when the item does not start with one.
std::optional<long> LeadingNumber(std::string_view item) {
    const std::string text(item);
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(begin, &end, 10);
    if (end == begin || errno == ERANGE) return std::nullopt;
    return value;
}

std::vector<int> ParseValue(std::string_view value) {
    std::vector<int> kinds;
    while (true) {
        const auto comma = value.find(',');
        const std::string_view item = Trim(value.substr(0, comma));
        if (const auto number = LeadingNumber(item); number && *number >= 0 && *number <= 2) {
            kinds.push_back(static_cast<int>(*number));
        }
        if (comma == std::string_view::npos) return kinds;
        value.remove_prefix(comma + 1);
    }
}
}  // namespace

std::vector<int> ParseSettings(std::istream& text) {
    std::string piece;
    while (NextPiece(text, piece)) {
        if (piece.find(kCommunicationPathKey) == std::string::npos) continue;
        std::string_view value = piece;
        if (const auto equals = value.find('='); equals != std::string_view::npos) value.remove_prefix(equals + 1);
        return ParseValue(Trim(value));
    }
    return {};
}

std::string SettingsFilePath(const char* path) {
    if (path != nullptr) return path;
    const std::string folder = platform::ExecutableDirectory();
    if (folder.empty()) return {};
    return folder + "/" + std::string(kSettingsFileName);
}

std::optional<std::vector<int>> ReadSettingsFile(const std::string& path) {
    if (path.empty()) return std::nullopt;
    // A FIFO, a device or an oversized file counts as a file that cannot be
    // opened: discovery goes on with the default kinds instead of hanging.
    constexpr std::size_t kSettingsCap = 1u << 20;
    FileRead read = ReadBoundedFile(path, kSettingsCap);
    if (!read) return std::nullopt;
    std::istringstream file(std::move(read.bytes));
    return ParseSettings(file);
}

}  // namespace dvc::registry
