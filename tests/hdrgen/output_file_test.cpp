#include "tools/hdrgen/output_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace hdrgen {
namespace {

class OutputFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "hdrgen-out-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_dir = pattern;
        m_path = (m_dir / "e.vx").string();
        std::ofstream(m_path) << "good old entry";
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    std::string content() const {
        std::ifstream in(m_path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::size_t fileCount() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(m_dir), {}));
    }

    std::filesystem::path m_dir;
    std::string m_path;
};

TEST_F(OutputFileTest, UnfinishedFileLeavesTheOldOneAndNoTrace) {
    {
        auto file = OutputFile::create(m_path);
        ASSERT_TRUE(file);
        const std::string text = "half";
        ASSERT_TRUE(file->write(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())));
        EXPECT_EQ(content(), "good old entry");
    }
    EXPECT_EQ(content(), "good old entry");
    EXPECT_EQ(fileCount(), 1u);
}

TEST_F(OutputFileTest, CommitReplacesTheFile) {
    auto file = OutputFile::create(m_path);
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->writeZeros(40));
    EXPECT_EQ(file->written(), 40u);
    ASSERT_TRUE(file->commit());
    EXPECT_EQ(content(), std::string(40, '\0'));
    EXPECT_EQ(fileCount(), 1u);
}

TEST_F(OutputFileTest, RefusesPathsThatCannotBeFiles) {
    EXPECT_FALSE(OutputFile::create(""));
    EXPECT_FALSE(OutputFile::create(m_dir.string()));
    EXPECT_FALSE(OutputFile::create(m_dir.string() + "/"));
    EXPECT_FALSE(OutputFile::create((m_dir / "no" / "such.vx").string()));
    EXPECT_EQ(fileCount(), 1u);
}

} // namespace
} // namespace hdrgen
