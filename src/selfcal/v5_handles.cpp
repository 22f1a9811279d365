#include "selfcal/v5_handles.hpp"

#include <mutex>
#include <unordered_map>

namespace dvc::selfcal {
namespace {

struct Live {
    std::mutex lock;
    std::unordered_map<const void*, std::unique_ptr<V5Object>> objects;
};

Live& Objects() {
    static Live live;
    return live;
}

}  // namespace

V5Object* Adopt(std::unique_ptr<V5Object> object) noexcept {
    if (!object) return nullptr;
    try {
        Live& live = Objects();
        std::lock_guard guard(live.lock);
        V5Object* handle = object.get();
        live.objects.emplace(handle, std::move(object));
        return handle;
    } catch (...) {
        return nullptr;
    }
}

V5Object* Find(const void* handle, ObjectKind kind) noexcept {
    if (handle == nullptr) return nullptr;
    Live& live = Objects();
    std::lock_guard guard(live.lock);
    const auto it = live.objects.find(handle);
    if (it == live.objects.end() || it->second->Kind() != kind) return nullptr;
    return it->second.get();
}

bool Destroy(const void* handle) noexcept {
    std::unique_ptr<V5Object> doomed;
    {
        Live& live = Objects();
        std::lock_guard guard(live.lock);
        const auto it = live.objects.find(handle);
        if (it == live.objects.end()) return false;
        doomed = std::move(it->second);
        live.objects.erase(it);
    }
    return true;
}

}  // namespace dvc::selfcal
