#include "tools/imgpak/file_io.h"

#include "tools/imgpak/convert_error.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace imgpak::test {
namespace {

class FileIoTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "imgpak-io-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::string path(const std::string& name) const { return (m_dir / name).string(); }

    std::filesystem::path m_dir;
};

TEST_F(FileIoTest, RefusesAnInputOver16MiB) {
    const std::string big = path("big.bmp");
    std::ofstream(big).close();
    std::filesystem::resize_file(big, kMaxInputBytes); // sparse: nothing is really written
    EXPECT_EQ(readWholeFile(big)->size(), kMaxInputBytes);
    std::filesystem::resize_file(big, kMaxInputBytes + 1);
    try {
        readWholeFile(big);
        FAIL() << "accepted";
    } catch (const ConvertError& e) {
        EXPECT_EQ(std::string(e.what()), big + ": the file is larger than 16 MiB\r\n");
    }
}

TEST_F(FileIoTest, CannotReadAFolderOrAMissingFile) {
    EXPECT_FALSE(readWholeFile(m_dir.string()).has_value());
    EXPECT_FALSE(readWholeFile(path("missing")).has_value());
}

TEST_F(FileIoTest, WritesThroughADeviceAndKeepsNewFilesReadable) {
    const std::uint8_t bytes[] = {1, 2, 3};
    EXPECT_NO_THROW(writeWholeFile("/dev/null", bytes));
    writeWholeFile(path("new.vr"), bytes);
    const auto perms = std::filesystem::status(path("new.vr")).permissions();
    EXPECT_NE(perms & std::filesystem::perms::owner_read, std::filesystem::perms::none);
    EXPECT_EQ(readWholeFile(path("new.vr")), std::vector<std::uint8_t>(bytes, bytes + 3));
}

TEST_F(FileIoTest, WritesThroughASymbolicLink) {
    const std::uint8_t bytes[] = {7};
    writeWholeFile(path("target"), bytes);
    std::filesystem::create_symlink(path("target"), path("link"));
    const std::uint8_t replaced[] = {8, 9};
    writeWholeFile(path("link"), replaced);
    EXPECT_TRUE(std::filesystem::is_symlink(path("link")));
    EXPECT_EQ(readWholeFile(path("target")), std::vector<std::uint8_t>(replaced, replaced + 2));
}

TEST_F(FileIoTest, NamesAnOutputThatCannotBeCreated) {
    const std::uint8_t bytes[] = {1};
    try {
        writeWholeFile(path("no/such.vr"), bytes);
        FAIL() << "written";
    } catch (const ConvertError& e) {
        EXPECT_EQ(std::string(e.what()), "cannot open '" + path("no/such.vr") + "'\n");
    }
}

} // namespace
} // namespace imgpak::test
