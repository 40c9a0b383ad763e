#include "ferrymate/listing/local_file_list_vector.h"

#include "ferrymate/link/exceptions.h"

#include <sys/stat.h>
#include <sys/statvfs.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <memory>
#include <string>

namespace pf {
namespace {

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

// The folder path without one trailing "/"; the root stays "/".
std::string folderPath(std::string_view directory) {
    if (directory.size() > 1 && directory.back() == '/')
        directory.remove_suffix(1);
    return std::string(directory);
}

std::string localDateText(std::time_t when) {
    std::tm local{};
    if (localtime_r(&when, &local) == nullptr)
        return {};
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

// The entry's status, following a symbolic link to what it names; a link
// whose target is gone is described by the link itself.
bool entryStatus(int folderFd, const char* name, struct stat& status) {
    return fstatat(folderFd, name, &status, 0) == 0 ||
           fstatat(folderFd, name, &status, AT_SYMLINK_NOFOLLOW) == 0;
}

FileInfo localRecord(const char* name, const struct stat& status) {
    FileInfo record;
    record.name = name;
    record.isDirectory = S_ISDIR(status.st_mode) ? 1 : 0;
    // A folder's size on Linux counts its directory blocks, not its files;
    // like the cartridge, folders report 0 so that selections add up files.
    if (!record.isDirectory)
        record.size = static_cast<std::int32_t>(static_cast<std::uint32_t>(status.st_size));
    record.date = localDateText(status.st_mtime);
    return record;
}

std::uint32_t freeBytes(const std::string& folder) {
    struct statvfs info {};
    if (statvfs(folder.c_str(), &info) != 0)
        return 0;
    const unsigned long long bytes = static_cast<unsigned long long>(info.f_bavail) * info.f_frsize;
    return static_cast<std::uint32_t>(
        std::min<unsigned long long>(bytes, std::numeric_limits<std::uint32_t>::max()));
}

} // namespace

void LocalFileListVector::Read(std::string_view directory) {
    clear();
    const std::string folder = folderPath(directory);
    // A NUL would silently shorten the path to another folder.
    if (folder.find('\0') != std::string::npos)
        throw EDirNotFound();
    DirHandle dir(opendir(folder.c_str()));
    if (!dir)
        throw EDirNotFound();
    const int folderFd = dirfd(dir.get());
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(dir.get());
        if (entry == nullptr)
            break;
        if (std::string_view(entry->d_name) == ".")
            continue;
        struct stat status {};
        if (entryStatus(folderFd, entry->d_name, status))
            push_back(localRecord(entry->d_name, status));
    }
    // A folder that fails half-way is not shown as if it were complete.
    if (errno != 0) {
        clear();
        throw EDirNotFound();
    }
    m_freeSpace = freeBytes(folder);
}

} // namespace pf
