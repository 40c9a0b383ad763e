#include "tools/imgpak/file_io.h"

#include "tools/imgpak/convert_error.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace imgpak {
namespace {

// Closes a descriptor when it goes out of scope.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { close(); }

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    // Closes now; false when the system reports a failure (a late write error).
    bool close() {
        const int fd = m_fd;
        m_fd = -1;
        return fd < 0 || ::close(fd) == 0;
    }

  private:
    int m_fd = -1;
};

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

[[noreturn]] void failWrite(const std::string& path) {
    fail("cannot write '%s' (%s)\n", path.c_str(), std::strerror(errno));
}

bool replacesInPlace(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
}

void writeInPlace(const std::string& path, std::span<const std::uint8_t> bytes) {
    FileDescriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    if (!fd.valid()) {
        fail("cannot open '%s'\n", path.c_str());
    }
    if (!writeAll(fd.get(), bytes) || !fd.close()) {
        failWrite(path);
    }
}

// The permissions a file created with mode 0666 would get under the umask.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void writeByRename(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::string temporary = path + ".XXXXXX";
    FileDescriptor fd(::mkostemp(temporary.data(), O_CLOEXEC));
    if (!fd.valid()) {
        fail("cannot open '%s'\n", path.c_str());
    }
    const bool written = ::fchmod(fd.get(), newFileMode()) == 0 && writeAll(fd.get(), bytes) && fd.close();
    if (!written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        errno = error;
        failWrite(path);
    }
}

} // namespace

std::optional<std::vector<std::uint8_t>> readWholeFile(const std::string& path) {
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[65536];
    for (;;) {
        const ssize_t got = ::read(fd.get(), chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return std::nullopt;
        }
        if (got == 0) {
            return bytes;
        }
        if (bytes.size() + static_cast<std::size_t>(got) > kMaxInputBytes) {
            fail("%s: the file is larger than 16 MiB\r\n", path.c_str());
        }
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
}

void writeWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    if (replacesInPlace(path)) {
        writeInPlace(path, bytes);
    } else {
        writeByRename(path, bytes);
    }
}

} // namespace imgpak
