// Path rules that only table operations use, beside the four common ones
// of path_rules.hpp.
#pragma once

#include "features/path_rules.hpp"

namespace dvc::features {

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

}  // namespace dvc::features
