// A row of the feature table as a type: its kind (row_kinds.hpp), the rule
// by which its operation asks the monitor's paths, its feature codes, and
// the options its kind reads. Rows are written in the area tables
// (<area>_table.def) as
//
//   DVC_ROW(Kind, Name, Rule, DVC_CODES(codes...), "Description.", options...)
//
// and become the types dvc::rows::Name (table_rows.hpp). The operation of a
// row on a monitor is Run<Row>; its export is generated from its kind's
// signature and calls dvc::api::ExportRow<Row>.
#pragma once

#include <cstdint>
#include <type_traits>

#include "features/path_rules.hpp"
#include "paths/feature_shapes.hpp"
#include "paths/varn_monitor_interface.hpp"
#include "registry/varn_monitor.hpp"

namespace dvc::features {

// Options: empty types whose members the kinds read.
struct Bool {  // a value read folded to 1 (nonzero) or 0
    static constexpr paths::ReadAs kRead = paths::ReadAs::Bool;
};
struct NonZero {  // a value written as 1 for any nonzero argument
    static constexpr paths::Switch kSwitch = paths::Switch::NonZero;
};
struct ExactlyOne {  // a value written as 1 only for the argument 1
    static constexpr paths::Switch kSwitch = paths::Switch::ExactlyOne;
};
template <auto Primitive>  // the path primitive a forward calls
struct Via {
    static constexpr auto kVia = Primitive;
};
template <uint32_t N>  // where a field starts in its block
struct Offset {
    static constexpr uint32_t kOffset = N;
};
template <uint32_t N>  // the bytes of a field or of each item
struct Width {
    static constexpr uint32_t kWidth = N;
};
template <uint32_t N>  // the length of a block that the feature fixes
struct Length {
    static constexpr uint32_t kLength = N;
};
template <uint32_t N>  // the chromaticity pairs of a block
struct Pairs {
    static constexpr uint32_t kPairs = N;
};
template <uint32_t N>  // the value that a command writes
struct Value {
    static constexpr uint32_t kValue = N;
};
template <class RangeRow>  // the range row that a Supported export asks
struct RangeOf {
    using Range = RangeRow;
};
struct RefuseNull {  // the export refuses null out-pointers before anything else
    static constexpr bool kRefuseNull = true;
};

template <class K, Rule R, class C, class... Options>
struct Row : Options... {
    using Kind = K;
    static constexpr Rule kRule = R;
    using Codes = C;
    static constexpr uint32_t kCode = C::kList[0];
};

// Options with a default, for kinds that take them or leave them.
template <class R>
constexpr paths::ReadAs ReadOf() {
    if constexpr (requires { R::kRead; }) return R::kRead;
    else return paths::ReadAs::Raw;
}
template <class R>
constexpr paths::Switch SwitchOf() {
    if constexpr (requires { R::kSwitch; }) return R::kSwitch;
    else return paths::Switch::Raw;
}
template <class R>
constexpr uint32_t OffsetOf() {
    if constexpr (requires { R::kOffset; }) return R::kOffset;
    else return 0;
}
template <class R>
constexpr bool RefusesNull() {
    if constexpr (requires { R::kRefuseNull; }) return R::kRefuseNull;
    else return false;
}

// The row's per-path operation on each of the monitor's paths under its
// rule, after its kind's argument checks.
template <class R, class... A>
DvError AskEachPath(VarnMonitor& monitor, A... args) {
    using K = typename R::Kind;
    if constexpr (requires { K::template Check<R>(args...); }) {
        if (const DvError bad = K::template Check<R>(args...); bad != DvOk) return bad;
    }
    return Ask<R::kRule>(monitor.Paths(),
                         [&](VarnMonitorInterface& path) { return K::template Path<R>(path, args...); });
}

// The operation of a row on a logical monitor: its kind's own, or the
// checks and the per-path operation under the row's rule.
template <class R, class... A>
auto Run(VarnMonitor& monitor, A... args) {
    using K = typename R::Kind;
    if constexpr (requires { K::template Monitor<R>(monitor, args...); }) {
        return K::template Monitor<R>(monitor, args...);
    } else {
        return AskEachPath<R>(monitor, args...);
    }
}

}  // namespace dvc::features

#define DVC_CODES(...) ::dvc::paths::Codes<__VA_ARGS__>
