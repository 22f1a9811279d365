#include "data_paths.hpp"

#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "platform/bounded_file.hpp"

namespace dvc::sim {
namespace fs = std::filesystem;

std::vector<std::string> DataFolders() {
    std::vector<std::string> out;
    if (const char* env = std::getenv("DVC_SIM_DATA"); env != nullptr && *env != '\0') out.emplace_back(env);
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&DataFolders), &info) != 0 && info.dli_fname != nullptr) {
        fs::path lib = fs::path(info.dli_fname).parent_path();
        out.push_back((lib / ".." / "share" / "dvc" / "sim").lexically_normal().string());
    }
#ifdef DVCSIM_SOURCE_DATA_DIR
    out.emplace_back(DVCSIM_SOURCE_DATA_DIR);
#endif
    return out;
}

bool IsShortName(const std::string& text) {
    if (text.empty() || text.find('/') != std::string::npos) return false;
    return !(text.size() >= 5 && text.compare(text.size() - 5, 5, ".json") == 0);
}

std::optional<std::string> FindDataFile(const std::string& kind, const std::string& name) {
    if (!IsShortName(name)) return std::nullopt;
    for (const auto& folder : DataFolders()) {
        fs::path p = fs::path(folder) / kind / (name + ".json");
        std::error_code ec;
        if (fs::is_regular_file(p, ec)) return p.string();
    }
    return std::nullopt;
}

std::vector<std::string> ListDataFiles(const std::string& kind) {
    std::set<std::string> names;
    for (const auto& folder : DataFolders()) {
        std::error_code ec;
        for (fs::directory_iterator it(fs::path(folder) / kind, ec), end; !ec && it != end; it.increment(ec))
            if (it->path().extension() == ".json") names.insert(it->path().stem().string());
    }
    return {names.begin(), names.end()};
}

std::optional<std::string> ReadFile(const std::string& path, std::string& error) {
    // Worlds, profiles and the state file: regular files only, size-capped,
    // so that a FIFO or a device never hangs the reader.
    FileRead read = ReadBoundedFile(path, kMaxDataFile);
    if (!read) {
        error = path + ": " + FileReadErrorText(read.error);
        if (read.error == FileReadError::TooLarge) error += " (64 MiB)";
        return std::nullopt;
    }
    return std::move(read.bytes);
}

}  // namespace dvc::sim
