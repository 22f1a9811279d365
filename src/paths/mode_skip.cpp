#include "paths/mode_skip.hpp"

#include "paths/feature_codes.hpp"
#include "paths/feature_shapes.hpp"

namespace dvc::paths {

namespace {

// The older encoding has one bit per port in a byte.
constexpr uint32_t kOlderPorts = 8;

// Where the flag of (port, mode) lives in the monitor's block: a byte and a
// bit mask.
struct Layout {
    SkipEncoding encoding;
    uint32_t modes;  // the modes the monitor keeps
    uint32_t Byte(uint32_t port, uint32_t mode) const {
        return encoding == SkipEncoding::Newer ? port * modes + mode : mode;
    }
    uint8_t Mask(uint32_t port) const { return encoding == SkipEncoding::Newer ? 1 : static_cast<uint8_t>(1u << port); }
};

DvError ReadBlock(VarnMonitorInterface& path, SkipEncoding encoding, uint32_t ports, std::vector<uint8_t>& block,
                  Layout& layout) {
    if (ports == 0) return DvErrNotSupported;
    if (encoding == SkipEncoding::Older && ports > kOlderPorts) return DvErrNotSupported;
    const uint32_t code = encoding == SkipEncoding::Newer ? codes::kModeSkipAll : codes::kModeSkip;
    const DvError result = ReadSizedBlock(path, code, encoding == SkipEncoding::Newer ? ports : 1, block);
    if (!Usable(result)) return result;
    if (encoding == SkipEncoding::Newer && block.size() % ports != 0) return DvErrWrongLength;
    layout = Layout{encoding, encoding == SkipEncoding::Newer ? static_cast<uint32_t>(block.size()) / ports
                                                              : static_cast<uint32_t>(block.size())};
    return result;
}

}  // namespace

DvError ReadSkipTable(VarnMonitorInterface& path, SkipEncoding encoding, uint32_t ports, uint32_t columns,
                      std::vector<int>& table) {
    std::vector<uint8_t> block;
    Layout layout{encoding, 0};
    const DvError result = ReadBlock(path, encoding, ports, block, layout);
    if (!Usable(result)) return result;
    table.assign(static_cast<std::size_t>(ports) * columns, 0);
    for (uint32_t p = 0; p < ports; ++p)
        for (uint32_t m = 0; m < columns && m < layout.modes; ++m)
            table[p * columns + m] = (block[layout.Byte(p, m)] & layout.Mask(p)) != 0 ? 1 : 0;
    return result;
}

DvError WriteSkipTable(VarnMonitorInterface& path, SkipEncoding encoding, uint32_t ports, uint32_t columns,
                       const int* table) {
    std::vector<uint8_t> block;
    Layout layout{encoding, 0};
    const DvError read = ReadBlock(path, encoding, ports, block, layout);
    if (!Usable(read)) return read;
    for (uint32_t p = 0; p < ports; ++p)
        for (uint32_t m = 0; m < columns; ++m) {
            const bool skipped = table[p * columns + m] != 0;
            if (m >= layout.modes) {
                if (skipped) return DvErrInvalidParameter;
                continue;
            }
            uint8_t& byte = block[layout.Byte(p, m)];
            byte = static_cast<uint8_t>(skipped ? byte | layout.Mask(p) : byte & ~layout.Mask(p));
        }
    const uint32_t code = encoding == SkipEncoding::Newer ? codes::kModeSkipAll : codes::kModeSkip;
    return path.WriteData(code, block.data(), static_cast<uint32_t>(block.size()), 0);
}

}  // namespace dvc::paths
