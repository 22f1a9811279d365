// The frame's side of report dispatch: a report is delivered only when no
// exclusive operation holds the global lock, and is counted while it runs.
#pragma once

namespace dvc::api {

class ReportGate {
public:
    ReportGate();
    ~ReportGate();
    ReportGate(const ReportGate&) = delete;
    ReportGate& operator=(const ReportGate&) = delete;

    // False when the report must be dropped.
    bool Open() const { return open_; }

private:
    bool open_ = false;
};

}  // namespace dvc::api
