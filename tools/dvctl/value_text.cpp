#include "value_text.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "failure.hpp"

namespace dvc::cli {

namespace {

[[noreturn]] void Bad(std::string_view text, const char* expected) {
    throw UsageError("\"" + std::string(text) + "\" is not " + expected);
}

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

int ParseInt(std::string_view text) {
    const std::string word = Lower(text);
    if (word == "on" || word == "true" || word == "yes") return 1;
    if (word == "off" || word == "false" || word == "no") return 0;
    std::string_view digits = word;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) digits.remove_prefix(1);
    int base = 10;
    if (digits.size() > 2 && digits[0] == '0' && digits[1] == 'x') {
        digits.remove_prefix(2);
        base = 16;
    }
    // Hex numbers may name a 32-bit pattern (0xFFFFFFFF); decimal ones must fit.
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude, base);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) Bad(text, "a whole number");
    // Beyond 32 bits before the sign is applied, so that negating cannot overflow.
    if (magnitude > std::numeric_limits<std::uint32_t>::max()) Bad(text, "a whole number of 32 bits");
    const std::int64_t value = negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
    const bool pattern = base == 16 && !negative && magnitude <= std::numeric_limits<std::uint32_t>::max();
    if (!pattern && (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()))
        Bad(text, "a whole number of 32 bits");
    return static_cast<int>(static_cast<std::uint32_t>(value));
}

double ParseNumber(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        Bad(text, "a number");
    return value;
}

std::vector<uint8_t> ParseHex(std::string_view text) {
    std::string_view digits = text;
    if (digits.size() >= 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) digits.remove_prefix(2);
    std::vector<uint8_t> bytes;
    int high = -1;
    for (const char c : digits) {
        if (c == ' ' || c == ':' || c == '-') {
            if (high >= 0) Bad(text, "whole bytes of hex digits (two per byte)");
            continue;
        }
        const int nibble = HexDigit(c);
        if (nibble < 0) Bad(text, "hex digits");
        if (high < 0) {
            high = nibble;
        } else {
            bytes.push_back(static_cast<uint8_t>(high * 16 + nibble));
            high = -1;
        }
    }
    if (high >= 0) Bad(text, "whole bytes of hex digits (two per byte)");
    if (bytes.empty()) Bad(text, "any bytes of hex digits");
    return bytes;
}

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

std::string Printable(std::string_view text) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (const unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
            continue;
        }
        out += "\\x";
        out += kDigits[c >> 4];
        out += kDigits[c & 0xF];
    }
    return out;
}

std::string Hex(const std::vector<uint8_t>& bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const uint8_t b : bytes) {
        out += kDigits[b >> 4];
        out += kDigits[b & 0xF];
    }
    return out;
}

}  // namespace dvc::cli
