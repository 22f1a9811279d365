// One virtual monitor (path_tester.json) on both links, a path of each kind
// to it, and what reached it in short form. Waits are recorded, not slept.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <dvcsim/dvcsim.hpp>
#include <string>
#include <vector>

#include "paths/varn_ddcci_monitor.hpp"
#include "paths/varn_hid_monitor.hpp"
#include "support/wait_recorder.hpp"

namespace dvc::test {

using Strings = std::vector<std::string>;
using Bytes = std::vector<uint8_t>;
inline constexpr const char* kSerial = "PATH0001";

class PathWorld : public ::testing::Test {
protected:
    void SetUp() override { Use("{}"); }
    void TearDown() override {
        Release();
        dvcsim::DeactivateWorld();
    }

    // Activates the world with `patch` merged over the monitor's features and
    // finds its two paths; the log starts empty.
    void Use(const std::string& patch) {
        Release();
        const auto status = dvcsim::ActivateWorldJson(R"({"monitors": [{"serial": "PATH0001", "profile": ")" DVC_PATH_TESTER
                                                      R"(", "links": {"ddcci": true, "hid": true}, "features": )" +
                                                      patch + "}]}");
        ASSERT_TRUE(status.ok) << status.message;
        ASSERT_EQ(VarnDDCCIMonitor::FindMonitors(0), 1);
        ASSERT_EQ(VarnHIDMonitor::FindMonitors(), 1);
        ddcci = VarnDDCCIMonitor::Monitors()[0].get();
        hid = VarnHIDMonitor::Monitors()[0].get();
        dvcsim::ClearTransactions();
    }
    static void Release() {
        VarnHIDMonitor::ReleaseMonitors();
        VarnDDCCIMonitor::ReleaseMonitors();
    }

    // The log, oldest first, then emptied: "? 70" a support query, "F 70" fixed
    // data, "R 70" a value read, "W 70=4" a value write, "D 12#17" a data read
    // of 17 bytes, "S 12:0a0b" a data write (its bytes, or "#size" past 16) and
    // "U" one not waited for.
    static Strings Trace() {
        Strings out;
        for (const auto& t : dvcsim::Transactions()) {
            const auto op = static_cast<size_t>(t.op);
            if (op > static_cast<size_t>(dvcsim::Op::SetDataNoCheckResult)) continue;
            char text[64];
            int n = std::snprintf(text, sizeof text, "%c %x", "?FRWDSU"[op], t.code);
            if (t.op == dvcsim::Op::SetValue) n += std::snprintf(text + n, sizeof text - n, "=%u", t.value);
            if (t.op == dvcsim::Op::GetData || t.size > 16) std::snprintf(text + n, sizeof text - n, "#%u", t.size);
            std::string line = text;
            if (t.op >= dvcsim::Op::SetData && t.size <= 16) {
                line += ':';
                for (uint8_t b : t.data) line += "0123456789abcdef"[b >> 4], line += "0123456789abcdef"[b & 15];
            }
            out.push_back(line);
        }
        dvcsim::ClearTransactions();
        return out;
    }

    static uint32_t Stored(uint32_t code, uint32_t slot = 0) {
        return dvcsim::GetStateValue(kSerial, code, slot).value_or(0xDEADBEEF);
    }
    static Bytes StoredData(uint32_t code, uint32_t slot = 0) {
        return dvcsim::GetStateData(kSerial, code, slot).value_or(Bytes{});
    }
    // Makes `count` calls of `op` on `code` (0: all), after `skip`, answer
    // `result` (or misbehave as `kind` says).
    static void Fault(dvcsim::Op op, uint32_t code, int32_t result, uint32_t skip = 0, uint32_t count = 1,
                      dvcsim::FaultKind kind = dvcsim::FaultKind::Result) {
        dvcsim::FaultRule rule;
        rule.op = op;
        rule.code = code;
        rule.result = result;
        rule.skip = skip;
        rule.count = count;
        rule.kind = kind;
        dvcsim::AddFault(rule);
    }

    WaitRecorder waits;
    VarnDDCCIMonitor* ddcci = nullptr;
    VarnHIDMonitor* hid = nullptr;
};

}  // namespace dvc::test
