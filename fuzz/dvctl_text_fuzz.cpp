// dvctl's readers of the values a user types.
#include <cmath>
#include <string_view>

#include "failure.hpp"
#include "targets.hpp"
#include "value_text.hpp"

namespace dvc::fuzz {

// Text is a number or bytes, or a usage error that names it; nothing else.
int ValueText(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        cli::ParseInt(text);
    } catch (const cli::UsageError&) {}
    try {
        Require(std::isfinite(cli::ParseNumber(text)));
    } catch (const cli::UsageError&) {}
    try {
        Require(cli::ParseHex(text).size() <= size / 2);
    } catch (const cli::UsageError&) {}
    return 0;
}

}  // namespace dvc::fuzz
