#include "state_file.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "json_read.hpp"

namespace dvc::sim {

using json::Json;

StateFile::StateFile(std::string path) : path_(std::move(path)) {
    fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0)
        std::fprintf(stderr, "dvcsim: state file %s cannot be opened; state stays in this process\n", path_.c_str());
    doc_ = Json::object();
}

StateFile::~StateFile() {
    if (fd_ >= 0) ::close(fd_);
}

void StateFile::Begin(World& world) {
    if (fd_ < 0) return;
    while (::flock(fd_, LOCK_EX) != 0) {
        if (errno != EINTR) return;
    }
    locked_ = true;
    std::string bytes;
    char buf[65536];
    off_t at = 0;
    for (;;) {
        ssize_t n = ::pread(fd_, buf, sizeof buf, at);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        bytes.append(buf, static_cast<std::size_t>(n));
        at += n;
    }
    if (bytes != last_) Load(world, bytes);
}

void StateFile::Load(World& world, const std::string& bytes) {
    last_ = bytes;
    doc_ = Json::object();
    if (!bytes.empty()) {
        try {
            doc_ = Json::parse(bytes);
            if (!doc_.is_object() || !doc_.contains("monitors") || !doc_["monitors"].is_object())
                throw std::runtime_error("no \"monitors\" object");
        } catch (const std::exception& e) {
            if (!warned_)
                std::fprintf(stderr, "dvcsim: state file %s is damaged (%s); starting from the profiles\n",
                             path_.c_str(), e.what());
            warned_ = true;
            doc_ = Json::object();
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

void StateFile::End(World& world) {
    if (fd_ < 0 || !locked_) return;
    bool dirty = false;
    for (auto& m : world.monitors) dirty = dirty || m->state.dirty;
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
        bool ok = ::ftruncate(fd_, 0) == 0;
        std::size_t done = 0;
        while (ok && done < out.size()) {
            ssize_t n = ::pwrite(fd_, out.data() + done, out.size() - done, static_cast<off_t>(done));
            if (n < 0 && errno == EINTR) continue;
            ok = n > 0;
            if (ok) done += static_cast<std::size_t>(n);
        }
        last_ = ok ? out : std::string{};
    }
    ::flock(fd_, LOCK_UN);
    locked_ = false;
}

}  // namespace dvc::sim
