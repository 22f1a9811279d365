#include "platform/critical_section.hpp"

namespace varn_dvc {

void CriticalSectionImplPosix::Enter() {
    const auto me = std::this_thread::get_id();
    if (owner_.load(std::memory_order_relaxed) == me) {
        ++depth_;
        return;
    }
    mutex_.lock();
    owner_.store(me, std::memory_order_relaxed);
    depth_ = 1;
}

bool CriticalSectionImplPosix::TryEnter() {
    const auto me = std::this_thread::get_id();
    if (owner_.load(std::memory_order_relaxed) == me) {
        ++depth_;
        return true;
    }
    if (!mutex_.try_lock()) return false;
    owner_.store(me, std::memory_order_relaxed);
    depth_ = 1;
    return true;
}

void CriticalSectionImplPosix::Leave() {
    if (owner_.load(std::memory_order_relaxed) != std::this_thread::get_id()) return;
    if (--depth_ == 0) {
        owner_.store(std::thread::id{}, std::memory_order_relaxed);
        mutex_.unlock();
    }
}

bool CriticalSectionImplPosix::OwnedByCaller() const {
    return owner_.load(std::memory_order_relaxed) == std::this_thread::get_id();
}

}  // namespace varn_dvc
