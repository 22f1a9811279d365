// dvctl 3dlut upload|download|resample: a monitor's 3D LUT to and from
// .cube files, and .cube files onto other grids. A file is read and checked
// whole before anything reaches the monitor.
#include <fmt/core.h>

#include <unistd.h>

#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>

#include "command.hpp"
#include "cube_file.hpp"
#include "failure.hpp"
#include "libdvc/libdvc.h"
#include "progress.hpp"
#include "session.hpp"

namespace dvc::cli {

namespace {

struct Lut3dOptions {
    std::string monitor, input, output;
    int size = 0;
    bool factory = false, json = false;
};

std::vector<uint16_t> EvenLevels(uint16_t n) {
    CubeLut grid;
    grid.size = n;
    return CubeLevels(grid);
}

std::vector<uint16_t> Resampled(const CubeLut& lut, const std::vector<uint16_t>& levels) {
    const auto n = static_cast<uint16_t>(levels.size());
    std::vector<uint16_t> out(3u * n * n * n);
    DvCtrlHelperInterpolate3DLUT(lut.image.data(), CubeLevels(lut).data(), lut.size, out.data(), levels.data(), n);
    return out;
}

void WriteOutput(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush()) throw std::runtime_error(fmt::format("{}: cannot be written", path));
}

// The monitor's grid and its levels; a Failure when it has no 3D LUT.
std::vector<uint16_t> MonitorGrid(const Monitor& m) {
    const int grid = DvCtrlGet3DLUTGridCount(m.serial.c_str(), m.model.c_str());
    if (grid <= 0) throw Failure(DvErrNotSupported, fmt::format("{} has no transferable 3D LUT", m.model));
    std::vector<uint16_t> levels(static_cast<size_t>(grid));
    Check(DvCtrlGet3DLUTGridLevels(m.serial.c_str(), m.model.c_str(), levels.data(), static_cast<uint16_t>(grid)),
          "reading the 3D LUT's grid levels");
    return levels;
}

// Seconds a whole table takes: per transaction about 1 ms over USB HID and
// 50 ms over DDC/CI, in 512-byte chunks (one select per block) and, for
// monitors without them, 128-byte chunks (a select per chunk).
std::pair<double, double> ExpectedSeconds(const Monitor& m, size_t grid) {
    const size_t half = (grid + 1) / 2, bytes = half * half * half * 2;
    const double perCall = m.firstKind == 0 ? 0.001 : 0.05;
    const double large = 24.0 * (1 + static_cast<double>((bytes + 511) / 512));
    const double small = 24.0 * 2 * static_cast<double>((bytes + 127) / 128);
    return {large * perCall, small * perCall};
}

void RunUpload(const GlobalOptions& global, const Lut3dOptions& o) {
    const CubeLut lut = ParseCube(ReadInputFile(o.input), o.input);  // all of it, before any traffic
    Session session(global, false);
    const Monitor& m = session.Find(o.monitor);
    const auto levels = MonitorGrid(m);
    const auto n = static_cast<uint16_t>(levels.size());
    const std::vector<uint16_t> image = lut.size == n ? lut.image : Resampled(lut, levels);
    const auto [fast, slow] = ExpectedSeconds(m, n);
    if (!o.json && ::isatty(2) != 0)  // for people only, as the progress line is
        fmt::print(stderr,
                   "uploading a {0}x{0}x{0} 3D LUT{1} to {2} {3}: expected {4:.1f} s in 512-byte chunks, {5:.1f} s in "
                   "128-byte ones\n",
                   n, lut.size == n ? "" : fmt::format(" (resampled from {})", lut.size), m.model, m.serial, fast,
                   slow);
    Check(RunWithProgress("uploading the 3D LUT",
                          [&] { return DvCtrlSet3DLUTDirect(m.serial.c_str(), m.model.c_str(), image.data(), n); }),
          fmt::format("sending the 3D LUT to {}", m.model));
    if (o.json)
        fmt::print("{}\n", nlohmann::ordered_json{{"monitor", m.serial},
                                                  {"model", m.model},
                                                  {"grid", n},
                                                  {"fileGrid", lut.size},
                                                  {"resampled", lut.size != n}}
                               .dump(2));
}

void RunDownload(const GlobalOptions& global, const Lut3dOptions& o) {
    Session session(global, false);
    const Monitor& m = session.Find(o.monitor);
    const auto n = static_cast<uint16_t>(MonitorGrid(m).size());
    CubeLut lut;
    lut.size = n;
    lut.title = fmt::format("{} {} {}", m.model, m.serial, o.factory ? "factory 3D LUT" : "3D LUT");
    lut.image.assign(3u * n * n * n, 0);
    const auto read = o.factory ? DvCtrlGet3DLUTFactory : DvCtrlGet3DLUTDirect;
    Check(RunWithProgress("reading the 3D LUT",
                          [&] { return read(m.serial.c_str(), m.model.c_str(), lut.image.data(), n); }),
          fmt::format("reading the 3D LUT of {}", m.model));
    WriteOutput(o.output, FormatCube(lut));
    if (o.json)
        fmt::print(
            "{}\n",
            nlohmann::ordered_json{
                {"monitor", m.serial}, {"model", m.model}, {"grid", n}, {"factory", o.factory}, {"file", o.output}}
                .dump(2));
}

void RunResample(const Lut3dOptions& o) {
    if (o.size < 2 || o.size > 256) throw UsageError(fmt::format("--size {}: needs 2 to 256 nodes", o.size));
    CubeLut lut = ParseCube(ReadInputFile(o.input), o.input);
    const auto from = lut.size;
    lut.image = Resampled(lut, EvenLevels(static_cast<uint16_t>(o.size)));
    lut.size = static_cast<uint16_t>(o.size);
    lut.domainMin = 0.0, lut.domainMax = 1.0;
    WriteOutput(o.output, FormatCube(lut));
    if (o.json) fmt::print("{}\n", nlohmann::ordered_json{{"from", from}, {"to", o.size}, {"file", o.output}}.dump(2));
}

}  // namespace

void Add3DLutCommand(CLI::App& app, const GlobalOptions& global) {
    auto o = std::make_shared<Lut3dOptions>();
    auto* cmd = app.add_subcommand("3dlut", "a monitor's 3D LUT to and from .cube files");
    cmd->require_subcommand(1);
    auto* up = cmd->add_subcommand("upload", "send a .cube file (resampled to the monitor's grid when sizes differ)");
    up->add_option("monitor", o->monitor, "index, serial number or model name")->required();
    up->add_option("file", o->input, ".cube file")->required();
    up->add_flag("--json", o->json, "print JSON");
    up->callback([&global, o] { RunUpload(global, *o); });
    auto* down = cmd->add_subcommand("download", "save the monitor's 3D LUT as a .cube file");
    down->add_option("monitor", o->monitor, "index, serial number or model name")->required();
    down->add_option("-o,--output", o->output, ".cube file to write")->required();
    down->add_flag("--factory", o->factory, "the factory table instead of the working one");
    down->add_flag("--json", o->json, "print JSON");
    down->callback([&global, o] { RunDownload(global, *o); });
    auto* re = cmd->add_subcommand("resample", "put a .cube file onto another grid (no monitor needed)");
    re->add_option("file", o->input, ".cube file")->required();
    re->add_option("--size", o->size, "nodes per axis of the result")->required();
    re->add_option("-o,--output", o->output, ".cube file to write")->required();
    re->add_flag("--json", o->json, "print JSON");
    re->callback([o] { RunResample(*o); });
}

}  // namespace dvc::cli
