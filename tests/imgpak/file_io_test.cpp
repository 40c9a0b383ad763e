#include "tools/imgpak/file_io.h"

#include "process_fixture.h"
#include "tools/imgpak/convert_error.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace imgpak::test {
namespace {

class FileIoTest : public TempFolderTest {
  protected:
    std::string pathOf(const std::string& name) const { return path(name).string(); }
};

TEST_F(FileIoTest, RefusesAnInputOver16MiB) {
    const std::string big = pathOf("big.bmp");
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
    EXPECT_FALSE(readWholeFile(pathOf("missing")).has_value());
}

TEST_F(FileIoTest, WritesThroughADeviceAndKeepsNewFilesReadable) {
    const std::uint8_t bytes[] = {1, 2, 3};
    EXPECT_NO_THROW(writeWholeFile("/dev/null", bytes));
    writeWholeFile(pathOf("new.vr"), bytes);
    const auto perms = std::filesystem::status(pathOf("new.vr")).permissions();
    EXPECT_NE(perms & std::filesystem::perms::owner_read, std::filesystem::perms::none);
    EXPECT_EQ(readWholeFile(pathOf("new.vr")), std::vector<std::uint8_t>(bytes, bytes + 3));
}

TEST_F(FileIoTest, WritesThroughASymbolicLink) {
    const std::uint8_t bytes[] = {7};
    writeWholeFile(pathOf("target"), bytes);
    std::filesystem::create_symlink(pathOf("target"), pathOf("link"));
    const std::uint8_t replaced[] = {8, 9};
    writeWholeFile(pathOf("link"), replaced);
    EXPECT_TRUE(std::filesystem::is_symlink(pathOf("link")));
    EXPECT_EQ(readWholeFile(pathOf("target")), std::vector<std::uint8_t>(replaced, replaced + 2));
}

TEST_F(FileIoTest, NamesAnOutputThatCannotBeCreated) {
    const std::uint8_t bytes[] = {1};
    try {
        writeWholeFile(pathOf("no/such.vr"), bytes);
        FAIL() << "written";
    } catch (const ConvertError& e) {
        EXPECT_EQ(std::string(e.what()), "cannot open '" + pathOf("no/such.vr") + "'\n");
    }
}

} // namespace
} // namespace imgpak::test
