#include "ferrymate/link/exceptions.h"
#include "ferrymate/listing/local_file_list_vector.h"
#include "listing_fixture.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace pf {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

// A fresh folder that the test fills and that is removed afterwards.
class LocalFolder : public testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "pf-listing-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_root = pattern;
    }
    void TearDown() override { fs::remove_all(m_root); }

    fs::path makeFile(const std::string& name, std::size_t bytes = 0) {
        const fs::path path = m_root / name;
        std::ofstream(path) << std::string(bytes, 'x');
        return path;
    }

    // Sets the last-write time to a local date and time.
    static void setLocalTime(const fs::path& path, int year, int month, int day, int hour, int minute,
                             int second) {
        std::tm local{};
        local.tm_year = year - 1900;
        local.tm_mon = month - 1;
        local.tm_mday = day;
        local.tm_hour = hour;
        local.tm_min = minute;
        local.tm_sec = second;
        local.tm_isdst = -1;
        const timespec times[2] = {{std::mktime(&local), 0}, {std::mktime(&local), 0}};
        ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
    }

    const FileInfo& record(const LocalFileListVector& listing, const std::string& name) {
        const auto found = std::find_if(listing.begin(), listing.end(),
                                        [&](const FileInfo& candidate) { return candidate.name == name; });
        EXPECT_NE(found, listing.end()) << name;
        return *found;
    }

    fs::path m_root;
};

TEST_F(LocalFolder, OnlyDotEntriesGiveParentFolder) {
    LocalFileListVector listing;
    listing.Read(m_root.string());
    ASSERT_EQ(listing.size(), 1u);
    EXPECT_EQ(listing[0].name, "..");
    EXPECT_EQ(listing[0].isDirectory, 1);
    EXPECT_EQ(listing[0].size, 0);
}

TEST_F(LocalFolder, RecordsOfFilesFoldersAndHiddenEntries) {
    makeFile("data.bin", 5);
    makeFile(".hidden", 3);
    makeFile("ゲーム.vx", 7);
    fs::create_directory(m_root / "sub");
    fs::create_directory(m_root / ".config");
    setLocalTime(m_root / "data.bin", 2000, 2, 3, 9, 5, 7);

    LocalFileListVector listing;
    listing.Read(m_root.string());
    EXPECT_EQ(listing.size(), 6u);
    EXPECT_EQ(record(listing, "data.bin"), (FileInfo{"2000-02-03 09:05:07", 5, "data.bin", "", "", 0}));
    EXPECT_EQ(record(listing, ".hidden").size, 3);
    EXPECT_EQ(record(listing, "ゲーム.vx").size, 7);
    EXPECT_EQ(record(listing, "sub").isDirectory, 1);
    EXPECT_EQ(record(listing, "sub").size, 0);
    EXPECT_EQ(record(listing, ".config").isDirectory, 1);
    EXPECT_EQ(std::count_if(listing.begin(), listing.end(), [](const FileInfo& r) { return r.name == "."; }),
              0);
}

TEST_F(LocalFolder, SizesAreLow32BitsSigned) {
    // Sparse files: no disk space is used.
    fs::resize_file(makeFile("over4g"), (std::uintmax_t{1} << 32) + 5);
    fs::resize_file(makeFile("over2g"), (std::uintmax_t{1} << 31) + 1);
    LocalFileListVector listing;
    listing.Read(m_root.string());
    EXPECT_EQ(record(listing, "over4g").size, 5);
    EXPECT_EQ(record(listing, "over2g").size, -2147483647);
}

TEST_F(LocalFolder, SymbolicLinksDescribeTheirTargets) {
    fs::create_directory(m_root / "real");
    fs::create_directory_symlink(m_root / "real", m_root / "to-folder");
    fs::create_symlink(m_root / "gone", m_root / "broken");
    LocalFileListVector listing;
    listing.Read(m_root.string());
    EXPECT_EQ(record(listing, "to-folder").isDirectory, 1);
    EXPECT_EQ(record(listing, "broken").isDirectory, 0);
}

TEST_F(LocalFolder, TrailingSlashIgnored) {
    makeFile("a");
    fs::create_directory(m_root / "b");
    LocalFileListVector plain;
    plain.Read(m_root.string());
    LocalFileListVector slashed;
    slashed.Read(m_root.string() + "/");
    plain.SortByName();
    slashed.SortByName();
    EXPECT_EQ(static_cast<const std::vector<FileInfo>&>(plain),
              static_cast<const std::vector<FileInfo>&>(slashed));
    EXPECT_EQ(plain.FreeSpace(), slashed.FreeSpace());
}

TEST_F(LocalFolder, RootFolderLists) {
    LocalFileListVector listing;
    listing.Read("/");
    EXPECT_FALSE(listing.empty());
}

TEST_F(LocalFolder, FreeSpaceOfTheFileSystem) {
    struct statvfs info {};
    ASSERT_EQ(statvfs(m_root.c_str(), &info), 0);
    const unsigned long long bytes = static_cast<unsigned long long>(info.f_bavail) * info.f_frsize;
    LocalFileListVector listing;
    listing.Read(m_root.string());
    EXPECT_EQ(listing.FreeSpace(), std::min<unsigned long long>(bytes, 0xFFFFFFFFu));
}

TEST_F(LocalFolder, FolderThatCannotBeListed) {
    makeFile("plain");
    const std::string withNul = m_root.string() + std::string("\0/x", 3);
    for (const fs::path& missing : {m_root / "missing", m_root / "plain", fs::path(), fs::path(withNul)}) {
        LocalFileListVector listing;
        listing.Read(m_root.string());
        const std::uint32_t free = listing.FreeSpace();
        try {
            listing.Read(missing.string());
            ADD_FAILURE() << "no exception for " << missing;
        } catch (const EDirNotFound& error) {
            EXPECT_STREQ(error.what(), "指定されたディレクトリが見つかりません");
        }
        EXPECT_TRUE(listing.empty());
        EXPECT_EQ(listing.FreeSpace(), free);
    }
}

// A file and folders named so that each order puts them differently.
TEST_F(LocalFolder, EachSortOrder) {
    makeFile("a.txt", 300);
    makeFile("Z.txt", 1);
    fs::create_directory(m_root / "b");
    fs::create_directory(m_root / "A");
    setLocalTime(m_root / "a.txt", 2001, 1, 1, 0, 0, 0);
    setLocalTime(m_root / "Z.txt", 2005, 1, 1, 0, 0, 0);
    setLocalTime(m_root / "b", 2002, 1, 1, 0, 0, 0);
    setLocalTime(m_root / "A", 2003, 1, 1, 0, 0, 0);

    LocalFileListVector listing;
    listing.Read(m_root.string());
    listing.SortByName();
    EXPECT_EQ(namesOf(listing), (Names{"..", "A", "b", "a.txt", "Z.txt"}));
    listing.SortBySize();
    const Names bySize = namesOf(listing);
    EXPECT_EQ(bySize.front(), "..");
    EXPECT_EQ(Names(bySize.begin() + 3, bySize.end()), (Names{"Z.txt", "a.txt"}));
    listing.SortByDate();
    EXPECT_EQ(namesOf(listing), (Names{"..", "b", "A", "a.txt", "Z.txt"}));
}

} // namespace
} // namespace pf
