#include "registry/model_groups.hpp"

#include <algorithm>

#include "registry/builtin_table_data.hpp"

namespace dvc::registry {

namespace {

bool Listed(std::span<const std::string_view> names, std::string_view model) {
    return std::find(names.begin(), names.end(), model) != names.end();
}

template <class Rows, class Name>
bool AnyRow(const Rows& rows, Name&& matches) {
    return std::any_of(rows.begin(), rows.end(), matches);
}

const data::AtModeRow* AtModeRowOf(std::string_view model) {
    for (const auto& row : data::AtModeRows())
        if (row.model == model) return &row;
    return nullptr;
}

}  // namespace

bool InModelGroup(ModelGroup group, std::string_view model) {
    switch (group) {
    case ModelGroup::AtMode: return AtModeRowOf(model) != nullptr;
    case ModelGroup::Tagless:
        return AnyRow(data::TaglessRows(), [&](const data::TaglessRow& r) { return r.model == model; });
    case ModelGroup::Defaults:
        return AnyRow(data::DefaultsRows(), [&](const data::DefaultsRow& r) { return r.match.Matches(model); });
    case ModelGroup::DefaultsAlt:
        return AnyRow(data::DefaultsAltRows(), [&](const data::DefaultsAltRow& r) { return r.model == model; });
    case ModelGroup::Tonality: return Listed(data::TonalityModels(), model);
    case ModelGroup::Gamma: return Listed(data::GammaModels(), model);
    case ModelGroup::NoInputAuto: return Listed(data::NoInputAutoModels(), model);
    case ModelGroup::TonalityIndexNames: return Listed(data::TonalityIndexNameModels(), model);
    case ModelGroup::TonalityName10: return Listed(data::TonalityName10Models(), model);
    case ModelGroup::NoSignalCount: return Listed(data::NoSignalCountModels(), model);
    case ModelGroup::LegacyLutFamily: return model.starts_with(data::LegacyLutFamilyPrefix());
    }
    return false;
}

std::size_t ModelGroupSize(ModelGroup group) {
    switch (group) {
    case ModelGroup::AtMode: return data::AtModeRows().size();
    case ModelGroup::Tagless: return data::TaglessRows().size();
    case ModelGroup::Defaults: return data::DefaultsRows().size();
    case ModelGroup::DefaultsAlt: return data::DefaultsAltRows().size();
    case ModelGroup::Tonality: return data::TonalityModels().size();
    case ModelGroup::Gamma: return data::GammaModels().size();
    case ModelGroup::NoInputAuto: return data::NoInputAutoModels().size();
    case ModelGroup::TonalityIndexNames: return data::TonalityIndexNameModels().size();
    case ModelGroup::TonalityName10: return data::TonalityName10Models().size();
    case ModelGroup::NoSignalCount: return data::NoSignalCountModels().size();
    case ModelGroup::LegacyLutFamily: return 0;
    }
    return 0;
}

std::optional<std::span<const int>> FixedTonalityList(std::string_view model) {
    const auto* row = AtModeRowOf(model);
    if (row == nullptr) return std::nullopt;
    return row->tonality;
}

std::optional<NumberRange> AicSecondRange(std::string_view model) {
    const auto* row = AtModeRowOf(model);
    if (row == nullptr) return std::nullopt;
    switch (row->aic) {
    case data::AicSet::Wide: return NumberRange{352, 360};
    case data::AicSet::Middle: return NumberRange{354, 359};
    case data::AicSet::Narrow: return NumberRange{354, 358};
    }
    return std::nullopt;
}

}  // namespace dvc::registry
