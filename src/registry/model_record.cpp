#include "registry/model_record.hpp"

#include <algorithm>

namespace dvc::registry {

bool ModelRecord::HasFeatureCode(uint32_t code) const {
    return std::any_of(featureList1.begin(), featureList1.end(),
                       [code](const FeaturePair& p) { return p.bit == code; });
}

}  // namespace dvc::registry
