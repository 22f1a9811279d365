// Identification of a logical monitor: its model record and flavor table.
#include <memory>

#include "registry/varn_monitor.hpp"

using dvc::registry::FlavorTable;
using dvc::registry::ModelRecord;

DvError VarnMonitor::ReadModelRecord() {
    const bool hadRecord = record_ != nullptr;
    if (!hadRecord) record_ = std::make_unique<ModelRecord>();
    return paths_.empty() ? DvErrFailed : DvOk;
}

DvError VarnMonitor::ReadFlavorTable() {
    auto table = std::make_unique<FlavorTable>();
    table->model = model_;
    flavors_ = std::move(table);
    return DvOk;
}
