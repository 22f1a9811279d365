#include "port_names.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

#include <fmt/core.h>

namespace dvc::cli {

namespace {

struct Connector {
    int first;  // exported number of its first port
    int count;
    const char* name;
};

// The connector behind each family of exported numbers: analogue, DVI,
// DisplayPort, HDMI, SDI, USB-C (with DisplayPort alternate mode) and
// USB-C carrying Thunderbolt.
constexpr std::array kConnectors{
    Connector{10, 2, "vga"},
    Connector{20, 2, "dvi"},
    Connector{30, 2, "dp"},
    Connector{40, 2, "hdmi"},
    Connector{50, 4, "sdi"},
    Connector{0xA00, 4, "usb-c"},
    Connector{0xA10, 2, "thunderbolt"},
    Connector{0xA20, 1, "usb-c-kvm"},
};

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

}  // namespace

std::string PortName(int number) {
    for (const Connector& c : kConnectors)
        if (number >= c.first && number < c.first + c.count) return fmt::format("{}{}", c.name, number - c.first + 1);
    return fmt::format("port{}", number);
}

std::optional<int> PortNumberOf(std::string_view name) {
    const std::string lower = Lower(name);
    for (const Connector& c : kConnectors)
        for (int i = 0; i < c.count; ++i)
            if (lower == PortName(c.first + i)) return c.first + i;
    std::string_view digits = lower;
    if (digits.substr(0, 4) != "port") return std::nullopt;
    digits.remove_prefix(4);
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc{} || end != digits.data() + digits.size() || digits.empty()) return std::nullopt;
    return number;
}

}  // namespace dvc::cli
