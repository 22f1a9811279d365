#include "failure.hpp"

#include <fmt/core.h>

#include <cctype>
#include <cstdio>

namespace dvc::cli {

namespace {

// The library's sentence as part of a longer one: lower case, no full stop.
std::string Clause(const char* sentence) {
    std::string text = sentence != nullptr ? sentence : "";
    if (!text.empty() && text.back() == '.') text.pop_back();
    if (text.size() > 1 && std::isupper(static_cast<unsigned char>(text[0])) &&
        std::islower(static_cast<unsigned char>(text[1])))
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return text;
}

}  // namespace

DvError Check(DvError result, const std::string& what) {
    if (result < 0) throw Failure(result, what);
    return result;
}

int Report(const Failure& failure) {
    const std::string detail = failure.what();
    if (failure.Explained()) {
        fmt::print(stderr, "error: {} ({})\n", detail, DvErrorName(failure.Code()));
        return 1;
    }
    const auto split = detail.find("; ");
    const std::string asked = detail.substr(0, split);
    const std::string help = split == std::string::npos ? "" : detail.substr(split);
    fmt::print(stderr, "error: {}: {}{} ({})\n", asked, Clause(DvErrorText(failure.Code())), help,
               DvErrorName(failure.Code()));
    return 1;
}

int Report(const UsageError& error) {
    fmt::print(stderr, "error: {}\n", error.what());
    return 2;
}

}  // namespace dvc::cli
