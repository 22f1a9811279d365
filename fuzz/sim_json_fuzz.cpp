// libdvcsim's readers of world files (with their inline profiles) and of
// the state file, through its public API.
#include <unistd.h>

#include <cstdlib>
#include <dvcsim/dvcsim.hpp>
#include <fstream>
#include <string>

#include "targets.hpp"

namespace dvc::fuzz {

int WorldJson(const uint8_t* data, size_t size) {
    // A refused world is a clear error; an accepted one must be usable.
    if (sim::ActivateWorldJson(std::string(reinterpret_cast<const char*>(data), size), "<fuzz>")) {
        for (const auto& m : sim::Monitors()) sim::GetStateValue(m.serial, 0x10);
        sim::DeactivateWorld();
    }
    return 0;
}

// Any bytes in the state file: loaded, or set aside as damaged, never a crash.
int StateJson(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/dvc_fuzz_state_" + std::to_string(::getpid()) + ".json";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    ::setenv("DVC_SIM_STATE", path.c_str(), 1);
    Require(static_cast<bool>(sim::ActivateWorld("single")));
    for (const auto& m : sim::Monitors()) sim::GetStateValue(m.serial, 0x10);
    sim::DeactivateWorld();
    ::unsetenv("DVC_SIM_STATE");
    for (const char* suffix : {"", ".damaged", ".lock"}) std::remove((path + suffix).c_str());
    return 0;
}

}  // namespace dvc::fuzz
