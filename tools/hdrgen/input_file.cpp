#include "tools/hdrgen/input_file.h"

#include "tools/hdrgen/message.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace hdrgen {

std::optional<InputFile> InputFile::open(const std::string& path) {
    // Non-blocking, so that a pipe or device is turned down rather than waited
    // for; reads of a regular file are not affected.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    return InputFile(fd, static_cast<std::uint64_t>(info.st_size));
}

std::optional<InputFile> InputFile::openReported(const std::string& path, std::ostream& out) {
    auto file = open(path);
    if (!file) {
        out << cannotOpen(path);
    }
    return file;
}

InputFile::InputFile(InputFile&& other) noexcept : m_fd(other.m_fd), m_size(other.m_size) {
    other.m_fd = -1;
}

InputFile& InputFile::operator=(InputFile&& other) noexcept {
    std::swap(m_fd, other.m_fd);
    std::swap(m_size, other.m_size);
    return *this;
}

InputFile::~InputFile() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

std::size_t InputFile::readAt(std::uint64_t offset, std::span<std::uint8_t> out) const {
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t n =
            ::pread(m_fd, out.data() + done, out.size() - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return done;
}

} // namespace hdrgen
