// Reports that other processes post to a virtual monitor: one append-only
// file per serial number in a folder that every process of the user shares.
// A process whose monitor has its reports on reads the posts made after it
// started watching and hands them on as the monitor's own reports, so that
// `dvctl sim report` in one shell reaches `dvctl watch` in another.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace dvc::sim {

class ReportMailbox {
public:
    using Deliver = std::function<void(const std::string& serial, uint32_t code, std::vector<uint8_t> data)>;

    // DVC_SIM_REPORTS, else a folder of the user's under XDG_RUNTIME_DIR or /tmp.
    static std::string Folder();
    // Appends one report to the monitor's box; false when it cannot be written.
    static bool Post(std::string_view serial, uint32_t code, const std::vector<uint8_t>& data);

    explicit ReportMailbox(Deliver deliver) : deliver_(std::move(deliver)) {}
    ~ReportMailbox();
    ReportMailbox(const ReportMailbox&) = delete;
    ReportMailbox& operator=(const ReportMailbox&) = delete;

    // Starts (from the box's present end) or stops reading a monitor's box.
    // Never waits for the reader thread, so it may be called under any lock.
    void Watch(const std::string& serial, bool on);

private:
    void Run();
    // New complete lines of one box, from `offset` on.
    static std::vector<std::string> ReadLines(const std::string& serial, long& offset);

    Deliver deliver_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::map<std::string, long> watched_;  // serial -> offset read so far
    std::thread thread_;
    bool stopping_ = false;
};

}  // namespace dvc::sim
