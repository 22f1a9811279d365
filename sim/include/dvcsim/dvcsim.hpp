// The simulator's C++ API: worlds of virtual monitors and their
// instrumentation. Link `dvcsim` to use it in-process; ddclink and hidlink
// then reach the same world.
#pragma once

#include "dvcsim/faults.hpp"
#include "dvcsim/log.hpp"
#include "dvcsim/reports.hpp"
#include "dvcsim/state.hpp"
#include "dvcsim/timing.hpp"
#include "dvcsim/types.hpp"
#include "dvcsim/world.hpp"
