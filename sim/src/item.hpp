// The handler framework of the model profiles. Each feature entry of a
// profile names a handler kind ("value", "lut-select", ...); the kind's
// factory builds an Item from the entry's JSON, once per profile and link.
// Items hold configuration only: everything that changes lives in the
// monitor's state (Context::state), so one item serves every monitor of
// the profile and both links can share a feature's state.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dvcsim/types.hpp"
#include "json_read.hpp"
#include "libdvc/dvc_types.h"
#include "monitor_state.hpp"

namespace dvc::sim {

// What GetFixedData answers.
struct Fixed {
    int32_t maximum = 0;
    int32_t minimum = 0;
    int32_t flag = 1;
    uint32_t length = 0;
};

// The identity of the monitor an item is answering for.
struct Identity {
    std::string serial;   // 8 bytes
    std::string model;    // without padding
    std::string padding;  // trailing spaces/NULs this link adds to the model name
};

// Everything an item may touch while it answers one transaction.
class Context {
public:
    Context(Link link, const Identity& identity, MonitorState& state, Variant variant)
        : link_(link), identity_(identity), state_(state), variant_(variant) {}

    Link link() const { return link_; }
    const Identity& identity() const { return identity_; }
    MonitorState& state() { return state_; }
    // The key of this item's own cell for `code` (variant applied).
    StateKey Key(uint32_t code, uint32_t slot = 0) const { return StateKey{code, slot, variant_}; }
    // Wall-clock milliseconds: polled states persist start times across processes.
    static int64_t NowMs();
    // The monitor sends a report over its HID link (dropped while reports are off).
    void SendReport(uint32_t code, std::vector<uint8_t> data) { reports_.push_back({code, std::move(data)}); }

    struct Report {
        uint32_t code;
        std::vector<uint8_t> data;
    };
    std::vector<Report>& PendingReports() { return reports_; }

private:
    Link link_;
    const Identity& identity_;
    MonitorState& state_;
    Variant variant_;
    std::vector<Report> reports_;
};

// Seeds the initial cells of one monitor.
class Seeder {
public:
    Seeder(MonitorState& state, Variant variant, const Identity& identity)
        : state_(state), variant_(variant), identity_(identity) {}
    void Seed(uint32_t code, Cell cell, uint32_t slot = 0) { state_.Seed({code, slot, variant_}, std::move(cell)); }
    const Identity& identity() const { return identity_; }

private:
    MonitorState& state_;
    Variant variant_;
    const Identity& identity_;
};

// The entry a factory builds from.
struct ItemConfig {
    uint32_t code = 0;
    Link link = Link::DDCCI;
    const json::Json& entry;  // merged for this link
    std::string where;        // "CX2740.json: features.0x88" for messages
};

class Item {
public:
    explicit Item(uint32_t code) : code_(code) {}
    virtual ~Item() = default;
    Item(const Item&) = delete;
    Item& operator=(const Item&) = delete;

    uint32_t code() const { return code_; }
    // Further codes this item answers (the data code of a select/data pair).
    virtual std::vector<uint32_t> ExtraCodes() const { return {}; }
    virtual void Seed(Seeder&) const {}

    virtual int32_t FixedData(Context&, uint32_t code, Fixed& out) const;
    virtual int32_t GetValue(Context&, uint32_t code, uint32_t& value) const;
    virtual int32_t SetValue(Context&, uint32_t code, uint32_t value, uint32_t option) const;
    // `out` holds `size` bytes, zero-filled by the caller.
    virtual int32_t GetData(Context&, uint32_t code, uint8_t* out, uint32_t size) const;
    virtual int32_t SetData(Context&, uint32_t code, const uint8_t* in, uint32_t size, uint32_t option) const;

private:
    uint32_t code_;
};

using ItemFactory = std::function<std::unique_ptr<Item>(const ItemConfig&)>;

// Handler kinds by name. Each item file registers its kinds at load time.
void RegisterItemKind(const std::string& name, ItemFactory factory);
const ItemFactory* FindItemKind(const std::string& name);
std::vector<std::string> ItemKinds();

struct ItemKindRegistrar {
    ItemKindRegistrar(const char* name, ItemFactory factory) { RegisterItemKind(name, std::move(factory)); }
};

// Copies `bytes` into a read of `size` bytes: a read may take a prefix of
// the item; asking for more than it holds is a size mismatch.
int32_t CopyOut(const std::vector<uint8_t>& bytes, uint8_t* out, uint32_t size);

}  // namespace dvc::sim
