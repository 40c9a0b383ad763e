#include "ferrymate/platform/settings_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace pf {
namespace {

class SettingsStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_folder =
            std::filesystem::path(::testing::TempDir()) /
            ("settings_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(m_folder);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }
    std::filesystem::path file() const { return m_folder / "Orvane" / "Ferrymate.conf"; }
    std::string content() const {
        std::ifstream in(file(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::filesystem::path m_folder;
};

TEST_F(SettingsStoreTest, ReadingAMissingStoreCreatesItAndGivesNothing) {
    const SettingsStore store(file());
    EXPECT_FALSE(store.readInteger("Width"));
    EXPECT_FALSE(store.readString("Location"));
    EXPECT_TRUE(std::filesystem::exists(file()));
}

TEST_F(SettingsStoreTest, ValuesKeepTheirTypeSoAWrongTypeReadsAsMissing) {
    const SettingsStore store(file());
    store.write(
        {{"Location", std::string("/home/a b/ゲーム\\x\ny")}, {"Top", -12}, {"Width", std::string("800")}});
    EXPECT_EQ(store.readString("Location"), "/home/a b/ゲーム\\x\ny");
    EXPECT_EQ(store.readInteger("Top"), -12);
    EXPECT_FALSE(store.readInteger("Width")) << "a width stored as text is no integer";
    EXPECT_FALSE(store.readString("Top"));
}

TEST_F(SettingsStoreTest, WritingReplacesAValueInPlaceAndKeepsTheOthers) {
    const SettingsStore store(file());
    store.writeInteger("CommPort", 2);
    store.writeInteger("BaudRate", 1);
    store.writeInteger("CommPort", 4);
    EXPECT_EQ(store.readInteger("CommPort"), 4);
    EXPECT_EQ(store.readInteger("BaudRate"), 1);
    EXPECT_EQ(
        content(),
        "# Ferrymate settings: Name=sz:text or Name=dword:number\nCommPort=dword:4\nBaudRate=dword:1\n");
}

TEST_F(SettingsStoreTest, DamagedLinesAreIgnored) {
    std::filesystem::create_directories(file().parent_path());
    std::ofstream(file())
        << "Top=dword:99999999999\nLeft=dword:12x\nnonsense\nHeight=dword:300\nWidth=qword:5\n";
    const SettingsStore store(file());
    EXPECT_FALSE(store.readInteger("Top"));
    EXPECT_FALSE(store.readInteger("Left"));
    EXPECT_FALSE(store.readInteger("Width"));
    EXPECT_EQ(store.readInteger("Height"), 300);
}

TEST_F(SettingsStoreTest, AFailedWriteRaisesAndLeavesTheFileAsItWas) {
    const SettingsStore store(file());
    store.writeInteger("Top", 5);
    std::filesystem::create_directories(file().string() + ".new"); // the replacement cannot be written
    EXPECT_THROW(store.writeInteger("Top", 6), SettingsWriteError);
    EXPECT_EQ(store.readInteger("Top"), 5);
}

TEST(SettingsStorePath, FollowsXdgConfigHome) {
    ::setenv("XDG_CONFIG_HOME", "/tmp/xdg-here", 1);
    EXPECT_EQ(SettingsStore::defaultPath(), "/tmp/xdg-here/Orvane/Ferrymate.conf");
    ::setenv("XDG_CONFIG_HOME", "relative", 1);
    ::setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(SettingsStore::defaultPath(), "/home/someone/.config/Orvane/Ferrymate.conf");
}

} // namespace
} // namespace pf
