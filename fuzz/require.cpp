#include <cstdlib>

#include "targets.hpp"

namespace dvc::fuzz {

void Require(bool ok) {
    if (!ok) std::abort();
}

}  // namespace dvc::fuzz
