#include "state_file.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "data_paths.hpp"
#include "json_read.hpp"
#include "platform/bounded_file.hpp"

namespace dvc::sim {

using json::Json;

namespace {

std::string Folder(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The temporary files of writers killed mid-write: <name>.new.<pid>. Every
// writer makes and renames its own under the lock, so while the caller holds
// it any such file is a leftover, whether or not its pid runs again.
void RemoveLeftoverTemps(const std::string& path) {
    const std::string folder = Folder(path);
    const std::string prefix = path.substr(path.rfind('/') + 1) + ".new.";
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) continue;
        if (name.find_first_not_of("0123456789", prefix.size()) != std::string::npos) continue;
        ::unlink((folder + "/" + name).c_str());
    }
    ::closedir(dir);
}

}  // namespace

StateFile::StateFile(std::string path) : path_(std::move(path)) {
    doc_ = Json::object();
    struct stat st {};
    if (::stat(path_.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        Fail("state file " + path_ + " is not a regular file; settings are not kept");
        return;
    }
    const std::string lock = path_ + ".lock";
    lock_fd_ = ::open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
    if (lock_fd_ < 0)
        Fail("state file " + path_ + ": its lock " + lock + " cannot be opened (" + std::strerror(errno) +
             "); settings are not kept");
}

StateFile::~StateFile() {
    if (lock_fd_ >= 0) ::close(lock_fd_);
}

void StateFile::Fail(const std::string& message, bool disable) {
    if (disable) usable_ = false;
    if (!error_.empty()) return;
    error_ = message;
    std::fprintf(stderr, "dvcsim: %s\n", message.c_str());
}

void StateFile::Begin(World& world) {
    if (!usable_) return;
    while (::flock(lock_fd_, LOCK_EX) != 0) {
        if (errno != EINTR) return;
    }
    locked_ = true;
    std::string bytes;
    if (ReadCurrent(bytes) && (stale_ || bytes != last_)) Load(world, bytes);
}

// The file's bytes; a missing file is an empty state.
bool StateFile::ReadCurrent(std::string& bytes) {
    FileRead read = ReadBoundedFile(path_, kMaxDataFile);
    if (read.error == FileReadError::Missing) {
        bytes.clear();
        return true;
    }
    if (!read) {
        Fail("state file " + path_ + ": " + FileReadErrorText(read.error) + "; settings are not kept");
        return false;
    }
    bytes = std::move(read.bytes);
    return true;
}

// Renames a damaged file aside (<path>.damaged, or .damaged.N when that is
// taken) so that the next write cannot lose what is left of it.
void StateFile::SetAside(const std::string& why) {
    std::string aside = path_ + ".damaged";
    for (int n = 1; ::access(aside.c_str(), F_OK) == 0 && n < 1000; ++n)
        aside = path_ + ".damaged." + std::to_string(n);
    if (::rename(path_.c_str(), aside.c_str()) == 0) {
        // The path is free again: new settings may be kept.
        Fail("state file " + path_ + " is damaged (" + why + "); kept as " + aside +
                 ", the monitors start from their profiles",
             false);
    } else {
        Fail("state file " + path_ + " is damaged (" + why + ") and cannot be set aside; settings are not kept");
    }
}

void StateFile::Load(World& world, const std::string& bytes) {
    last_ = bytes;
    stale_ = false;
    doc_ = Json::object();
    if (!bytes.empty()) {
        try {
            doc_ = Json::parse(bytes);
            if (!doc_.is_object() || !doc_.contains("monitors") || !doc_["monitors"].is_object())
                throw std::runtime_error("no \"monitors\" object");
        } catch (const std::exception& e) {
            doc_ = Json::object();
            last_.clear();
            SetAside(e.what());
        }
    }
    if (!doc_.contains("monitors")) doc_["monitors"] = Json::object();
    for (auto& m : world.monitors) {
        std::map<StateKey, Cell> overlay;
        auto it = doc_["monitors"].find(m->serial);
        if (it != doc_["monitors"].end() && it->is_object()) {
            for (auto c = it->begin(); c != it->end(); ++c) {
                StateKey key;
                if (!ParseKeyName(c.key(), key) || !c->is_object()) continue;
                Cell cell;
                try {
                    cell.value = c->value("value", 0u);
                    if (c->contains("data"))
                        cell.data = json::Bytes(Json("hex:" + (*c)["data"].get<std::string>()), c.key());
                } catch (const std::exception&) {
                    continue;  // a damaged cell falls back to the profile
                }
                overlay[key] = std::move(cell);
            }
        }
        m->state.ReplaceOverlay(std::move(overlay));
        m->state.dirty = false;
    }
}

// Writes `bytes` to a new file beside the state file, syncs it and renames
// it over the old one; on any failure the old file stays as it was.
bool StateFile::Replace(const std::string& bytes) {
    RemoveLeftoverTemps(path_);
    const std::string temp = path_ + ".new." + std::to_string(::getpid());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        Fail("state file " + path_ + " cannot be written (" + std::strerror(errno) + ")", false);
        return false;
    }
    bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    const int saved = errno;
    ok = ::close(fd) == 0 && ok;
    if (ok) ok = ::rename(temp.c_str(), path_.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        Fail("state file " + path_ + " cannot be written (" + std::strerror(saved ? saved : errno) + ")", false);
        return false;
    }
    // The rename itself reaches the disk with the folder.
    const int dir = ::open(Folder(path_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool StateFile::End(World& world) {
    bool dirty = false;
    for (auto& m : world.monitors) dirty = dirty || m->state.dirty;
    if (!locked_) return !dirty;  // unusable file: changes live in this process only
    bool kept = true;
    if (dirty) {
        doc_["version"] = 1;
        for (auto& m : world.monitors) {
            Json cells = Json::object();
            for (const auto& [key, cell] : m->state.Overlay()) {
                Json c = {{"value", cell.value}};
                if (!cell.data.empty()) c["data"] = json::Hex(cell.data);
                cells[KeyName(key)] = std::move(c);
            }
            doc_["monitors"][m->serial] = std::move(cells);
            m->state.dirty = false;
        }
        std::string out = doc_.dump(1);
        kept = Replace(out);
        if (kept) last_ = std::move(out);
        stale_ = !kept;  // the next Begin goes back to what the file holds
    }
    ::flock(lock_fd_, LOCK_UN);
    locked_ = false;
    return kept;
}

}  // namespace dvc::sim
