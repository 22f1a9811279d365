#include "platform/sleep.hpp"

#include <chrono>
#include <thread>

namespace dvc::platform {

void Sleep(uint32_t milliseconds) {
    if (milliseconds == 0) {
        std::this_thread::yield();
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace dvc::platform
