#include "ddc/linux_i2c_bus.hpp"

#include <fcntl.h>
#include <linux/i2c-dev.h>
#include <linux/i2c.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace dvc::ddc {
namespace {

class LinuxBus final : public I2cBus {
public:
    explicit LinuxBus(int fd) : fd_(fd) {}
    ~LinuxBus() override { ::close(fd_); }
    LinuxBus(const LinuxBus&) = delete;
    LinuxBus& operator=(const LinuxBus&) = delete;

    bool Write(uint8_t address, std::span<const uint8_t> bytes) override {
        i2c_msg m{address, 0, static_cast<__u16>(bytes.size()), const_cast<__u8*>(bytes.data())};
        return Transfer(&m, 1);
    }
    bool Read(uint8_t address, std::span<uint8_t> bytes) override {
        i2c_msg m{address, I2C_M_RD, static_cast<__u16>(bytes.size()), bytes.data()};
        return Transfer(&m, 1);
    }
    bool WriteRead(uint8_t address, std::span<const uint8_t> out, std::span<uint8_t> in) override {
        i2c_msg m[2] = {{address, 0, static_cast<__u16>(out.size()), const_cast<__u8*>(out.data())},
                        {address, I2C_M_RD, static_cast<__u16>(in.size()), in.data()}};
        return Transfer(m, 2);
    }
    // An advisory lock on the device node: every process that drives
    // displays through ddclink takes it, so their frames never interleave.
    void LockExclusive() override {
        while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {}
    }
    void UnlockExclusive() override { ::flock(fd_, LOCK_UN); }

private:
    bool Transfer(i2c_msg* msgs, unsigned n) {
        i2c_rdwr_ioctl_data data{msgs, n};
        return ::ioctl(fd_, I2C_RDWR, &data) == static_cast<int>(n);
    }
    int fd_;
};

}  // namespace

std::unique_ptr<I2cBus> OpenLinuxBus(int bus) {
    const std::string path = "/dev/i2c-" + std::to_string(bus);
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return nullptr;
    return std::make_unique<LinuxBus>(fd);
}

}  // namespace dvc::ddc
