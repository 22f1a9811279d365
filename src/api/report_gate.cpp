#include "api/report_gate.hpp"

#include "api/frame_state.hpp"

namespace dvc::api {

ReportGate::ReportGate() {
    auto& state = FrameState::Instance();
    ReportThreadFlag() = true;
    if (!state.global.TryEnter()) return;
    state.EnterReport();
    state.global.Leave();
    open_ = true;
}

ReportGate::~ReportGate() {
    if (open_) FrameState::Instance().LeaveReport();
    ReportThreadFlag() = false;
}

}  // namespace dvc::api
