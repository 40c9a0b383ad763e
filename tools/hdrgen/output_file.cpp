#include "tools/hdrgen/output_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace hdrgen {
namespace {

// The permissions a newly created file gets: 0666 less the umask.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The existing file at `path` may be replaced: not a folder, and writable.
bool mayReplace(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return errno == ENOENT;
    }
    return !S_ISDIR(info.st_mode) && ::access(path.c_str(), W_OK) == 0;
}

} // namespace

std::optional<OutputFile> OutputFile::create(const std::string& path) {
    if (path.empty() || path.back() == '/' || !mayReplace(path)) {
        return std::nullopt;
    }
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    ::fchmod(fd, newFileMode());
    return OutputFile(fd, path, std::move(temporary));
}

OutputFile::OutputFile(OutputFile&& other) noexcept
    : m_fd(other.m_fd), m_path(std::move(other.m_path)), m_temporary(std::move(other.m_temporary)),
      m_written(other.m_written) {
    other.m_fd = -1;
    other.m_temporary.clear();
}

OutputFile::~OutputFile() {
    discard();
}

void OutputFile::discard() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
    }
}

bool OutputFile::write(std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    m_written += done;
    return true;
}

bool OutputFile::writeZeros(std::uint64_t count) {
    static constexpr std::array<std::uint8_t, 16> kZeros{};
    while (count > 0) {
        const auto piece = static_cast<std::size_t>(std::min<std::uint64_t>(count, kZeros.size()));
        if (!write(std::span(kZeros).first(piece))) {
            return false;
        }
        count -= piece;
    }
    return true;
}

bool OutputFile::commit() {
    const bool closed = ::fsync(m_fd) == 0 && ::close(m_fd) == 0;
    m_fd = -1;
    if (!closed || ::rename(m_temporary.c_str(), m_path.c_str()) != 0) {
        discard();
        return false;
    }
    m_temporary.clear();
    return true;
}

} // namespace hdrgen
