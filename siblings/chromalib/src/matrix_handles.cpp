#include "matrix_handles.hpp"

#include <map>
#include <memory>
#include <mutex>

namespace dvc::chromalib {
namespace {

struct Registry {
    std::mutex mutex;
    std::map<const void*, std::unique_ptr<Matrix3>> live;
};

Registry& Handles() {
    static Registry registry;
    return registry;
}

}  // namespace

void* AdoptMatrix(const Matrix3& m) {
    auto owned = std::make_unique<Matrix3>(m);
    void* handle = owned.get();
    Registry& r = Handles();
    std::lock_guard lock(r.mutex);
    r.live.emplace(handle, std::move(owned));
    return handle;
}

std::optional<double> MatrixElement(const void* handle, int row, int column) {
    if (row < 0 || row > 2 || column < 0 || column > 2) return std::nullopt;
    Registry& r = Handles();
    std::lock_guard lock(r.mutex);
    const auto it = r.live.find(handle);
    if (it == r.live.end()) return std::nullopt;
    return (*it->second)[row][column];
}

bool ReleaseMatrix(const void* handle) {
    Registry& r = Handles();
    std::lock_guard lock(r.mutex);
    return r.live.erase(handle) == 1;
}

}  // namespace dvc::chromalib
