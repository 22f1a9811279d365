// The words of the command line as the values an export takes, and the
// values an export gives as text. Bad words throw a UsageError that quotes
// them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dvc::cli {

// A whole number that fits in 32 bits: decimal, 0x hex, a sign; "on",
// "true", "yes" for 1 and "off", "false", "no" for 0.
int ParseInt(std::string_view text);

// A decimal number such as 0.3127.
double ParseNumber(std::string_view text);

// Bytes written as hex digits, two per byte, optionally after "0x" and
// with spaces, colons or dashes between bytes: "0a1b", "0a:1b", "0a 1b".
std::vector<uint8_t> ParseHex(std::string_view text);

// Bytes as lowercase hex digits without separators.
std::string Hex(const std::vector<uint8_t>& bytes);

// Equal but for the case of ASCII letters.
bool SameText(std::string_view a, std::string_view b);

// Text from a monitor as it can be printed: bytes outside printable ASCII
// (and the backslash) as \xNN.
std::string Printable(std::string_view text);

}  // namespace dvc::cli
