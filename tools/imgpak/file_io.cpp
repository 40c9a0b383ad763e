#include "tools/imgpak/file_io.h"

#include "entry/replacement_file.h"
#include "tools/imgpak/convert_error.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
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
    pf::ReplacementFile file(path, pf::ReplacementFile::OtherTargets::WriteInPlace);
    if (!file.open()) {
        fail("cannot open '%s'\n", path.c_str());
    }
    if (!file.write(bytes) || !file.commit()) {
        fail("cannot write '%s' (%s)\n", path.c_str(), std::strerror(errno));
    }
}

} // namespace imgpak
