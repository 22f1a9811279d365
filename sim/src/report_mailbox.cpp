#include "report_mailbox.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "data_paths.hpp"
#include "platform/bounded_file.hpp"

namespace dvc::sim {

namespace {

constexpr auto kPollEvery = std::chrono::milliseconds(10);

std::string BoxPath(std::string_view serial) {
    return ReportMailbox::Folder() + "/" + std::string(serial) + ".reports";
}

long FileSize(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? static_cast<long>(st.st_size) : 0;
}

// "CODE[ HEX]": the code in hex, then the data bytes in hex.
bool ParseLine(const std::string& line, uint32_t& code, std::vector<uint8_t>& data) {
    char* end = nullptr;
    code = static_cast<uint32_t>(std::strtoul(line.c_str(), &end, 16));
    if (end == line.c_str()) return false;
    std::string hex;
    for (const char* p = end; *p != '\0'; ++p) {
        if (*p != ' ') hex += *p;
    }
    if (hex.size() % 2 != 0) return false;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const std::string pair = hex.substr(i, 2);
        data.push_back(static_cast<uint8_t>(std::strtoul(pair.c_str(), &end, 16)));
        if (*end != '\0') return false;
    }
    return true;
}

}  // namespace

std::string ReportMailbox::Folder() {
    if (const char* env = std::getenv("DVC_SIM_REPORTS"); env != nullptr && *env != '\0') return env;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string base = runtime != nullptr && *runtime != '\0' ? runtime : "/tmp";
    return base + "/dvcsim-reports-" + std::to_string(::getuid());
}

bool ReportMailbox::Post(std::string_view serial, uint32_t code, const std::vector<uint8_t>& data) {
    if (serial.empty() || serial.find('/') != std::string_view::npos) return false;
    ::mkdir(Folder().c_str(), 0700);
    char line[16 + 3 * 64];
    int n = std::snprintf(line, sizeof line, "%08X", code);
    for (std::size_t i = 0; i < data.size() && i < 64; ++i)
        n += std::snprintf(line + n, sizeof line - n, " %02X", data[i]);
    line[n++] = '\n';
    // One write of a short line: appends from several processes never mix.
    // Opened without blocking and written only when it is a regular file.
    const int fd = ::open(BoxPath(serial).c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0600);
    if (fd < 0) return false;
    struct stat st {};
    const bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::write(fd, line, static_cast<std::size_t>(n)) == n;
    return ::close(fd) == 0 && ok;
}

ReportMailbox::~ReportMailbox() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void ReportMailbox::Watch(const std::string& serial, bool on) {
    std::lock_guard lock(mutex_);
    if (!on) {
        watched_.erase(serial);
        return;
    }
    watched_[serial] = FileSize(BoxPath(serial));
    if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
    wake_.notify_all();
}

std::vector<std::string> ReportMailbox::ReadLines(const std::string& serial, long& offset) {
    std::vector<std::string> lines;
    const std::string path = BoxPath(serial);
    if (FileSize(path) < offset) offset = 0;  // the box was emptied or replaced
    // A box that is no regular file (a FIFO would block) or has grown past
    // the cap is not read.
    const FileRead read = ReadBoundedFile(path, kMaxDataFile);
    if (!read || static_cast<std::size_t>(offset) > read.bytes.size()) return lines;
    std::size_t at = static_cast<std::size_t>(offset);
    for (std::size_t end = read.bytes.find('\n', at); end != std::string::npos; end = read.bytes.find('\n', at)) {
        lines.push_back(read.bytes.substr(at, end - at));
        at = end + 1;
    }
    offset = static_cast<long>(at);
    return lines;
}

void ReportMailbox::Run() {
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        if (watched_.empty()) {
            wake_.wait(lock, [&] { return stopping_ || !watched_.empty(); });
            continue;
        }
        std::vector<std::pair<std::string, std::string>> posts;
        for (auto& [serial, offset] : watched_) {
            for (auto& line : ReadLines(serial, offset)) posts.emplace_back(serial, std::move(line));
        }
        // Delivered without the lock: the monitor's side may call Watch.
        lock.unlock();
        for (const auto& [serial, line] : posts) {
            uint32_t code = 0;
            std::vector<uint8_t> data;
            if (ParseLine(line, code, data)) deliver_(serial, code, std::move(data));
        }
        lock.lock();
        wake_.wait_for(lock, kPollEvery, [&] { return stopping_; });
    }
}

}  // namespace dvc::sim
