// How a transport finds the simulator: header-only, shared by the sim
// backends of ddclink and hidlink (which must not link libdvcsim).
#pragma once

#include <dlfcn.h>

#include <cstdlib>
#include <string>

#include "dvcsim/backend.h"

namespace dvc::sim::loader {

inline const DvSimBackend* TableOf(void* lib) {
    if (lib == nullptr) return nullptr;
    using Entry = const DvSimBackend* (*)();
    auto entry = reinterpret_cast<Entry>(dlsym(lib, DVCSIM_BACKEND_SYMBOL));
    if (entry == nullptr) return nullptr;
    const DvSimBackend* table = entry();
    if (table == nullptr || table->abi != DVCSIM_BACKEND_ABI || table->size < sizeof(DvSimBackend)) return nullptr;
    return table;
}

// The folder of the shared object that holds `anchor` (with a trailing '/').
inline std::string FolderOf(const void* anchor) {
    Dl_info info{};
    if (dladdr(anchor, &info) == 0 || info.dli_fname == nullptr) return {};
    std::string path = info.dli_fname;
    auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string{} : path.substr(0, slash + 1);
}

// The simulator when it should serve this discovery, else null: when DVC_SIM
// names a world, libdvcsim is loaded (beside the transport first, then by
// the run path); otherwise only a copy already in the process (a test that
// linked it) is asked whether it has an active world. The handle is kept
// for the life of the process: the table must outlive every call.
inline const DvSimBackend* SelectSim(const void* anchor) {
    static constexpr const char* kSoname = "libdvcsim.so.1";
    const char* env = std::getenv("DVC_SIM");
    void* lib = dlopen(kSoname, RTLD_NOW | RTLD_NOLOAD);
    if (lib == nullptr && env != nullptr && *env != '\0') {
        std::string beside = FolderOf(anchor) + kSoname;
        lib = dlopen(beside.c_str(), RTLD_NOW | RTLD_GLOBAL);
        if (lib == nullptr) lib = dlopen(kSoname, RTLD_NOW | RTLD_GLOBAL);
    }
    const DvSimBackend* table = TableOf(lib);
    if (table == nullptr || table->world_active() == 0) return nullptr;
    return table;
}

}  // namespace dvc::sim::loader
