#include "dvctl_run.hpp"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace dvctltest {

Outcome Dvctl(const std::string& args, const std::string& environment) {
    // stderr goes through a file so that the two streams stay apart; the
    // timeout turns a hang into a failure.
    const std::string errFile = testing::TempDir() + "dvctl_stderr_" + std::to_string(getpid()) + ".txt";
    const std::string command =
        environment + " timeout 120 " + std::string(DVCTL_PATH) + " " + args + " 2>" + errFile + " </dev/null";
    Outcome run{-1, {}, {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream err(errFile);
    std::stringstream text;
    text << err.rdbuf();
    run.err = text.str();
    std::remove(errFile.c_str());
    return run;
}

int CountOf(const std::string& text, const std::string& word) {
    int count = 0;
    for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++count;
    return count;
}

std::string LineWith(const std::string& text, const std::string& word) {
    const auto at = text.find(word);
    if (at == std::string::npos) return {};
    const auto begin = text.rfind('\n', at);
    const auto end = text.find('\n', at);
    return text.substr(begin == std::string::npos ? 0 : begin + 1,
                       end == std::string::npos ? std::string::npos : end - begin - 1);
}

}  // namespace dvctltest
