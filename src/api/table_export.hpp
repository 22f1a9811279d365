// The export of a feature-table row: the call frame around the row's
// operation, and the folding of its result that the row's kind names.
// Every table export is one call of ExportRow (the exports themselves are
// generated from the table by scripts/gen_table_exports.py).
#pragma once

#include <type_traits>

#include "api/call_frame.hpp"
#include "features/table_rows.hpp"

namespace dvc::api {

template <class Row, class... A>
auto ExportRow(const char* id1, const char* id2, A... args) {
    using Kind = typename Row::Kind;
    using features::Fold;
    const auto op = [](VarnMonitor& monitor, auto... a) { return features::Run<Row>(monitor, a...); };
    if constexpr (Kind::kFold == Fold::Plain) {
        using Result = std::invoke_result_t<typename Kind::Signature*, A...>;
        if constexpr (std::is_same_v<Result, DvError>) return CallMonitor<ErrorResult>(id1, id2, op, args...);
        else return CallMonitor<YesNoResult>(id1, id2, op, args...);
    } else if constexpr (Kind::kFold == Fold::SupportFlag || Kind::kFold == Fold::SupportFlagKept) {
        int flag = 0;
        const DvError result = CallMonitor<ErrorResult>(id1, id2, op, &flag);
        return (Kind::kFold == Fold::SupportFlagKept || result >= 0) ? flag : 0;
    } else if constexpr (Kind::kFold == Fold::OlderRange) {
        if (features::RefusesNull<Row>() && ((args == nullptr) || ...)) return DvErrInvalidParameter;
        int flag = 0;
        const DvError result = CallMonitor<ErrorResult>(id1, id2, op, &flag, args...);
        if (result < 0) return DvErrFailed;
        if (flag == 0) return DvErrNotSupported;
        return result;
    } else {
        static_assert(Kind::kFold == Fold::Plain, "a fold without its export");
    }
}

}  // namespace dvc::api
