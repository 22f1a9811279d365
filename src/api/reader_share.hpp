// A call's share of the global lock: taken on entry, given back on exit.
#pragma once

namespace dvc::api {

class ReaderShare {
public:
    ReaderShare();
    ~ReaderShare();
    ReaderShare(const ReaderShare&) = delete;
    ReaderShare& operator=(const ReaderShare&) = delete;

    // True when a report thread met a pending exclusive operation.
    bool Busy() const { return busy_; }
    // Keeps the share past this object's life (DvCtrlLockMonitor).
    bool Detach();

private:
    bool busy_ = false;
    bool counted_ = false;
};

// Registry lock of thread-safe mode, released only if it was taken.
class RegistryShare {
public:
    RegistryShare();
    ~RegistryShare();
    RegistryShare(const RegistryShare&) = delete;
    RegistryShare& operator=(const RegistryShare&) = delete;

private:
    bool entered_;
};

}  // namespace dvc::api
