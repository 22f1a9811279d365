// The rows of the feature table as types, dvc::rows::<export name without
// DvCtrl>, one per row of the area tables, and the list of them all.
#pragma once

#include <cstddef>
#include <type_traits>

#include "features/row_kinds.hpp"
#include "paths/feature_codes.hpp"

namespace dvc::rows {

using namespace dvc::codes;
using namespace dvc::features;
using VMI = VarnMonitorInterface;

#define DVC_ROW(K, N, R, C, D, ...)                                                                                 \
    struct N                                                                                                        \
        : ::dvc::features::Row<::dvc::features::kinds::K, ::dvc::features::Rule::R, C __VA_OPT__(, ) __VA_ARGS__> { \
        static constexpr const char* kName = #N;                                                                    \
        static constexpr const char* kDescription = D;                                                              \
    };
#include "features/info_table.def"
#include "features/keys_osd_table.def"
#include "features/luts_table.def"
#include "features/modes_inputs_table.def"
#include "features/picture_table.def"
#include "features/power_table.def"
#include "features/sensors_table.def"
#include "features/storage_table.def"
#include "features/selfcal_control_table.def"
#undef DVC_ROW

// All rows, for walks over the whole table: f.template operator()<Row>()
// for each. The list ends in void, which stands for no row. (Expanded in
// an array rather than a fold: the table is longer than compilers let a
// fold expression nest.)
template <class... R>
struct RowList {
    static constexpr std::size_t kSize = sizeof...(R) - 1;
    template <class F>
    static void ForEach(F&& f) {
        [[maybe_unused]] const int visited[] = {(Visit<R>(f), 0)...};
    }

private:
    template <class Row, class F>
    static void Visit(F& f) {
        if constexpr (!std::is_void_v<Row>) f.template operator()<Row>();
    }
};

#define DVC_ROW(K, N, R, C, D, ...) N,
using AllRows = RowList<
#include "features/info_table.def"
#include "features/keys_osd_table.def"
#include "features/luts_table.def"
#include "features/modes_inputs_table.def"
#include "features/picture_table.def"
#include "features/power_table.def"
#include "features/sensors_table.def"
#include "features/storage_table.def"
#include "features/selfcal_control_table.def"
    void>;
#undef DVC_ROW

}  // namespace dvc::rows
