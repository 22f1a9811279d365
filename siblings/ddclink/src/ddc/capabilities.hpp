// The capabilities string that a display returns in fragments, parsed: its
// model, protocol version and the VCP controls it announces, each with the
// values it lists for it (empty for a continuous control).
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace dvc::ddc {

struct Capabilities {
    std::string type;     // "lcd", "crt", ...
    std::string model;    // the display's own short model name
    std::string version;  // the control set's version, e.g. "2.1"
    std::vector<uint8_t> commands;
    std::map<uint8_t, std::vector<uint8_t>> vcp;

    bool Has(uint8_t code) const { return vcp.contains(code); }
};

// Tolerant of what real displays send: missing outer parentheses, codes in
// either case, missing or extra spaces, unknown keys (skipped). A string
// without a vcp list yields an empty one.
Capabilities ParseCapabilities(std::string_view text);

}  // namespace dvc::ddc
