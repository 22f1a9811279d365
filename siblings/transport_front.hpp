// The C front of ddclink and of hidlink: each discovery chooses the backend
// (the virtual monitors when a world is active, else the hardware), and
// every later call goes to the backend that made the current list. Before
// the first discovery there is none, and a call answers its default result.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>

#include "transport_guard.hpp"

namespace dvc::transport {

template <typename Backend>
class Front {
public:
    constexpr Front(Backend* (*sim)(), Backend& (*hardware)()) : sim_(sim), hardware_(hardware) {}

    Backend* Current() const { return current_.load(std::memory_order_acquire); }

    // Discovery, under select: the backend that now serves. When it replaces
    // another, `leave` runs on the old one first so that it drops its list.
    template <typename Leave>
    Backend& Switch(Leave&& leave) {
        Backend* sim = sim_();
        Backend* next = sim != nullptr ? sim : &hardware_();
        Backend* old = Current();
        if (next != old) {
            if (old != nullptr) leave(*old);
            current_.store(next, std::memory_order_release);
        }
        return *next;
    }

    // One call of the current backend, or `none` when there is no backend.
    template <typename... Params, typename... Args>
    int32_t Forward(int32_t none, int32_t (Backend::*method)(Params...), Args... args) noexcept {
        return Guard([&]() -> int32_t {
            Backend* b = Current();
            return b != nullptr ? (b->*method)(args...) : none;
        });
    }

    std::mutex select;  // one discovery at a time

private:
    Backend* (*sim_)();
    Backend& (*hardware_)();
    std::atomic<Backend*> current_{nullptr};
};

}  // namespace dvc::transport
