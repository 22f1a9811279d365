#include "registry/varn_monitor.hpp"

#include <utility>

VarnMonitor::VarnMonitor(std::string serial, std::string model, int kind)
    : serial_(std::move(serial)), model_(std::move(model)), kind_(kind) {}

VarnMonitor::~VarnMonitor() {
    record_.reset();
    flavors_.reset();
}
