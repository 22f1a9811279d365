// The stored state of one virtual monitor: cells of (value, bytes) keyed by
// feature code, slot and link variant. The profile seeds the initial cells;
// everything written since lives in an overlay, which is what a state file
// persists and what a reset drops.
#pragma once

#include <compare>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace dvc::sim {

// Which link's copy of a feature: most features are one state seen by both
// links; a per-link override with its own contents gets its own copy.
enum class Variant : uint8_t { Shared = 0, DDCCI = 1, HID = 2 };

struct StateKey {
    uint32_t code = 0;
    uint32_t slot = 0;
    Variant variant = Variant::Shared;
    auto operator<=>(const StateKey&) const = default;
};

struct Cell {
    uint32_t value = 0;
    std::vector<uint8_t> data;
    bool operator==(const Cell&) const = default;
};

class MonitorState {
public:
    // The current cell, or null when neither the profile nor a write made it.
    const Cell* Get(const StateKey& key) const;
    uint32_t ValueOr(const StateKey& key, uint32_t fallback) const;
    // Writes go to the overlay.
    void SetValue(const StateKey& key, uint32_t value);
    void SetData(const StateKey& key, std::vector<uint8_t> data);
    void Put(const StateKey& key, Cell cell);

    void Seed(const StateKey& key, Cell cell) { initial_[key] = std::move(cell); }
    void Reset() { overlay_.clear(); }

    const std::map<StateKey, Cell>& Overlay() const { return overlay_; }
    void ReplaceOverlay(std::map<StateKey, Cell> overlay) { overlay_ = std::move(overlay); }
    const std::map<StateKey, Cell>& Initial() const { return initial_; }

    // Set by every write; cleared by whoever persists the state.
    bool dirty = false;

private:
    std::map<StateKey, Cell> initial_;
    std::map<StateKey, Cell> overlay_;
};

// "0x88", "0x19/131", "0x13@hid": the persisted name of a key.
std::string KeyName(const StateKey& key);
bool ParseKeyName(const std::string& text, StateKey& key);

}  // namespace dvc::sim
