#include "tools/audpak/replacement_file.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace audpak {

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
    return S_ISREG(status.st_mode) && ::access(target.c_str(), W_OK) == 0;
}

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

ReplacementFile::ReplacementFile(std::string path) : m_path(std::move(path)) {}

ReplacementFile::~ReplacementFile() {
    discard();
}

bool ReplacementFile::open() {
    const std::string target = targetOf(m_path);
    if (!targetWritable(target)) {
        return false;
    }
    const auto slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    std::string pattern = folder + ".audpak-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    m_fd = ::mkstemp(name.data());
    if (m_fd < 0) {
        return false;
    }
    m_temporary = name.data();
    m_target = target;
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
    const bool done = ::fchmod(m_fd, newFileMode()) == 0 && ::close(m_fd) == 0;
    m_fd = -1;
    if (!done || ::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        discard();
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

} // namespace audpak
