#include "entry/replacement_file.h"
#include "tests/support/file_contents.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <iterator>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace pf {
namespace {

namespace fs = std::filesystem;
using OtherTargets = ReplacementFile::OtherTargets;

class ReplacementFileTest : public ::testing::Test {
  protected:
    void SetUp() override { test::writeFile(m_path, "good old entry"); }

    std::string pathOf(const std::string& name) const { return m_folder / name; }
    static std::string content(const std::string& path) { return test::readFile(path); }
    std::size_t fileCount() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(m_dir), {}));
    }

    test::TempFolder m_folder;
    fs::path m_dir = m_folder.path();
    std::string m_path = pathOf("e.vx");
};

TEST_F(ReplacementFileTest, UnfinishedFileLeavesTheOldOneAndNoTrace) {
    for (const auto others : {OtherTargets::Refuse, OtherTargets::WriteInPlace}) {
        {
            ReplacementFile file(m_path, others);
            ASSERT_TRUE(file.open());
            ASSERT_TRUE(file.write("half"));
            EXPECT_EQ(content(m_path), "good old entry");
        }
        EXPECT_EQ(content(m_path), "good old entry");
        EXPECT_EQ(fileCount(), 1u);
    }
}

TEST_F(ReplacementFileTest, CommitReplacesTheFileWithWhatWasWritten) {
    ReplacementFile file(m_path);
    ASSERT_TRUE(file.open());
    ASSERT_TRUE(file.write("head"));
    ASSERT_TRUE(file.writeZeros(5000));
    ASSERT_TRUE(file.write("tail"));
    ASSERT_TRUE(file.writeAt(1, "EA"));
    EXPECT_EQ(file.written(), 5008u);
    ASSERT_TRUE(file.commit());
    EXPECT_EQ(content(m_path), "hEAd" + std::string(5000, '\0') + "tail");
    EXPECT_EQ(fileCount(), 1u);
}

TEST_F(ReplacementFileTest, NewFileGetsThePermissionsOfACreatedOne) {
    const mode_t mask = ::umask(027);
    ReplacementFile file(pathOf("new.vx"));
    const bool written = file.open() && file.write("x") && file.commit();
    ::umask(mask);
    ASSERT_TRUE(written);
    EXPECT_EQ(fs::status(pathOf("new.vx")).permissions(), fs::perms(0640));
}

TEST_F(ReplacementFileTest, RefusesPathsThatCannotBeFiles) {
    for (const std::string& path :
         {std::string(), m_dir.string(), m_dir.string() + "/", pathOf("no/such.vx")}) {
        for (const auto others : {OtherTargets::Refuse, OtherTargets::WriteInPlace}) {
            ReplacementFile file(path, others);
            EXPECT_FALSE(file.open()) << path;
        }
    }
    EXPECT_FALSE(ReplacementFile("/dev/null").open());
    EXPECT_EQ(fileCount(), 1u);
}

TEST_F(ReplacementFileTest, ReplacesTheFileALinkNamesAndKeepsTheLink) {
    fs::create_symlink(m_path, pathOf("link"));
    for (const auto others : {OtherTargets::Refuse, OtherTargets::WriteInPlace}) {
        const std::string text = others == OtherTargets::Refuse ? "renamed" : "in place";
        ReplacementFile file(pathOf("link"), others);
        ASSERT_TRUE(file.open() && file.write(text) && file.commit());
        EXPECT_TRUE(fs::is_symlink(pathOf("link")));
        EXPECT_EQ(content(m_path), text);
    }
    EXPECT_EQ(fileCount(), 2u);
}

TEST_F(ReplacementFileTest, WritesADeviceOrAPipeInPlaceWhenAsked) {
    ReplacementFile device("/dev/null", OtherTargets::WriteInPlace);
    ASSERT_TRUE(device.open());
    EXPECT_TRUE(device.write("gone"));
    EXPECT_TRUE(device.commit());

    const std::string fifo = pathOf("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(ReplacementFile(fifo).open());
    ReplacementFile pipe(fifo, OtherTargets::WriteInPlace);
    std::string got;
    {
        const int readerFd = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
        ASSERT_GE(readerFd, 0);
        ASSERT_TRUE(pipe.open());
        ASSERT_TRUE(pipe.write("piped"));
        char buffer[16];
        const ssize_t n = ::read(readerFd, buffer, sizeof buffer);
        ASSERT_GT(n, 0);
        got.assign(buffer, static_cast<std::size_t>(n));
        ::close(readerFd);
    }
    EXPECT_EQ(got, "piped");
    EXPECT_TRUE(fs::is_fifo(fifo));
}

} // namespace
} // namespace pf
