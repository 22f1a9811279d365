// Identification of a logical monitor: its model record from the property
// tags (or the built-in tables) and its flavor table.
#include <memory>
#include <new>
#include <optional>
#include <vector>

#include "paths/feature_codes.hpp"
#include "paths/varn_monitor_interface.hpp"
#include "registry/identification_record.hpp"
#include "registry/tag_reader.hpp"
#include "registry/varn_monitor.hpp"

using dvc::registry::FlavorTable;
using dvc::registry::ModelRecord;
using dvc::registry::ParsedTagBlock;

namespace {

using dvc::codes::k3DLut;
using dvc::codes::kFlavors;
using dvc::codes::kPropertyTags;
// The parser takes lengths of at most 16 bits; a longer block cannot be a
// property-tag block, and reading it would only cost memory.
constexpr uint32_t kLongestBlock = 0xFFFF;

// A buffer for a block of this length; none for a length that no tag block
// can have (such a block counts as malformed).
std::optional<std::vector<uint8_t>> BlockBuffer(uint32_t length) {
    if (length > kLongestBlock) return std::nullopt;
    return std::vector<uint8_t>(length);
}

}  // namespace

DvError VarnMonitor::ReadModelRecord() {
    try {
        const auto fromTables = [this] {
            record_ = std::make_unique<ModelRecord>(dvc::registry::RecordFromTables(model_));
        };
        if (paths_.empty()) {
            if (record_ == nullptr) fromTables();
            return DvErrFailed;
        }
        for (VarnMonitorInterface* path : paths_) {
            int32_t present = 0;
            uint32_t length = 0;
            const DvError sized = path->QueryBlockSize(kPropertyTags, &present, &length);
            if (!dvc::paths::Usable(sized) || present == 0) {
                fromTables();
                return DvOk;
            }
            auto block = BlockBuffer(length);
            if (block) {
                uint32_t size = length;
                if (path->ReadBlock(kPropertyTags, block->data(), &size) == DvErrFailed) continue;
            }
            int32_t lut3d = 0;
            path->ReadFixedData(k3DLut, nullptr, nullptr, &lut3d, nullptr);
            std::optional<ParsedTagBlock> tags;
            if (block) tags.emplace(block->data(), length);
            const bool parsed = tags && tags->Parsed();
            record_ = std::make_unique<ModelRecord>(
                dvc::registry::RecordFromTags(model_, static_cast<uint32_t>(lut3d), parsed ? &*tags : nullptr));
            return DvOk;
        }
        fromTables();
        return DvErrFailed;
    } catch (const std::bad_alloc&) {
        return DvErrFailed;
    }
}

DvError VarnMonitor::ReadFlavorTable() {
    try {
        const auto empty = [this] {
            flavors_ = std::make_unique<FlavorTable>(dvc::registry::FlavorsFromTags(model_, nullptr));
        };
        for (VarnMonitorInterface* path : paths_) {
            int32_t present = 0;
            uint32_t length = 0;
            const DvError sized = path->ReadFixedData(kFlavors, nullptr, nullptr, &present, &length);
            if (!dvc::paths::Usable(sized) || present == 0) {
                empty();
                return DvOk;
            }
            auto block = BlockBuffer(length);
            if (block && path->ReadData(kFlavors, block->data(), length) == DvErrFailed) continue;
            std::optional<ParsedTagBlock> tags;
            if (block) tags.emplace(block->data(), length);
            const bool parsed = tags && tags->Parsed();
            flavors_ = std::make_unique<FlavorTable>(dvc::registry::FlavorsFromTags(model_, parsed ? &*tags : nullptr));
            return DvOk;
        }
        if (flavors_ == nullptr) empty();
        return DvErrFailed;
    } catch (const std::bad_alloc&) {
        return DvErrFailed;
    }
}
