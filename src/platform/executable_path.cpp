#include "platform/executable_path.hpp"

#include <unistd.h>

#include <vector>

namespace dvc::platform {

std::string ExecutablePath() {
    std::size_t size = 260;
    for (int attempt = 0; attempt < 3; ++attempt, size *= 2) {
        std::vector<char> buffer(size);
        const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (n < 0) return {};
        if (static_cast<std::size_t>(n) < buffer.size()) return std::string(buffer.data(), n);
    }
    return {};
}

std::string ExecutableDirectory() {
    const std::string path = ExecutablePath();
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace dvc::platform
