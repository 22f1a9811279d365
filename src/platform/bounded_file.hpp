// Reading a whole file that a user or another program supplied, without
// trusting it: only a regular file is read (a FIFO, device or directory is
// refused before any byte is read, and the open never blocks), and never
// more than a cap, so that /dev/zero or a runaway file cannot hang the
// caller or exhaust its memory. Header-only: libdvc, libdvcsim and dvctl all
// read files through it.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <string>

namespace dvc {

enum class FileReadError {
    None,
    Missing,     // no such file
    NotRegular,  // a directory, FIFO, device or socket
    TooLarge,    // larger than the cap
    Unreadable,  // permission denied or an I/O error
};

struct FileRead {
    FileReadError error = FileReadError::None;
    std::string bytes;
    explicit operator bool() const { return error == FileReadError::None; }
};

// The reason in words, for messages that name the file.
inline const char* FileReadErrorText(FileReadError e) {
    switch (e) {
    case FileReadError::None: return "read";
    case FileReadError::Missing: return "no such file";
    case FileReadError::NotRegular: return "not a regular file";
    case FileReadError::TooLarge: return "larger than the size limit";
    case FileReadError::Unreadable: return "cannot be read";
    }
    return "cannot be read";
}

// Reads all of `path`, at most `cap` bytes.
inline FileRead ReadBoundedFile(const std::string& path, std::size_t cap) {
    FileRead out;
    // O_NONBLOCK: opening a FIFO that no one writes returns at once.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        out.error = errno == ENOENT || errno == ENOTDIR ? FileReadError::Missing
                    : errno == ENXIO                    ? FileReadError::NotRegular
                                                        : FileReadError::Unreadable;
        return out;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        out.error = S_ISDIR(st.st_mode) || S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode) ||
                            S_ISSOCK(st.st_mode)
                        ? FileReadError::NotRegular
                        : FileReadError::Unreadable;
        ::close(fd);
        return out;
    }
    if (static_cast<unsigned long long>(st.st_size) > cap) {
        out.error = FileReadError::TooLarge;
        ::close(fd);
        return out;
    }
    // The file may grow while it is read: the cap holds whatever stat said.
    char chunk[16384];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            out.error = FileReadError::Unreadable;
            break;
        }
        if (n == 0) break;
        if (out.bytes.size() + static_cast<std::size_t>(n) > cap) {
            out.error = FileReadError::TooLarge;
            break;
        }
        out.bytes.append(chunk, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (!out) out.bytes.clear();
    return out;
}

}  // namespace dvc
