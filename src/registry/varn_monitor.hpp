// The logical monitor: one physical monitor with every path that reaches it,
// its identification and its lock. The feature operations on it live in
// features/ as functions over a VarnMonitor.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "libdvc/dvc_types.h"
#include "platform/critical_section.hpp"
#include "registry/derived_tables.hpp"
#include "registry/flavor_table.hpp"
#include "registry/model_record.hpp"
#include "reports/callback_manager.hpp"

class VarnMonitorInterface;

class VarnMonitor {
public:
    VarnMonitor(std::string serial, std::string model, int kind);
    // Frees the model record and the flavor table before everything else.
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
    // The host's report callbacks; they go with the monitor.
    VarnMonitorReport::CallbackManager& Callbacks() { return callbacks_; }

    // Identification, run by discovery in this order. ReadModelRecord gives
    // 0 when the record came from tag data or the monitor has none, and
    // DvErrFailed when no path delivered its tag block (a record from the
    // built-in tables is made anyway). ReadFlavorTable gives DvErrFailed
    // when no path delivered the flavor block (the table is then empty).
    DvError ReadModelRecord();
    DvError ReadFlavorTable();

    // Null until identified.
    const dvc::registry::ModelRecord* Record() const { return record_.get(); }
    const dvc::registry::FlavorTable* Flavors() const { return flavors_.get(); }
    void SetRecord(std::unique_ptr<dvc::registry::ModelRecord> record) { record_ = std::move(record); }
    void SetFlavors(std::unique_ptr<dvc::registry::FlavorTable> flavors) { flavors_ = std::move(flavors); }

private:
    std::string serial_;
    std::string model_;
    int kind_;
    std::vector<VarnMonitorInterface*> paths_;
    std::unique_ptr<dvc::registry::ModelRecord> record_;
    std::unique_ptr<dvc::registry::FlavorTable> flavors_;
    varn_dvc::CriticalSection lock_;
    VarnMonitorReport::CallbackManager callbacks_;
};
