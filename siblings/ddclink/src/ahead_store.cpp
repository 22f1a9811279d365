#include "ahead_store.hpp"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace dvc::ddclink {
namespace {

using transport::AheadAnswer;
using transport::AheadOp;

// Past these a file is not ours: it is ignored.
constexpr std::size_t kMostLines = 4096;
constexpr std::size_t kLongestBlock = 0xFFFF;

std::string Tidy(const std::string& text) {
    std::string out;
    for (const char c : text) out += std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' ? c : '_';
    return out;
}

std::string Hex(const std::vector<uint8_t>& bytes) {
    static const char kDigits[] = "0123456789abcdef";
    std::string out;
    for (const uint8_t b : bytes) out += {kDigits[b >> 4], kDigits[b & 15]};
    return out.empty() ? "-" : out;
}

bool Bytes(const std::string& hex, std::vector<uint8_t>& out) {
    if (hex == "-") return true;
    if (hex.size() % 2 != 0 || hex.size() / 2 > kLongestBlock) return false;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        char* end = nullptr;
        const std::string pair = hex.substr(i, 2);
        const unsigned long v = std::strtoul(pair.c_str(), &end, 16);
        if (end != pair.c_str() + 2) return false;
        out.push_back(static_cast<uint8_t>(v));
    }
    return true;
}

}  // namespace

std::string StorePath(bool hardware, int32_t type) {
    const char* dir = std::getenv("DVC_LINK_CACHE_DIR");
    if (dir == nullptr || *dir == '\0') return {};
    const char* world = std::getenv("DVC_SIM");
    const std::string medium = hardware ? "bus" : "sim-" + Tidy(world != nullptr ? world : "");
    return std::string(dir) + "/ddcci-" + medium + "-type" + std::to_string(type);
}

KeptAnswers LoadAnswers(const std::string& path) {
    KeptAnswers kept;
    std::ifstream in(path);
    std::string line;
    for (std::size_t n = 0; std::getline(in, line); ++n) {
        std::istringstream fields(line);
        uint32_t index = 0, op = 0;
        AheadAnswer a;
        std::string hex;
        fields >> index >> op >> a.code >> a.size >> a.answer.result >> a.answer.maximum >> a.answer.minimum >>
            a.answer.flag >> a.answer.length >> hex;
        const bool data = op == static_cast<uint32_t>(AheadOp::Data);
        if (n >= kMostLines || !fields || op > static_cast<uint32_t>(AheadOp::Data) || !Bytes(hex, a.data) ||
            a.data.size() != (data ? a.size : 0))
            return {};
        a.op = static_cast<AheadOp>(op);
        kept[index].push_back(std::move(a));
    }
    return kept;
}

bool SameAnswers(const KeptAnswers& a, const KeptAnswers& b) {
    const auto same = [](const AheadAnswer& x, const AheadAnswer& y) {
        return x.op == y.op && x.code == y.code && x.size == y.size && x.answer.result == y.answer.result &&
               x.answer.maximum == y.answer.maximum && x.answer.minimum == y.answer.minimum &&
               x.answer.flag == y.answer.flag && x.answer.length == y.answer.length && x.data == y.data;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [&](const auto& x, const auto& y) {
               return x.first == y.first &&
                      std::equal(x.second.begin(), x.second.end(), y.second.begin(), y.second.end(), same);
           });
}

void SaveAnswers(const std::string& path, const KeptAnswers& answers) {
    const std::string fresh = path + "." + std::to_string(getpid());
    {
        std::ofstream out(fresh, std::ios::trunc);
        for (const auto& [index, list] : answers)
            for (const AheadAnswer& a : list)
                out << index << ' ' << static_cast<uint32_t>(a.op) << ' ' << a.code << ' ' << a.size << ' '
                    << a.answer.result << ' ' << a.answer.maximum << ' ' << a.answer.minimum << ' ' << a.answer.flag
                    << ' ' << a.answer.length << ' ' << Hex(a.data) << '\n';
        if (!out) {
            std::remove(fresh.c_str());
            return;
        }
    }
    std::rename(fresh.c_str(), path.c_str());
}

}  // namespace dvc::ddclink
