#include "entry/replacement_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace pf {
namespace {

// The place the bytes really go: a symbolic link is followed, so that it is
// the file it names that gets replaced, not the link.
std::string targetOf(const std::string& path) {
    std::error_code error;
    const auto resolved = std::filesystem::weakly_canonical(path, error);
    return error ? path : resolved.string();
}

// An existing target must be a regular file we may write.
bool targetWritable(const std::string& target) {
    struct stat status {};
    if (::stat(target.c_str(), &status) != 0) {
        return errno == ENOENT;
    }
    if (!S_ISREG(status.st_mode)) {
        errno = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
        return false;
    }
    return ::access(target.c_str(), W_OK) == 0;
}

// The target exists and is something other than a regular file.
bool isOtherThanRegular(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode);
}

// The permissions a newly created file gets: 0666 less the umask.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

ReplacementFile::ReplacementFile(std::string path, OtherTargets others)
    : m_path(std::move(path)), m_others(others) {}

ReplacementFile::~ReplacementFile() {
    discard();
}

bool ReplacementFile::open() {
    if (m_path.empty() || m_path.back() == '/') {
        errno = m_path.empty() ? ENOENT : EISDIR;
        return false;
    }
    if (m_others == OtherTargets::WriteInPlace && isOtherThanRegular(m_path)) {
        return openInPlace();
    }
    const std::string target = targetOf(m_path);
    return targetWritable(target) && openBeside(target);
}

bool ReplacementFile::openInPlace() {
    m_fd = ::open(m_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    return m_fd >= 0;
}

bool ReplacementFile::openBeside(const std::string& target) {
    const auto slash = target.rfind('/');
    std::string temporary =
        (slash == std::string::npos ? std::string() : target.substr(0, slash + 1)) + ".pf-XXXXXX";
    m_fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (m_fd < 0) {
        return false;
    }
    m_temporary = std::move(temporary);
    m_target = target;
    if (::fchmod(m_fd, newFileMode()) != 0) {
        const int error = errno;
        discard();
        errno = error;
        return false;
    }
    return true;
}

bool ReplacementFile::write(std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t done = ::write(m_fd, bytes.data(), bytes.size());
        if (done < 0 && errno == EINTR) {
            continue;
        }
        if (done <= 0) {
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(done));
        m_written += static_cast<std::uint64_t>(done);
    }
    return true;
}

bool ReplacementFile::write(std::string_view bytes) {
    return write(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

bool ReplacementFile::writeZeros(std::uint64_t count) {
    static constexpr std::array<std::uint8_t, 4096> kZeros{};
    while (count > 0) {
        const auto piece = static_cast<std::size_t>(std::min<std::uint64_t>(count, kZeros.size()));
        if (!write(std::span(kZeros).first(piece))) {
            return false;
        }
        count -= piece;
    }
    return true;
}

bool ReplacementFile::writeAt(std::uint64_t at, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t done = ::pwrite(m_fd, bytes.data(), bytes.size(), static_cast<off_t>(at));
        if (done < 0 && errno == EINTR) {
            continue;
        }
        if (done <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(done));
        at += static_cast<std::uint64_t>(done);
    }
    return true;
}

bool ReplacementFile::commit() {
    const int fd = m_fd;
    m_fd = -1;
    if (m_temporary.empty()) {
        return ::close(fd) == 0; // written in place
    }
    const bool synced = ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0 && synced;
    if (!closed || ::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        const int error = errno;
        discard();
        errno = error;
        return false;
    }
    m_temporary.clear();
    return true;
}

void ReplacementFile::discard() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
    }
}

} // namespace pf
