#include "report_kinds.hpp"

#include <fmt/core.h>

#include <sstream>

#include "failure.hpp"
#include "value_text.hpp"

namespace dvc::cli {

const std::vector<ReportKind>& ReportKinds() {
    static const std::vector<ReportKind> kinds{
        {"key", 2, "pressed key numbers 0-15, comma-separated"},
        {"key-mf", 0x68, "pressed key numbers 0-15, comma-separated"},
        {"tonality", 4, "the Tonality value 0-65535"},
        {"mode", 0xFF0000F3, "the colour mode 0-255"},
        {"direction", 0xFF010031, "the direction 0-255"},
        {"usb", 0xFF010073, "the selected upstream port(s): A or A,B, 0-255 each"},
        {"generic", 0xFF010108, "the event word 0-65535 (default 1)"},
    };
    return kinds;
}

namespace {

std::vector<std::string> SplitCommas(const std::string& text) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, ',');) parts.push_back(part);
    return parts;
}

uint32_t Bounded(const std::string& word, uint32_t maximum, const char* what) {
    const int v = ParseInt(word);
    if (v < 0 || static_cast<uint32_t>(v) > maximum) {
        throw UsageError(fmt::format("{}: not {} (0 to {})", word, what, maximum));
    }
    return static_cast<uint32_t>(v);
}

std::vector<uint8_t> Word(uint32_t w) { return {static_cast<uint8_t>(w), static_cast<uint8_t>(w >> 8)}; }

}  // namespace

std::vector<uint8_t> EncodeReport(const std::string& kind, const std::string& value, uint32_t& code) {
    const ReportKind* found = nullptr;
    for (const auto& k : ReportKinds()) {
        if (kind == k.name) found = &k;
    }
    if (found == nullptr) {
        if (kind.empty() || (kind[0] < '0' || kind[0] > '9')) {
            std::string names;
            for (const auto& k : ReportKinds()) names += std::string(names.empty() ? "" : ", ") + k.name;
            throw UsageError(fmt::format("{}: no such report kind (kinds: {}, or a report code)", kind, names));
        }
        code = static_cast<uint32_t>(ParseInt(kind));
        return value.empty() ? std::vector<uint8_t>{} : ParseHex(value);
    }
    code = found->code;
    const std::string name = found->name;
    if (name == "key" || name == "key-mf") {
        uint32_t word = 0;
        for (const auto& key : SplitCommas(value)) word |= 1U << Bounded(key, 15, "a key number");
        return Word(word);
    }
    if (name == "usb") {
        std::vector<uint8_t> bytes;
        for (const auto& port : SplitCommas(value)) bytes.push_back(static_cast<uint8_t>(Bounded(port, 255, "a port")));
        if (bytes.size() > 2) throw UsageError(fmt::format("{}: at most two ports", value));
        return bytes;
    }
    if (name == "generic") return Word(value.empty() ? 1 : Bounded(value, 0xFFFF, "an event word"));
    if (value.empty()) throw UsageError(fmt::format("{} report: VALUE is missing ({})", name, found->value));
    if (name == "tonality") return Word(Bounded(value, 0xFFFF, "a Tonality value"));
    return {static_cast<uint8_t>(Bounded(value, 0xFF, "a one-byte value"))};
}

}  // namespace dvc::cli
