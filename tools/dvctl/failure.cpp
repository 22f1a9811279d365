#include "failure.hpp"

#include <fmt/core.h>

#include <cstdio>

namespace dvc::cli {

DvError Check(DvError result, const std::string& what) {
    if (result < 0) throw Failure(result, what);
    return result;
}

int Report(const Failure& failure) {
    fmt::print(stderr, "error: {}: {} ({})\n", DvErrorName(failure.Code()), DvErrorText(failure.Code()),
               failure.what());
    return 1;
}

int Report(const UsageError& error) {
    fmt::print(stderr, "error: {}\n", error.what());
    return 2;
}

}  // namespace dvc::cli
