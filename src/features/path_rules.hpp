// How an operation of a logical monitor asks its paths: one at a time, in
// list order, calling `perPath(path)` (or `perPath(path, channel)`) on each
// until the rule says the search is over. The paths are the monitor's list
// of VarnMonitorInterface pointers; callables are taken by reference and
// inlined, so a rule costs no more than the loop it stands for.
#pragma once

#include <cstdint>
#include <iterator>
#include <type_traits>
#include <utility>

#include "libdvc/dvc_types.h"

namespace dvc::features {

// The rules by name, as the feature table's rows give them.
enum class Rule { FirstAnswer, FirstSuccess, AnyPath, FirstPathOnly, FirstNonZero };

// First-answer: the first success or definite refusal (0x80000006) ends the
// search; otherwise the last path's failure. No paths: 0x80000000.
template <class Paths, class PerPath>
DvError FirstAnswer(const Paths& paths, PerPath&& perPath) {
    DvError result = DvErrFailed;
    for (auto* path : paths) {
        result = perPath(*path);
        if (result >= 0 || result == DvErrRefused) return result;
    }
    return result;
}

// First-success: only a success ends the search; a refusal goes on to the
// next path. Otherwise the last path's failure. No paths: 0x80000000.
template <class Paths, class PerPath>
DvError FirstSuccess(const Paths& paths, PerPath&& perPath) {
    DvError result = DvErrFailed;
    for (auto* path : paths) {
        result = perPath(*path);
        if (result >= 0) return result;
    }
    return result;
}

// Every path is asked in turn until one answers other than 0; that answer
// ends the search. Commands that each path must receive use it. No paths:
// 0x80000000.
template <class Paths, class PerPath>
DvError FirstNonZero(const Paths& paths, PerPath&& perPath) {
    DvError result = DvErrFailed;
    for (auto* path : paths) {
        result = perPath(*path);
        if (result != DvOk) return result;
    }
    return result;
}

// Any-path: the first nonzero answer (a support flag) is the result; 0 when
// no path gives one or there are no paths.
template <class Paths, class PerPath>
auto AnyPath(const Paths& paths, PerPath&& perPath) {
    using Answer = std::decay_t<decltype(perPath(**std::begin(paths)))>;
    for (auto* path : paths) {
        if (const Answer answer = perPath(*path); answer != Answer{}) return answer;
    }
    return Answer{};
}

// First-path-only: the first path alone is asked once per channel, in
// order. A negative answer for any channel (a failure, or a per-path
// callable's way of saying the feature is absent) gives 0x80000000 at once;
// otherwise 0. No paths: 0x80000000.
template <class Paths, class Channels, class PerPath>
DvError FirstPathOnly(const Paths& paths, const Channels& channels, PerPath&& perPath) {
    auto first = std::begin(paths);
    if (first == std::end(paths)) return DvErrFailed;
    for (const auto channel : channels) {
        if (perPath(**first, channel) < 0) return DvErrFailed;
    }
    return DvOk;
}

// One of the three rules that end on a result, chosen by name.
template <Rule kRule, class Paths, class PerPath>
DvError Ask(const Paths& paths, PerPath&& perPath) {
    if constexpr (kRule == Rule::FirstAnswer) return FirstAnswer(paths, perPath);
    else if constexpr (kRule == Rule::FirstSuccess) return FirstSuccess(paths, perPath);
    else if constexpr (kRule == Rule::FirstNonZero) return FirstNonZero(paths, perPath);
    else static_assert(kRule == Rule::FirstAnswer, "this rule needs a call of its own (AnyPath, FirstPathOnly)");
}

}  // namespace dvc::features
