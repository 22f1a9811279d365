#include "name_suggest.hpp"

#include <algorithm>
#include <numeric>
#include <tuple>

namespace dvc::cli {

std::size_t EditDistance(std::string_view a, std::string_view b) {
    // Optimal string alignment: three rows are enough for the swap rule.
    std::vector<std::size_t> before(b.size() + 1), previous(b.size() + 1), current(b.size() + 1);
    std::iota(previous.begin(), previous.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                current[j] = std::min(current[j], before[j - 2] + 1);
        }
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return previous[b.size()];
}

std::vector<std::string> Closest(std::string_view typed, const std::vector<std::string>& candidates,
                                 std::size_t limit) {
    const std::size_t near = std::max<std::size_t>(2, typed.size() / 3);
    // (rank, distance, name): rank 0 for a few edits away, 1 for containment.
    std::vector<std::tuple<int, std::size_t, std::string>> found;
    for (const auto& name : candidates) {
        const std::size_t distance = EditDistance(typed, name);
        const bool contains = !typed.empty() && (name.find(typed) != std::string::npos ||
                                                 (name.size() >= 3 && typed.find(name) != std::string_view::npos));
        if (distance <= near) found.emplace_back(0, distance, name);
        else if (contains) found.emplace_back(1, distance, name);
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> names;
    for (auto& [rank, distance, name] : found) {
        if (names.size() == limit) break;
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(std::move(name));
    }
    return names;
}

}  // namespace dvc::cli
