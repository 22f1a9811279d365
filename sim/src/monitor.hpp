// One virtual monitor of a world: its identity on each link, the items its
// firmware answers per link, and its state.
#pragma once

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "device_lock.hpp"
#include "item.hpp"
#include "monitor_state.hpp"

namespace dvc::sim {

// The items one link of a monitor answers, by feature code.
struct ItemTable {
    struct Entry {
        std::shared_ptr<const Item> item;
        Variant variant = Variant::Shared;
    };
    std::map<uint32_t, Entry> by_code;
    std::vector<Entry> items;  // each item once, in profile order

    const Entry* Find(uint32_t code) const {
        auto it = by_code.find(code);
        return it == by_code.end() ? nullptr : &it->second;
    }
};

struct VirtualMonitor {
    std::string serial;
    std::string model;
    std::string profile;
    bool has_ddcci = false;
    std::vector<int32_t> ddcci_types;
    bool has_hid = false;
    bool device_lock_supported = true;
    std::array<Identity, 2> identity;  // by link
    std::array<ItemTable, 2> items;    // by link
    MonitorState state;
    bool reports_on = false;
    uint32_t hid_handle = 0;
    std::shared_ptr<DeviceLock> device_lock;

    const Identity& IdentityOn(Link l) const { return identity[static_cast<std::size_t>(l)]; }
    const ItemTable& ItemsOn(Link l) const { return items[static_cast<std::size_t>(l)]; }
};

struct World {
    std::string origin;  // file or name it came from
    std::vector<std::unique_ptr<VirtualMonitor>> monitors;
    bool timing_given = false;
    struct {
        bool enabled = false;
        int64_t ddcci_reply_us = 40000, ddcci_post_write_us = 50000, hid_reply_us = 1000;
    } timing;

    VirtualMonitor* BySerial(std::string_view serial) const {
        for (const auto& m : monitors)
            if (m->serial == serial) return m.get();
        return nullptr;
    }
};

}  // namespace dvc::sim
