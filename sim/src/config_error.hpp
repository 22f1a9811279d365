// Errors in world and profile files: thrown while loading, caught at the
// API boundary and turned into a message naming the file and the problem.
#pragma once

#include <stdexcept>
#include <string>

namespace dvc::sim {

class ConfigError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace dvc::sim
