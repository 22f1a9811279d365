// Long calls (an automatic adjustment, an EDID write) run on a worker
// thread while the main thread shows that something is happening: a
// spinner with the elapsed time, on stderr, and only when stderr is a
// terminal, so that scripts and tests see clean output.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "libdvc/libdvc.h"

namespace dvc::cli {

DvError RunWithProgress(const std::string& label, const std::function<DvError()>& call);

// The same, drawing on `out` when `show`; the first frame is drawn before
// waiting, and the line is cleared when the call returns.
DvError RunWithProgress(const std::string& label, const std::function<DvError()>& call, std::FILE* out, bool show);

}  // namespace dvc::cli
