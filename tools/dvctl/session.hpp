// One discovery of the attached (or virtual) monitors, and the naming of a
// monitor on the command line: by index, serial number or model name.
#pragma once

#include <string>
#include <vector>

#include "command.hpp"

namespace dvc::cli {

// A path kind as the library numbers it, with its name for people.
struct PathKind {
    int kind;
    const char* name;
};

// The kinds dvctl probes, in the library's default order.
const std::vector<PathKind>& ProbedKinds();
const char* KindName(int kind);

struct Monitor {
    int index = 0;
    std::string serial;
    std::string model;
    int firstKind = -1;          // the kind that found it first in the session
    std::vector<int> pathKinds;  // every kind that reaches it, probe order
};

class Session {
public:
    // Selects the virtual world (if any) and discovers over the default
    // kinds; with `probePaths`, first discovers over each kind alone to
    // learn which kinds reach which monitor.
    Session(const GlobalOptions& global, bool probePaths);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    const std::vector<Monitor>& Monitors() const { return monitors_; }
    // The monitor a name means: an index, else a serial number, else a model
    // name that exactly one monitor has, in any case. Throws a Failure
    // otherwise.
    const Monitor& Find(const std::string& name) const;

    // True when the monitors are the real ones (no virtual world).
    bool Real() const { return real_; }

private:
    std::vector<Monitor> monitors_;
    bool real_ = true;
};

}  // namespace dvc::cli
