// The monitors' state in a file shared by processes (DVC_SIM_STATE). Each
// transaction runs between Begin and End, under an exclusive flock of a
// lock file beside it (<path>.lock): Begin reloads the monitors' written
// cells when the file changed; End writes them back when a transaction
// changed any. The file is never written in place: a new one is written
// beside it, synced and renamed over it, so that a process killed at any
// moment, or a full disk, leaves either the old state or the new one.
//
// A file that cannot be used (a directory, a device, unreadable) or that
// is damaged is never overwritten: a damaged one is renamed aside, and the
// failure is kept in error() for the host to report.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "monitor.hpp"

namespace dvc::sim {

class StateFile {
public:
    explicit StateFile(std::string path);
    ~StateFile();
    StateFile(const StateFile&) = delete;
    StateFile& operator=(const StateFile&) = delete;

    const std::string& path() const { return path_; }
    // Begin takes the lock and reloads; End writes back (when dirty) and
    // unlocks. End returns false when changed cells could not be kept.
    void Begin(World& world);
    bool End(World& world);
    // The first failure, in words that name the file; empty while all is well.
    const std::string& error() const { return error_; }

private:
    bool ReadCurrent(std::string& bytes);
    void Load(World& world, const std::string& bytes);
    bool Replace(const std::string& bytes);
    void SetAside(const std::string& why);
    void Fail(const std::string& message, bool disable = true);

    std::string path_;
    int lock_fd_ = -1;
    bool locked_ = false;
    bool usable_ = true;  // false once the file proved unusable: no writes
    bool stale_ = false;  // memory holds changes the file lacks: reload
    std::string last_;    // file contents as last seen or written
    nlohmann::json doc_;  // parsed contents (monitors this world lacks are kept)
    std::string error_;
};

}  // namespace dvc::sim
