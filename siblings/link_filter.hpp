// The links a discovery shows its caller. A host that is about to work on
// one monitor names it in DVC_LINK_ONLY (a serial number or a model name)
// around its discovery; the transport still identifies every link, all at
// once, but lists only those whose identification names that monitor, so
// that the caller identifies and describes no other. Which monitor a name
// means is decided as the caller decides it: a link is shown when its
// serial number or its model name (without trailing blanks) is the name,
// in any case, so that a model that two monitors share shows both. When a
// link could not be identified, every link is shown: the caller would try
// it again and might find the monitor there.
#pragma once

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace dvc::transport {

// The name that the host gave for this discovery, if any.
inline std::string WantedMonitor() {
    const char* name = std::getenv("DVC_LINK_ONLY");
    return name != nullptr ? name : "";
}

// The serial number of an identification block is its first 8 bytes, the
// model name the rest; each ends at its first NUL.
constexpr std::size_t kSerialBytes = 8;

inline bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

inline bool BlockNames(std::span<const uint8_t> block, std::string_view name) {
    if (block.size() < kSerialBytes) return false;
    const auto text = [](std::span<const uint8_t> bytes) {
        std::string s(bytes.begin(), bytes.end());
        return s.substr(0, s.find('\0'));
    };
    std::string model = text(block.subspan(kSerialBytes));
    model.erase(model.find_last_not_of(' ') + 1);
    return SameName(text(block.first(kSerialBytes)), name) || SameName(model, name);
}

// Which links to show for `name`, given each link's identification block
// (none where it could not be read): none to narrow when no name is given
// or a link is unidentified, else the links that name it, in their order.
inline std::optional<std::vector<uint32_t>> LinksNaming(const std::vector<std::optional<std::vector<uint8_t>>>& blocks,
                                                        std::string_view name) {
    if (name.empty()) return std::nullopt;
    std::vector<uint32_t> shown;
    for (uint32_t i = 0; i < blocks.size(); ++i) {
        if (!blocks[i]) return std::nullopt;
        if (BlockNames(*blocks[i], name)) shown.push_back(i);
    }
    return shown;
}

// The caller's link numbers, mapped to the backend's after a narrowed
// discovery (a number past the shown links maps to one no backend has).
class LinkFilter {
public:
    static constexpr uint32_t kNoLink = 0xFFFFFFFFu;

    void ShowAll() {
        std::lock_guard lock(mutex_);
        shown_.reset();
    }
    void Show(std::vector<uint32_t> links) {
        std::lock_guard lock(mutex_);
        shown_ = std::move(links);
    }
    uint32_t Backend(uint32_t link) {
        std::lock_guard lock(mutex_);
        if (!shown_) return link;
        return link < shown_->size() ? (*shown_)[link] : kNoLink;
    }

private:
    std::mutex mutex_;
    std::optional<std::vector<uint32_t>> shown_;
};

}  // namespace dvc::transport
