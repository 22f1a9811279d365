// The simulator's transaction log in a short form that a test can compare as
// a list of strings, and a scripted fault in one call.
#pragma once

#include <cstdio>
#include <dvcsim/dvcsim.hpp>
#include <string>
#include <vector>

namespace dvc::test {

using Strings = std::vector<std::string>;

// The log's transport calls, oldest first, then the log emptied: "? 70" a
// support query, "F 70" fixed data, "R 70" a value read, "W 70=4" a value
// write, "D 12#17" a data read of 17 bytes, "S 12:0a0b" a data write (its
// bytes; past 16 of them "S 12#size"), "U" a data write not waited for.
// Codes are hexadecimal, values and sizes decimal.
inline Strings Trace() {
    using dvc::sim::Op;
    Strings out;
    for (const auto& t : dvc::sim::Transactions()) {
        if (t.op > Op::SetDataNoCheckResult) continue;
        char text[64];
        int n = std::snprintf(text, sizeof text, "%c %x", "?FRWDSU"[static_cast<int>(t.op)], t.code);
        if (t.op == Op::SetValue) n += std::snprintf(text + n, sizeof text - n, "=%u", t.value);
        const bool bytes = t.op >= Op::SetData && t.size <= 16;
        if (!bytes && t.op >= Op::GetData) std::snprintf(text + n, sizeof text - n, "#%u", t.size);
        if (bytes) n += std::snprintf(text + n, sizeof text - n, ":");
        for (size_t i = 0; bytes && i < t.data.size(); ++i) {
            n += std::snprintf(text + n, sizeof text - n, "%02x", t.data[i]);
        }
        out.emplace_back(text);
    }
    dvc::sim::ClearTransactions();
    return out;
}

// From now on, `count` calls (0: every one) of `op` on `code`, after the
// first `skip`, answer `result` (or misbehave as `kind` says).
inline uint32_t Fault(dvc::sim::Op op, uint32_t code, int32_t result, uint32_t skip = 0, uint32_t count = 1,
                      dvc::sim::FaultKind kind = dvc::sim::FaultKind::Result) {
    dvc::sim::FaultRule rule;
    rule.op = op;
    rule.code = code;
    rule.result = result;
    rule.skip = skip;
    rule.count = count;
    rule.kind = kind;
    return dvc::sim::AddFault(rule);
}

}  // namespace dvc::test
