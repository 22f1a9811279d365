#include "item.hpp"

#include <chrono>
#include <cstring>
#include <map>
#include <mutex>

namespace dvc::sim {
namespace {

struct Kinds {
    std::mutex mutex;
    std::map<std::string, ItemFactory> factories;
};

Kinds& TheKinds() {
    static Kinds kinds;
    return kinds;
}

}  // namespace

int64_t Context::NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

int32_t Item::FixedData(Context&, uint32_t, Fixed& out) const {
    out = Fixed{};
    return DvOk;
}
int32_t Item::GetValue(Context&, uint32_t, uint32_t&) const { return DvErrNotSupported; }
int32_t Item::SetValue(Context&, uint32_t, uint32_t, uint32_t) const { return DvErrNotSupported; }
int32_t Item::GetData(Context&, uint32_t, uint8_t*, uint32_t) const { return DvErrNotSupported; }
int32_t Item::SetData(Context&, uint32_t, const uint8_t*, uint32_t, uint32_t) const { return DvErrNotSupported; }

void RegisterItemKind(const std::string& name, ItemFactory factory) {
    Kinds& k = TheKinds();
    std::lock_guard lock(k.mutex);
    k.factories[name] = std::move(factory);
}

const ItemFactory* FindItemKind(const std::string& name) {
    Kinds& k = TheKinds();
    std::lock_guard lock(k.mutex);
    auto it = k.factories.find(name);
    return it == k.factories.end() ? nullptr : &it->second;
}

std::vector<std::string> ItemKinds() {
    Kinds& k = TheKinds();
    std::lock_guard lock(k.mutex);
    std::vector<std::string> names;
    for (const auto& [name, f] : k.factories) names.push_back(name);
    return names;
}

int32_t CopyOut(const std::vector<uint8_t>& bytes, uint8_t* out, uint32_t size) {
    if (size > bytes.size()) return DvErrSizeMismatch;
    if (size != 0) std::memcpy(out, bytes.data(), size);
    return DvOk;
}

}  // namespace dvc::sim
