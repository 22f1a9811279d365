// Runs the built dvctl as a user would, with its two output streams and
// its exit status kept apart.
#pragma once

#include <string>

namespace dvctltest {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

// `environment` goes before the command ("DVC_SIM_STATE=/tmp/x").
Outcome Dvctl(const std::string& args, const std::string& environment = {});

int CountOf(const std::string& text, const std::string& word);

// The whole line of `text` that holds `word`; empty when none does.
std::string LineWith(const std::string& text, const std::string& word);

}  // namespace dvctltest
