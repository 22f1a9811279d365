// The virtual monitors as a backend of ddclink or hidlink: each call goes to
// one entry of libdvcsim's table, which is loaded at discovery (see
// dvcsim/backend_loader.hpp).
#pragma once

#include <dvcsim/backend_loader.hpp>

namespace dvc::transport {

class SimTable {
public:
    explicit SimTable(const DvSimBackend* table) : table_(table) {}

protected:
    // The table's entry, with the arguments of the transport function it carries.
    template <auto Entry, typename... Args>
    int32_t Call(Args... args) const {
        return (table_->*Entry)(args...);
    }
    const DvSimBackend& table() const { return *table_; }

private:
    const DvSimBackend* table_;
};

// The transport's one Link (a Backend built on SimTable) when the simulator
// should serve this discovery, else null. `anchor` is an address inside the
// transport, beside which libdvcsim is looked for.
template <typename Link>
Link* SimLinkFor(const void* anchor) {
    const DvSimBackend* table = sim::loader::SelectSim(anchor);
    if (table == nullptr) return nullptr;
    // The table lives as long as the process (libdvcsim is never unloaded).
    static Link link(table);
    return &link;
}

}  // namespace dvc::transport
