// Transaction log and per-link counters: every transport call that reaches
// the simulator is recorded, whether it came from libdvc, a tool or a test.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "dvcsim/types.hpp"

namespace dvc::sim {

struct Transaction {
    Link link = Link::DDCCI;
    uint32_t target = 0;  // DDC/CI index or HID handle (0 for list-wide ops)
    Op op = Op::Find;
    uint32_t code = 0;          // feature code (or communication type / index)
    uint32_t value = 0;         // value written or read
    std::vector<uint8_t> data;  // bytes written or read
    uint32_t size = 0;          // size argument of data operations
    uint32_t option = 0;        // HID option argument
    int32_t result = 0;         // what the transport returned
    std::string serial;         // monitor reached, empty when none
};

// Snapshot of the log (oldest first). The log keeps the most recent
// records up to its capacity.
std::vector<Transaction> Transactions();
void ClearTransactions();
void SetLogCapacity(std::size_t records);  // default 200000; 0 turns logging off

// Human-readable one-line form of a record, for test failure messages.
std::string Describe(const Transaction& t);

struct LinkCounters {
    uint64_t calls = 0;
    uint64_t reads = 0;     // IsSupported, GetFixedData, GetValue, GetData
    uint64_t writes = 0;    // SetValue, SetData, SetDataNoCheckResult
    uint64_t failures = 0;  // negative results other than refusals
    uint64_t refusals = 0;  // DvErrRefused answers
    uint64_t bytes_read = 0;
    uint64_t bytes_written = 0;
    uint64_t faults_injected = 0;
    std::chrono::nanoseconds link_time{0};  // simulated time spent on the link
};
LinkCounters Counters(Link link);
void ResetCounters();

// The summary that DVC_SIM_SUMMARY=1 prints at exit.
std::string Summary();

}  // namespace dvc::sim
