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

// What a command needs of the monitor it names: the monitor alone, or also
// its place among all monitors (its index).
enum class Scope { Named, Listed };

class Session {
public:
    // Selects the virtual world (if any). With `probePaths`, discovers at
    // once, first over each kind alone to learn which kinds reach which
    // monitor; otherwise discovers over the default kinds when first asked.
    Session(const GlobalOptions& global, bool probePaths);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Every monitor.
    const std::vector<Monitor>& Monitors();
    // The monitor a name means: an index, else a serial number, else a model
    // name that exactly one monitor has, in any case. Throws a Failure
    // otherwise. A serial number or model name is first looked for on the
    // links that name it alone (the others are identified but not
    // described); the monitor's index then counts only those, so a command
    // that shows it asks for Scope::Listed.
    const Monitor& Find(const std::string& name, Scope scope = Scope::Named);

    // True when the monitors are the real ones (no virtual world).
    bool Real() const { return real_; }

private:
    // One discovery; with `only`, of the links that name that monitor.
    void Discover(bool probePaths, const std::string& only);
    // The monitor `name` means among those found; null when none.
    const Monitor* Match(const std::string& name) const;

    const GlobalOptions& global_;
    std::vector<Monitor> monitors_;
    // Monitors of earlier discoveries, kept for the references handed out.
    std::vector<std::vector<Monitor>> retired_;
    bool discovered_ = false;
    bool narrowed_ = false;
    bool real_ = true;
};

}  // namespace dvc::cli
