// audpak as a process on MML scores: the resource file, the listing file,
// the report and the exit code.

#include "mml_fixture.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace audpak::test {
namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct ProcessRun {
    std::string out;
    int code = -1;
};

ProcessRun runAudpak(const fs::path& folder, const std::string& arguments) {
    const std::string command =
        "cd '" + folder.string() + "' && '" AUDPAK_BINARY "' " + arguments + " > stdout.txt 2>&1";
    const int status = std::system(command.c_str());
    return {slurp(folder / "stdout.txt"), WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

class MmlProcess : public ::testing::Test {
  protected:
    void SetUp() override {
        m_folder =
            fs::temp_directory_path() / ("audpak_mml_" + std::to_string(::getpid()) + "_" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }
    void write(const std::string& name, const std::string& text) {
        std::ofstream(m_folder / name, std::ios::binary) << text;
    }
    fs::path m_folder;
};

TEST_F(MmlProcess, MusicWithListing) {
    const std::string score = "T150 O4 L8 CDEF [3 C : D~ E ] #1 R4";
    write("song.mml", score);
    const ProcessRun run = runAudpak(m_folder, "-s song");
    const Compiled compiled = compileScore(score);
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.out, "audpak: song.vr (" + std::to_string(compiled.resource.size()) + " bytes)\r\n");
    const std::string file = slurp(m_folder / "song.vr");
    ASSERT_EQ(file.size(), compiled.resource.size());
    EXPECT_EQ(file.substr(0, 4), "VRMD");
    EXPECT_EQ(file.substr(8), std::string(compiled.resource.begin() + 8, compiled.resource.end()));
    EXPECT_EQ(slurp(m_folder / "song.asm"), compiled.listing);
}

TEST_F(MmlProcess, SoundEffects) {
    write("se.mml", "C D ## E");
    const ProcessRun run = runAudpak(m_folder, "-b2 se.mml fx");
    EXPECT_EQ(run.code, 0);
    const std::string file = slurp(m_folder / "fx.vr");
    const Bytes expected = compileScore("C D ## E", 2).resource;
    ASSERT_EQ(file.size(), expected.size());
    EXPECT_EQ(file.substr(0, 4), "VRSE");
    EXPECT_EQ(file.substr(8), std::string(expected.begin() + 8, expected.end()));
}

TEST_F(MmlProcess, ErrorsExitWithOne) {
    write("bad.mml", "C\nL0");
    const ProcessRun run = runAudpak(m_folder, "bad.mml");
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.out, "line 2, column 1: L0 gives no note length (use L1 to L96)\r\n");
    EXPECT_FALSE(fs::exists(m_folder / "bad.vr"));
}

} // namespace
} // namespace audpak::test
