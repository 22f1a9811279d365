// The logical monitor: one physical monitor with every path that reaches it.
#pragma once

#include <string>
#include <vector>

#include "libdvc/dvc_types.h"
#include "platform/critical_section.hpp"

class VarnMonitorInterface;

class VarnMonitor {
public:
    VarnMonitor(std::string serial, std::string model, int kind);
    virtual ~VarnMonitor();
    VarnMonitor(const VarnMonitor&) = delete;
    VarnMonitor& operator=(const VarnMonitor&) = delete;

    const std::string& SerialNumber() const { return serial_; }
    const std::string& ModelName() const { return model_; }
    // The path kind of the path that created the monitor.
    int PathKind() const { return kind_; }
    // The paths in discovery order; borrowed from the transports' lists.
    const std::vector<VarnMonitorInterface*>& Paths() const { return paths_; }
    void AddPath(VarnMonitorInterface* path) { paths_.push_back(path); }

    varn_dvc::CriticalSection& MonitorLock() { return lock_; }

    DvError GetCommunicationPath(int* kind);

private:
    std::string serial_;
    std::string model_;
    int kind_;
    std::vector<VarnMonitorInterface*> paths_;
    varn_dvc::CriticalSection lock_;
};
