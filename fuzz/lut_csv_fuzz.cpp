// libFuzzer entry for dvctl's tone-LUT CSV parser. Beyond surviving any
// input: a parsed table holds only levels 0.0 to 1.0 and comes back the same
// (to the printed precision) through the writer; a refused one names a line
// of the text and says what is wrong.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "lut_csv.hpp"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

void CheckParse(std::string_view text, std::size_t columns) {
    const dvc::cli::LutCsv table = dvc::cli::ParseLutCsv(text, columns);
    if (table.errorLine != 0) {
        std::size_t lines = 1;
        for (const char c : text) lines += c == '\n';
        Check(table.errorLine <= lines && !table.error.empty());
        return;
    }
    Check(table.channels.size() == columns);
    for (const auto& channel : table.channels)
        for (const double level : channel) Check(level >= 0.0 && level <= 1.0);
    const auto again = dvc::cli::ParseLutCsv(
        dvc::cli::FormatLutCsv(table.channels, std::vector<std::string>(columns, "level")), columns);
    Check(again.errorLine == 0);
    for (std::size_t c = 0; c < columns; ++c)
        for (std::size_t i = 0; i < dvc::cli::kLutEntries; ++i) {
            const double difference = again.channels[c][i] - table.channels[c][i];
            Check(difference < 1e-6 && difference > -1e-6);
        }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckParse(text, 1);
    CheckParse(text, 3);
    return 0;
}
