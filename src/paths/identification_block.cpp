#include "paths/identification_block.hpp"

#include <string_view>

namespace dvc::paths {

namespace {
std::string_view UpToNul(std::string_view text) {
    const auto nul = text.find('\0');
    return nul == std::string_view::npos ? text : text.substr(0, nul);
}
}  // namespace

std::optional<IdentifierPair> SplitIdentificationBlock(std::span<const uint8_t> block) {
    if (block.size() < kSerialLength) return std::nullopt;
    const std::string_view all(reinterpret_cast<const char*>(block.data()), block.size());
    std::string_view model = UpToNul(all.substr(kSerialLength));
    while (!model.empty() && model.back() == ' ') model.remove_suffix(1);
    return IdentifierPair{std::string(UpToNul(all.substr(0, kSerialLength))), std::string(model)};
}

}  // namespace dvc::paths
