#include "monitor_state.hpp"

#include <cstdio>
#include <cstdlib>

namespace dvc::sim {

const Cell* MonitorState::Get(const StateKey& key) const {
    if (auto it = overlay_.find(key); it != overlay_.end()) return &it->second;
    if (auto it = initial_.find(key); it != initial_.end()) return &it->second;
    return nullptr;
}

uint32_t MonitorState::ValueOr(const StateKey& key, uint32_t fallback) const {
    const Cell* c = Get(key);
    return c ? c->value : fallback;
}

void MonitorState::Put(const StateKey& key, Cell cell) {
    const Cell* current = Get(key);
    if (current != nullptr && *current == cell) return;
    overlay_[key] = std::move(cell);
    dirty = true;
}

void MonitorState::SetValue(const StateKey& key, uint32_t value) {
    Cell c;
    if (const Cell* cur = Get(key)) c = *cur;
    c.value = value;
    Put(key, std::move(c));
}

void MonitorState::SetData(const StateKey& key, std::vector<uint8_t> data) {
    Cell c;
    if (const Cell* cur = Get(key)) c = *cur;
    c.data = std::move(data);
    Put(key, std::move(c));
}

std::string KeyName(const StateKey& key) {
    char buf[48];
    int n = std::snprintf(buf, sizeof buf, "0x%X", key.code);
    if (key.slot != 0) n += std::snprintf(buf + n, sizeof buf - static_cast<std::size_t>(n), "/%u", key.slot);
    if (key.variant == Variant::DDCCI) std::snprintf(buf + n, sizeof buf - static_cast<std::size_t>(n), "@ddcci");
    if (key.variant == Variant::HID) std::snprintf(buf + n, sizeof buf - static_cast<std::size_t>(n), "@hid");
    return buf;
}

bool ParseKeyName(const std::string& text, StateKey& key) {
    const char* p = text.c_str();
    char* end = nullptr;
    if (text.rfind("0x", 0) != 0) return false;
    unsigned long long code = std::strtoull(p + 2, &end, 16);
    if (end == p + 2 || code > 0xFFFFFFFFull) return false;
    key = StateKey{static_cast<uint32_t>(code), 0, Variant::Shared};
    if (*end == '/') {
        const char* s = end + 1;
        unsigned long long slot = std::strtoull(s, &end, 10);
        if (end == s || slot > 0xFFFFFFFFull) return false;
        key.slot = static_cast<uint32_t>(slot);
    }
    std::string rest = end;
    if (rest == "@ddcci") key.variant = Variant::DDCCI;
    else if (rest == "@hid") key.variant = Variant::HID;
    else if (!rest.empty()) return false;
    return true;
}

}  // namespace dvc::sim
