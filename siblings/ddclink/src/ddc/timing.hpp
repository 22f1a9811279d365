// The pauses that real displays need. A display's DDC/CI microcontroller
// answers a request only after it has had time to prepare the reply, and
// ignores frames that follow a write too closely; a bus that is driven too
// fast returns garbage or NAKs. The values are the usual minimums; tests
// scale them down.
#pragma once

#include <chrono>

namespace dvc::ddc {

struct Timing {
    using us = std::chrono::microseconds;
    us replyDelay{40'000};     // after a Get VCP request, before its reply is read
    us fragmentDelay{50'000};  // after a capabilities or table read request
    us writeDelay{50'000};     // after a write that expects no reply (Set VCP, table write)
    us busGap{10'000};         // between the end of one transaction and the next frame on the bus
    us retryPause{40'000};     // before another attempt of a failed transaction
    int attempts = 4;          // tries per transaction (per fragment for fragmented reads)

    // Every pause multiplied by `factor` (the emulated bus runs the
    // protocol faster or slower than real time).
    Timing Scaled(double factor) const {
        auto s = [factor](us v) { return us(static_cast<long long>(static_cast<double>(v.count()) * factor)); };
        Timing t = *this;
        t.replyDelay = s(replyDelay);
        t.fragmentDelay = s(fragmentDelay);
        t.writeDelay = s(writeDelay);
        t.busGap = s(busGap);
        t.retryPause = s(retryPause);
        return t;
    }
};

}  // namespace dvc::ddc
