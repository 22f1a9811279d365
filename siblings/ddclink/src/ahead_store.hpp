// What discovery read ahead of each monitor, kept across processes: a file
// per medium and communication type in the folder that DVC_LINK_CACHE_DIR
// names, holding each index's answers. A later discovery that finds a
// monitor on the same index reads its identification block alone; when
// the block is the one kept, the other answers are taken as kept.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "read_ahead.hpp"

namespace dvc::ddclink {

using KeptAnswers = std::map<uint32_t, std::vector<transport::AheadAnswer>>;

// The file for this medium and communication type; empty when nothing is
// to be kept (no folder named).
std::string StorePath(bool hardware, int32_t type);
// What the file holds; nothing when it is missing or damaged.
KeptAnswers LoadAnswers(const std::string& path);
// True when two sets of answers would be written alike (nothing to save).
bool SameAnswers(const KeptAnswers& a, const KeptAnswers& b);
// Replaces the file (through a new file, so that readers never see half).
void SaveAnswers(const std::string& path, const KeptAnswers& answers);

}  // namespace dvc::ddclink
