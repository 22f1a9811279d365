// The settings file "libdvc_setting": its "CommunicationPath" line picks
// the path kinds that discovery uses, e.g. "CommunicationPath = 1, 0".
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dvc::registry {

inline constexpr std::string_view kSettingsFileName = "libdvc_setting";
inline constexpr std::string_view kCommunicationPathKey = "CommunicationPath";
// Lines are read in pieces of at most this many characters; the key and its
// value must lie within one piece.
inline constexpr std::size_t kSettingsPieceLength = 255;

// The kinds of the first piece that contains the key: the text after its
// first "=" (the whole piece when there is none), split at ",", each item
// read as a decimal number; items that are not numbers and numbers other
// than 0, 1 and 2 are dropped. Empty when there is no key line.
std::vector<int> ParseSettings(std::istream& text);

// The settings file's location: `path` when given, else beside the
// executable. Empty when neither is known.
std::string SettingsFilePath(const char* path);

// The kinds that the file at `path` asks for; nothing when it cannot be
// opened.
std::optional<std::vector<int>> ReadSettingsFile(const std::string& path);

}  // namespace dvc::registry
