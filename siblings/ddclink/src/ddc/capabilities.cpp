#include "ddc/capabilities.hpp"

#include <cctype>
#include <functional>

namespace dvc::ddc {
namespace {

// The text between the parenthesis at `open` and its partner (or the end).
std::string_view Group(std::string_view s, size_t open, size_t* end) {
    int depth = 0;
    for (size_t i = open; i < s.size(); ++i) {
        if (s[i] == '(') ++depth;
        if (s[i] == ')' && --depth == 0) {
            *end = i + 1;
            return s.substr(open + 1, i - open - 1);
        }
    }
    *end = s.size();
    return s.substr(std::min(open + 1, s.size()));
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

using OnCode = std::function<void(uint8_t, std::vector<uint8_t>)>;

// Codes of two hex digits, each optionally followed by a parenthesised list
// of values; anything else is skipped.
void HexCodes(std::string_view s, const OnCode& onCode) {
    size_t i = 0;
    while (i < s.size()) {
        if (HexDigit(s[i]) < 0) {
            size_t end = i + 1;
            if (s[i] == '(') Group(s, i, &end);  // a list without a code before it
            i = end;
            continue;
        }
        int code = HexDigit(s[i++]);
        if (i < s.size() && HexDigit(s[i]) >= 0) code = code * 16 + HexDigit(s[i++]);
        while (i < s.size() && s[i] == ' ') ++i;
        std::vector<uint8_t> values;
        if (i < s.size() && s[i] == '(') {
            size_t end = 0;
            HexCodes(Group(s, i, &end), [&](uint8_t v, std::vector<uint8_t>) { values.push_back(v); });
            i = end;
        }
        onCode(static_cast<uint8_t>(code), std::move(values));
    }
}

// key(value) pairs; a group without a key (some displays wrap the whole
// string twice) is read the same way.
void ParseInto(Capabilities& caps, std::string_view s, int depth) {
    size_t i = 0;
    while (i < s.size() && depth < 4) {
        const size_t open = s.find('(', i);
        if (open == std::string_view::npos) break;
        size_t keyStart = open;
        while (keyStart > i && (std::isalnum(static_cast<unsigned char>(s[keyStart - 1])) || s[keyStart - 1] == '_'))
            --keyStart;
        const std::string_view key = s.substr(keyStart, open - keyStart);
        size_t end = 0;
        const std::string_view value = Group(s, open, &end);
        if (key.empty()) ParseInto(caps, value, depth + 1);
        if (key == "type") caps.type = value;
        if (key == "model") caps.model = value;
        if (key == "mccs_ver") caps.version = value;
        if (key == "cmds") HexCodes(value, [&](uint8_t c, std::vector<uint8_t>) { caps.commands.push_back(c); });
        if (key == "vcp") HexCodes(value, [&](uint8_t c, std::vector<uint8_t> v) { caps.vcp[c] = std::move(v); });
        i = end;
    }
}

}  // namespace

Capabilities ParseCapabilities(std::string_view text) {
    Capabilities caps;
    ParseInto(caps, text, 0);
    return caps;
}

}  // namespace dvc::ddc
