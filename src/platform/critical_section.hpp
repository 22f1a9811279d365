// The re-entrant lock behind every lock of the library.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

namespace varn_dvc {

// Abstract lock: Enter blocks until the calling thread owns it (re-entrant
// for the owner); TryEnter never blocks.
class CriticalSectionImpl {
public:
    virtual ~CriticalSectionImpl() = default;
    virtual void Enter() = 0;
    virtual void Leave() = 0;
    virtual bool TryEnter() = 0;
};

// POSIX stand-in for the kernel's critical section. It tracks its owner so
// that a Leave by a thread that does not own the lock is a harmless no-op
// (a host may call an unlock export it never locked).
class CriticalSectionImplPosix final : public CriticalSectionImpl {
public:
    void Enter() override;
    void Leave() override;
    bool TryEnter() override;

    // True when the calling thread owns the lock.
    bool OwnedByCaller() const;

private:
    std::mutex mutex_;
    std::atomic<std::thread::id> owner_{};
    unsigned depth_ = 0;  // touched only by the owner
};

// The lock object that the rest of the library holds.
class CriticalSection {
public:
    CriticalSection() : impl_(std::make_unique<CriticalSectionImplPosix>()) {}
    CriticalSection(const CriticalSection&) = delete;
    CriticalSection& operator=(const CriticalSection&) = delete;

    void Enter() { impl_->Enter(); }
    void Leave() { impl_->Leave(); }
    bool TryEnter() { return impl_->TryEnter(); }

    // BasicLockable, so std::lock_guard and std::scoped_lock work.
    void lock() { Enter(); }
    void unlock() { Leave(); }

private:
    std::unique_ptr<CriticalSectionImpl> impl_;
};

}  // namespace varn_dvc
