// The monitors' state in a file shared by processes (DVC_SIM_STATE). Each
// transaction runs between Begin and End: Begin takes an exclusive flock and
// reloads the monitors' written cells when the file changed; End writes
// them back when a transaction changed any, then unlocks.
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
    void Begin(World& world);
    void End(World& world);

private:
    void Load(World& world, const std::string& bytes);
    std::string path_;
    int fd_ = -1;
    bool locked_ = false;
    std::string last_;    // file contents as last seen or written
    nlohmann::json doc_;  // parsed contents (monitors this world lacks are kept)
    bool warned_ = false;
};

}  // namespace dvc::sim
