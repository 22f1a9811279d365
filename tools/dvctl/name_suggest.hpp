// Suggestions for a mistyped name: the known names that are a few edits
// away, or that contain what was typed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dvc::cli {

// Edits (insert, delete, replace, swap of neighbours) from one to the other.
std::size_t EditDistance(std::string_view a, std::string_view b);

// The candidates closest to `typed`, closest first, at most `limit`: those
// within a third of the typed length in edits (at least 2), then those that
// contain it or that it contains.
std::vector<std::string> Closest(std::string_view typed, const std::vector<std::string>& candidates, std::size_t limit);

}  // namespace dvc::cli
