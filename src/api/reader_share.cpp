#include "api/reader_share.hpp"

#include "api/frame_state.hpp"

namespace dvc::api {

ReaderShare::ReaderShare() {
    auto& state = FrameState::Instance();
    // A report thread must not wait for an exclusive operation: that
    // operation waits for the report to finish.
    if (ReportThreadFlag() && state.exclusiveRequests.Read() != 0) {
        if (!state.global.TryEnter()) {
            busy_ = true;
            return;
        }
    } else {
        state.global.Enter();
    }
    if (state.CountsReaders()) {
        state.readers.Increment();
        counted_ = true;
    }
    state.global.Leave();
}

ReaderShare::~ReaderShare() {
    if (counted_) FrameState::Instance().readers.Decrement();
}

bool ReaderShare::Detach() {
    const bool counted = counted_;
    counted_ = false;
    return counted;
}

RegistryShare::RegistryShare() : entered_(FrameState::Instance().TakesRegistryLock()) {
    if (entered_) FrameState::Instance().registry.Enter();
}

// A mode switch during the call must not leave a lock it never took, so the
// exit follows the entry rather than reading the flag again.
RegistryShare::~RegistryShare() {
    if (entered_) FrameState::Instance().registry.Leave();
}

}  // namespace dvc::api
