#include "progress.hpp"

#include <unistd.h>

#include <chrono>
#include <future>

namespace dvc::cli {

namespace {

constexpr std::chrono::milliseconds kFrame{100};
constexpr const char kSpinner[] = "|/-\\";

}  // namespace

DvError RunWithProgress(const std::string& label, const std::function<DvError()>& call) {
    return RunWithProgress(label, call, stderr, isatty(STDERR_FILENO) == 1);
}

DvError RunWithProgress(const std::string& label, const std::function<DvError()>& call, std::FILE* out, bool show) {
    // The library's calls are made for any thread; a worker keeps the main
    // thread free to draw.
    std::future<DvError> result = std::async(std::launch::async, call);
    if (!show) return result.get();
    const auto start = std::chrono::steady_clock::now();
    for (std::size_t frame = 0;; ++frame) {
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        std::fprintf(out, "\r%c %s... %.1f s", kSpinner[frame % 4], label.c_str(), elapsed.count());
        std::fflush(out);
        if (result.wait_for(kFrame) == std::future_status::ready) break;
    }
    std::fprintf(out, "\r\033[K");
    std::fflush(out);
    return result.get();
}

}  // namespace dvc::cli
