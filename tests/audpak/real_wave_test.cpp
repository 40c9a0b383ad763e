// The wave converter on files written by real tools: Debian's sox and
// Python's wave module, generated here. Python's wave module, an
// independent reader, gives the samples the resource must hold.

#include "temp_folder.h"
#include "tests/support/process_runner.h"
#include "wave_builder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace audpak {
namespace {

using namespace test;
using namespace pf::test;

const std::string kPython = "/usr/bin/python3";
const std::string kSox = "/usr/bin/sox";

class RealWave : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!std::filesystem::exists(kPython) || !std::filesystem::exists(kSox)) {
            GTEST_SKIP() << "needs " << kPython << " and " << kSox;
        }
    }

    void sox(const std::string& name, const std::vector<std::string>& format, const std::string& length) {
        std::vector<std::string> args{"-n"};
        args.insert(args.end(), format.begin(), format.end());
        args.insert(args.end(), {name, "synth", length, "sine", "440"});
        ASSERT_EQ(runProcess(kSox, args, m_folder.path().string()).code, 0);
    }

    void pythonWave(const std::string& name, int channels, int width, int frames) {
        const std::string script = "import wave,sys\n"
                                   "w=wave.open(sys.argv[1],'wb')\n"
                                   "w.setnchannels(int(sys.argv[2]));w.setsampwidth(int(sys.argv[3]))\n"
                                   "w.setframerate(11025)\n"
                                   "n=int(sys.argv[4])*int(sys.argv[2])*int(sys.argv[3])\n"
                                   "w.writeframes(bytes((i*7+3)%256 for i in range(n)));w.close()\n";
        ASSERT_EQ(runProcess(kPython,
                             {"-c", script, name, std::to_string(channels), std::to_string(width),
                              std::to_string(frames)},
                             m_folder.path().string())
                      .code,
                  0);
    }

    // The samples as Python's wave module reads them.
    std::string framesOf(const std::string& name) {
        const std::string script = "import wave,sys\n"
                                   "w=wave.open(sys.argv[1])\n"
                                   "sys.stdout.buffer.write(w.readframes(w.getnframes()))\n";
        const auto result = runProcess(kPython, {"-c", script, name}, m_folder.path().string());
        EXPECT_EQ(result.code, 0);
        return result.out;
    }

    ProcessResult audpak(const std::string& name) {
        return runProcess(AUDPAK_BINARY, {"-w", name}, m_folder.path().string());
    }

    // Converts and compares with the samples Python reads.
    void expectConverted(const std::string& name) {
        const std::string samples = framesOf(name);
        ASSERT_FALSE(samples.empty());
        const auto result = audpak(name);
        const std::string base = name.substr(0, name.rfind('.'));
        const std::size_t length = samples.size() + 16;
        EXPECT_EQ(result.out, "audpak: " + base + ".vr (" + std::to_string(length) + " bytes)\r\n");
        EXPECT_EQ(result.code, 0);
        const std::string header = "VRVO" + le16(static_cast<unsigned>((length + 15) / 16)) + le16(0);
        EXPECT_EQ(readFile(m_folder / (base + ".vr")),
                  header + le16(static_cast<unsigned>(samples.size())) + le16(1) + le32(0) + samples);
    }

    void expectRefused(const std::string& name, const std::string& message) {
        const auto result = audpak(name);
        EXPECT_EQ(result.out, message);
        EXPECT_EQ(result.code, 1);
        EXPECT_FALSE(std::filesystem::exists(m_folder / (name.substr(0, name.rfind('.')) + ".vr")));
    }

    TempFolder m_folder;
};

TEST_F(RealWave, EightBitMonoConverts) {
    sox("sox_u8.wav", {"-r", "8000", "-b", "8", "-c", "1", "-e", "unsigned-integer"}, "0.05");
    expectConverted("sox_u8.wav");
    sox("sox_odd.wav", {"-r", "22050", "-b", "8", "-c", "1"}, "777s");
    expectConverted("sox_odd.wav");
    pythonWave("py_u8.wav", 1, 1, 1001);
    expectConverted("py_u8.wav");
}

TEST_F(RealWave, LargestAndTooLarge) {
    // One second at these rates gives exactly that many samples.
    sox("largest.wav", {"-r", "65518", "-b", "8", "-c", "1"}, "1");
    expectConverted("largest.wav");
    EXPECT_EQ(readFile(m_folder / "largest.vr").size(), 65534u);
    sox("too_large.wav", {"-r", "65519", "-b", "8", "-c", "1"}, "1");
    expectRefused("too_large.wav", "data too large\r\n");
}

TEST_F(RealWave, OtherFormatsAreRefused) {
    const std::string message = "accept only 8bit mono wave format\r\n";
    sox("sox_s16.wav", {"-r", "8000", "-b", "16", "-c", "1"}, "0.01");
    expectRefused("sox_s16.wav", message);
    sox("sox_stereo.wav", {"-r", "8000", "-b", "8", "-c", "2"}, "0.01");
    expectRefused("sox_stereo.wav", message);
    sox("sox_float.wav", {"-r", "8000", "-e", "floating-point", "-b", "32", "-c", "1"}, "0.01");
    expectRefused("sox_float.wav", message);
    pythonWave("py_s16.wav", 1, 2, 100);
    expectRefused("py_s16.wav", message);
    pythonWave("py_stereo.wav", 2, 1, 100);
    expectRefused("py_stereo.wav", message);
    sox("sox.aiff", {"-r", "8000", "-b", "8", "-c", "1"}, "0.01");
    expectRefused("sox.aiff", "unknown format\r\n");
}

} // namespace
} // namespace audpak
