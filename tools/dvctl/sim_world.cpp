#include "sim_world.hpp"

#include <dlfcn.h>
#include <fcntl.h>
#include <fmt/format.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>

#include "dvcsim/backend.h"
#include "failure.hpp"
#include "libdvc/libdvc.h"

namespace dvc::cli {

namespace fs = std::filesystem;

namespace {

// The folder libdvc was loaded from.
fs::path LibraryFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&DvCtrlVersion), &info) == 0 || info.dli_fname == nullptr) return {};
    return fs::path(info.dli_fname).parent_path();
}

bool IsShortName(const std::string& world) {
    return world.find('/') == std::string::npos &&
           !(world.size() >= 5 && world.compare(world.size() - 5, 5, ".json") == 0);
}

const char* Env(const char* name) {
    const char* v = std::getenv(name);
    return v != nullptr && *v != '\0' ? v : nullptr;
}

// FNV-1a: the same digest for the same path on every run.
std::uint32_t Digest(const std::string& text) {
    std::uint32_t h = 2166136261U;
    for (const unsigned char c : text) h = (h ^ c) * 16777619U;
    return h;
}

std::string StateFolder() {
    if (const char* xdg = Env("XDG_STATE_HOME"); xdg != nullptr && xdg[0] == '/') return fs::path(xdg) / "dvctl";
    if (const char* home = Env("HOME")) return fs::path(home) / ".local" / "state" / "dvctl";
    return {};
}

// The state file must be one dvctl can open for reading and writing.
void CheckStateFile(const std::string& path) {
    std::error_code ec;
    if (const fs::path parent = fs::path(path).parent_path(); !parent.empty()) fs::create_directories(parent, ec);
    if (ec)
        throw Failure(DvErrFailed,
                      fmt::format("the settings of the virtual monitors cannot be kept in {}: {}", path, ec.message()),
                      true);
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        throw Failure(
            DvErrFailed,
            fmt::format("the settings of the virtual monitors cannot be kept in {}: {}", path, std::strerror(errno)),
            true);
    ::close(fd);
}

}  // namespace

std::vector<std::string> BuiltinWorldNames() {
    std::vector<fs::path> folders;
    if (const char* data = Env("DVC_SIM_DATA")) folders.emplace_back(data);
    if (const fs::path lib = LibraryFolder(); !lib.empty()) folders.push_back(lib / ".." / "share" / "dvc" / "sim");
    std::set<std::string> names;
    for (const auto& folder : folders) {
        std::error_code ec;
        for (fs::directory_iterator it(folder / "worlds", ec), end; !ec && it != end; it.increment(ec))
            if (it->path().extension() == ".json") names.insert(it->path().stem().string());
    }
    return {names.begin(), names.end()};
}

std::string DefaultStatePath(const std::string& world) {
    const std::string folder = StateFolder();
    if (folder.empty()) return {};
    if (IsShortName(world)) return fs::path(folder) / (world + ".json");
    std::error_code ec;
    const fs::path absolute = fs::absolute(world, ec);
    return fs::path(folder) /
           fmt::format("{}-{:08x}.json", fs::path(world).stem().string(), Digest(ec ? world : absolute.string()));
}

void PrepareVirtualWorld(const GlobalOptions& global) {
    const std::string& world = global.simWorld;
    if (world.empty()) return;
    if (IsShortName(world)) {
        const auto names = BuiltinWorldNames();
        if (!names.empty() && std::find(names.begin(), names.end(), world) == names.end())
            throw UsageError(fmt::format("--sim: no virtual world is called \"{}\"; the worlds: {}", world,
                                         fmt::format("{}", fmt::join(names, ", "))));
    } else if (std::error_code ec; !fs::is_regular_file(world, ec)) {
        throw UsageError(fmt::format("--sim: the world file {} does not exist", world));
    }
    setenv("DVC_SIM", world.c_str(), 1);
    std::string state = Env("DVC_SIM_STATE") != nullptr ? Env("DVC_SIM_STATE") : DefaultStatePath(world);
    if (state.empty())
        throw Failure(DvErrFailed,
                      "the settings of the virtual monitors have nowhere to go: set HOME, XDG_STATE_HOME or "
                      "DVC_SIM_STATE",
                      true);
    if (global.simFresh) {
        std::error_code ec;
        fs::remove(state, ec);
        if (ec)
            throw Failure(DvErrFailed, fmt::format("--sim-fresh: {} cannot be removed: {}", state, ec.message()), true);
    }
    CheckStateFile(state);
    setenv("DVC_SIM_STATE", state.c_str(), 1);
}

void* SimLibrary() {
    constexpr const char* kSoname = "libdvcsim.so.1";
    void* lib = dlopen(kSoname, RTLD_NOW | RTLD_NOLOAD);
    if (const fs::path folder = LibraryFolder(); lib == nullptr && !folder.empty())
        lib = dlopen((folder / kSoname).c_str(), RTLD_NOW);
    if (lib == nullptr) lib = dlopen(kSoname, RTLD_NOW);
    return lib;
}

void CheckVirtualWorldLoaded(const GlobalOptions& global) {
    if (global.simWorld.empty()) return;
    void* lib = SimLibrary();
    const auto backend =
        lib != nullptr ? reinterpret_cast<const DvSimBackend* (*)()>(dlsym(lib, DVCSIM_BACKEND_SYMBOL)) : nullptr;
    if (backend == nullptr)
        throw Failure(DvErrFailed, "the virtual monitors' library libdvcsim.so.1 cannot be found", true);
    if (backend()->world_active() == 0)
        throw Failure(
            DvErrFailed,
            fmt::format("the virtual world {} cannot be loaded (the reason is on the line above)", global.simWorld),
            true);
}

}  // namespace dvc::cli
