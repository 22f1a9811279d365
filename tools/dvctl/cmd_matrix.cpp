// dvctl matrix get|set MONITOR: a colour matrix of the monitor's bank, shown
// as three rows, in the 32-bit form (or --form 16); --chip reads the matrix
// the video chip applies in front of the bank.
#include <fmt/format.h>

#include <memory>
#include <nlohmann/json.hpp>

#include "command.hpp"
#include "failure.hpp"
#include "matrix_text.hpp"
#include "session.hpp"

namespace dvc::cli {
namespace {

using Json = nlohmann::ordered_json;

struct MatrixOptions {
    std::string monitor;
    int slot = 1;
    int form = 32;
    bool chip = false;
    bool enable = false;
    bool json = false;
    std::string file;
    std::vector<std::string> values;
};

std::string SlotName(const MatrixOptions& o) {
    return o.chip ? "the chip matrix" : fmt::format("slot {} ({}-bit form)", o.slot, o.form);
}

void RunGet(const GlobalOptions& global, const MatrixOptions& o) {
    Session session(global, false);
    const Monitor& monitor = session.Find(o.monitor);
    const char *id1 = monitor.serial.c_str(), *id2 = monitor.model.c_str();
    MatrixValues m{};
    const std::string what = "reading " + SlotName(o);
    if (o.chip) Check(DvCtrlGetAsicMatrix32(id1, id2, m.data()), what);
    else if (o.form == 16) Check(DvCtrlGetColorMatrix(id1, id2, o.slot, m.data()), what);
    else Check(DvCtrlGetColorMatrix32(id1, id2, o.slot, m.data()), what);
    if (o.json) {
        Json rows = Json::array();
        for (int r = 0; r < 3; ++r) rows.push_back({m[3 * r], m[3 * r + 1], m[3 * r + 2]});
        Json out{{"serial", monitor.serial}, {"model", monitor.model}};
        if (o.chip) out["chip"] = true;
        else out["slot"] = o.slot, out["form"] = o.form;
        out["matrix"] = rows;
        fmt::print("{}\n", out.dump(2));
        return;
    }
    fmt::print("{} {}, {}\n", monitor.model, monitor.serial, SlotName(o));
    for (int r = 0; r < 3; ++r) fmt::print("  {:>12.9f} {:>12.9f} {:>12.9f}\n", m[3 * r], m[3 * r + 1], m[3 * r + 2]);
}

void RunSet(const GlobalOptions& global, const MatrixOptions& o) {
    if (!o.file.empty() && !o.values.empty())
        throw UsageError("give the matrix as nine numbers or as --file, not both");
    const MatrixValues m = ParseMatrixWords(o.file.empty() ? o.values : ReadMatrixFileWords(o.file));
    Session session(global, false);
    const Monitor& monitor = session.Find(o.monitor);
    const char *id1 = monitor.serial.c_str(), *id2 = monitor.model.c_str();
    const std::string what = "writing " + SlotName(o);
    const int enable = o.enable ? 1 : 0;
    if (o.form == 16) Check(DvCtrlSetColorMatrix(id1, id2, o.slot, m.data(), enable), what);
    else Check(DvCtrlSetColorMatrix32(id1, id2, o.slot, m.data(), enable), what);
    if (o.json) {
        fmt::print("{}\n", Json{{"serial", monitor.serial},
                                {"model", monitor.model},
                                {"slot", o.slot},
                                {"form", o.form},
                                {"enabled", o.enable}}
                               .dump(2));
        return;
    }
    fmt::print("matrix written to {}{}\n", SlotName(o), o.enable ? ", slot switched on" : "");
}

void AddCommon(CLI::App* cmd, MatrixOptions& o) {
    cmd->add_option("monitor", o.monitor, "index, serial number or model name")->required();
    cmd->add_option("--slot", o.slot, "slot of the bank, 0 to 255 (default 1)")->check(CLI::Range(0, 255));
    cmd->add_option("--form", o.form, "16 or 32 (default): the fixed-point form")->check(CLI::IsMember({16, 32}));
    cmd->add_flag("--json", o.json, "print JSON");
}

}  // namespace

void AddMatrixCommand(CLI::App& app, const GlobalOptions& global) {
    auto* matrix = app.add_subcommand("matrix", "read or write a colour matrix of a monitor");
    matrix->require_subcommand(1);
    auto options = std::make_shared<MatrixOptions>();
    auto* get = matrix->add_subcommand("get", "show a matrix as three rows");
    AddCommon(get, *options);
    get->add_flag("--chip", options->chip, "the chip's matrix in front of the bank");
    get->callback([&global, options] { RunGet(global, *options); });
    auto* set = matrix->add_subcommand("set", "write nine numbers, row by row, into a slot");
    AddCommon(set, *options);
    set->add_option("values", options->values, "nine numbers, row by row");
    set->add_option("--file,-f", options->file, "read the nine numbers from a text file");
    set->add_flag("--enable", options->enable, "switch the slot on after writing");
    set->callback([&global, options] { RunSet(global, *options); });
}

}  // namespace dvc::cli
