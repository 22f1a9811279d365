// The report kinds as dvctl names them, with their report codes: what
// `watch` prints and what `sim report` sends.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dvc::cli {

struct ReportKind {
    const char* name;
    uint32_t code;
    const char* value;  // what VALUE is for `sim report`
};

const std::vector<ReportKind>& ReportKinds();

// The bytes a monitor sends for `kind` with the command line's VALUE (empty
// when none was given). A code instead of a name takes VALUE as hex bytes.
// Throws a UsageError naming the bad word.
std::vector<uint8_t> EncodeReport(const std::string& kind, const std::string& value, uint32_t& code);

}  // namespace dvc::cli
